#include "dialogs/SettingsDlg.h"

#include "core/dialogs/OptionValues.h"
#include "core/settings/Options.h"
#include "res/resource.h"

#include <string>

CSettingsDlg::CSettingsDlg() : CPropertyPage(IDD_SETTINGS) {}

void CSettingsDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_STARTUP_REMOVE, m_btnStartupRemove);
    DDX_Control(pDX, IDC_STARTUP_ADD, m_btnStartupAdd);
    DDX_Control(pDX, IDC_DELAY_SPIN, m_spinDelay);
    DDX_Control(pDX, IDC_DELAY, m_editDelay);
    DDX_Control(pDX, IDC_BROWSER_FOLLOW, m_radioFollow);
    DDX_Control(pDX, IDC_BROWSER_NN, m_radioNN);
    DDX_Control(pDX, IDC_BROWSER_IE, m_radioIE);
    DDX_Control(pDX, IDC_BROWSER_DEFAULT, m_radioDefault);
    DDX_Check(pDX, IDC_NOTSURF, m_bNotSurf);
    DDX_Check(pDX, IDC_REUSE_BROWSER, m_bReuseBrowser);
    DDX_Check(pDX, IDC_WAIT_DIALUP, m_bWaitDialup);
    DDX_Check(pDX, IDC_WAIT_NETWORK, m_bWaitNetwork);
    DDX_Check(pDX, IDC_WINDOWNUM, m_bWindowNum);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (const int radio = BrowserRadioId(m_nBrowser))
        ::CheckDlgButton(m_hWnd, radio, BST_CHECKED);
    if (m_nUiLanguage >= UI_AUTO && m_nUiLanguage <= UI_ENGLISH)
        ::CheckDlgButton(m_hWnd, IDC_UI_AUTO + m_nUiLanguage, BST_CHECKED);
    m_spinDelay.SetBuddy(m_editDelay.m_hWnd);
    m_spinDelay.SetRange(DELAY_MIN, DELAY_MAX);
    m_editDelay.SetText(std::to_string(m_nDelay));
    // The disabled box shows what is, the other one offers the change.
    const CButton &present = m_bStartup ? m_btnStartupAdd : m_btnStartupRemove;
    const CButton &change = m_bStartup ? m_btnStartupRemove : m_btnStartupAdd;
    present.SetCheck(BST_CHECKED);
    present.EnableWindow(FALSE);
    change.SetCheck(BST_UNCHECKED);
    return TRUE;
}

// The choice changes on the click, so Cancel leaves the caller's value.
BOOL CSettingsDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (code != BN_CLICKED)
        return CPropertyPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_BROWSER_FOLLOW: m_nBrowser = UB_FOLLOW; return TRUE;
    case IDC_BROWSER_NN: m_nBrowser = UB_NN; return TRUE;
    case IDC_BROWSER_IE: m_nBrowser = UB_IE; return TRUE;
    case IDC_BROWSER_DEFAULT: m_nBrowser = UB_DEFAULT; return TRUE;
    // The three buttons' ids follow the codes' order.
    case IDC_UI_AUTO:
    case IDC_UI_JAPANESE:
    case IDC_UI_ENGLISH: m_nUiLanguage = id - IDC_UI_AUTO; return TRUE;
    default: return CPropertyPage::OnCommand(id, code, control);
    }
}

void CSettingsDlg::OnOK()
{
    m_nDelay = ParseDelay(m_editDelay.GetText().c_str());
    m_bStartup = StartupChoice(m_bStartup, m_btnStartupAdd.GetCheck() == BST_CHECKED,
                               m_btnStartupRemove.GetCheck() == BST_CHECKED);
    CPropertyPage::OnOK();
}
