#include "dialogs/BrowserDlg.h"

#include "framework/FileOpenDlg.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

CBrowserDlg::CBrowserDlg(HWND parent) : CDialog(IDD_BROWSER, parent) {}

void CBrowserDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_BROWSER_NAME, m_editName);
    DDX_Control(pDX, IDC_BROWSER_PROGRAM, m_editProgram);
    DDX_Control(pDX, IDC_BROWSER_ARGS, m_editArgs);
    DDX_Text(pDX, IDC_BROWSER_NAME, m_browser.name);
    DDX_Text(pDX, IDC_BROWSER_PROGRAM, m_browser.program);
    DDX_Text(pDX, IDC_BROWSER_ARGS, m_browser.args);
}

BOOL CBrowserDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const CEdit *edit : {&m_editName, &m_editProgram, &m_editArgs})
        edit->LimitText(MAX_VALUE_CHARS);
    m_editArgs.EnableWindow(m_browser.bManual);
    return TRUE;
}

BOOL CBrowserDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_BROWSER_BROWSE && code == BN_CLICKED) {
        OnBrowse();
        return TRUE;
    }
    return CDialog::OnCommand(id, code, control);
}

void CBrowserDlg::OnBrowse()
{
    std::wstring path;
    if (AskFileToOpen(m_hWnd, IDS_PROGRAM_FILTER, path))
        m_editProgram.SetText(path.c_str());
}

void CBrowserDlg::OnOK()
{
    if (m_editName.GetText().empty() || m_editProgram.GetText().empty()) {
        AppMessageBox(m_hWnd, IDS_BROWSER_INCOMPLETE, MB_OK | MB_ICONWARNING);
        return;
    }
    CDialog::OnOK();
}
