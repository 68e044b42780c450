#include "dialogs/BrowserDlg.h"

#include "core/app/BrowserCommand.h"
#include "dialogs/WindowFormText.h"
#include "framework/FileOpenDlg.h"
#include "framework/MessageBox.h"
#include "links/Monitors.h"
#include "res/resource.h"

#include <algorithm>

CBrowserDlg::CBrowserDlg(HWND parent) : CDialog(IDD_BROWSER, parent) {}

void CBrowserDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_BROWSER_NAME, m_editName);
    DDX_Control(pDX, IDC_BROWSER_PROGRAM, m_editProgram);
    DDX_Control(pDX, IDC_BROWSER_ARGS, m_editArgs);
    DDX_Control(pDX, IDC_BROWSER_FORM, m_comboForm);
    DDX_Control(pDX, IDC_BROWSER_MONITOR, m_comboMonitor);
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
    FillForms();
    FillMonitors();
    m_comboForm.EnableWindow(!m_browser.bManual);
    EnableMonitors();
    return TRUE;
}

void CBrowserDlg::FillForms() const
{
    const BrowserFamily family = FamilyOfProgram(m_browser.program);
    for (int form = 0; form < FORM_COUNT; ++form) {
        if (!FamilyHasForm(family, form))
            continue;
        const int item = m_comboForm.AddString(FormName(form).c_str());
        m_comboForm.SetItemData(item, form);
        if (form == m_browser.form)
            m_comboForm.SetCurSel(item);
    }
    if (m_comboForm.GetCurSel() < 0)
        m_comboForm.SetCurSel(0);
}

// The connected monitors by number; a monitor chosen before that is not
// connected now stays chosen, said to be so, until the user picks another.
void CBrowserDlg::FillMonitors()
{
    std::vector<MonitorArea> monitors = ConnectedMonitors();
    std::sort(monitors.begin(), monitors.end(), [](const MonitorArea &a, const MonitorArea &b) {
        return MonitorNumber(a.device) < MonitorNumber(b.device);
    });
    m_devices = {""};
    m_comboMonitor.AddString(LoadResString(IDS_MONITOR_ANY).c_str());
    for (const MonitorArea &monitor : monitors) {
        m_devices.push_back(monitor.device);
        m_comboMonitor.AddString(MonitorName(monitor).c_str());
    }
    auto chosen = std::find(m_devices.begin(), m_devices.end(), m_browser.monitor);
    if (chosen == m_devices.end()) {
        m_devices.push_back(m_browser.monitor);
        m_comboMonitor.AddString(
            LoadResString(IDS_MONITOR_ABSENT, std::to_string(MonitorNumber(m_browser.monitor))).c_str());
        chosen = m_devices.end() - 1;
    }
    m_comboMonitor.SetCurSel(static_cast<int>(chosen - m_devices.begin()));
}

int CBrowserDlg::ChosenForm() const
{
    const int item = m_comboForm.GetCurSel();
    return item < 0 ? FORM_TAB : static_cast<int>(m_comboForm.GetItemData(item));
}

void CBrowserDlg::EnableMonitors() const
{
    m_comboMonitor.EnableWindow(!m_browser.bManual && FamilyPlaces(FamilyOfProgram(m_browser.program), ChosenForm()));
}

BOOL CBrowserDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_BROWSER_BROWSE && code == BN_CLICKED) {
        OnBrowse();
        return TRUE;
    }
    if (id == IDC_BROWSER_FORM && code == CBN_SELCHANGE) {
        EnableMonitors();
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
    if (!m_browser.bManual) {
        m_browser.form = ChosenForm();
        const int item = m_comboMonitor.GetCurSel();
        if (item >= 0 && static_cast<size_t>(item) < m_devices.size())
            m_browser.monitor = m_devices[static_cast<size_t>(item)];
    }
    CDialog::OnOK();
}
