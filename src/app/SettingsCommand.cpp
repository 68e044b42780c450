// The launcher's Settings button: runs the settings sheet on copies of the
// options and the group context, then writes back what changed, adds or
// removes the Startup shortcut, and refills the group selector when the
// groups changed.
#include "app/AppState.h"
#include "app/LaunchSequencer.h"
#include "app/MainDlg.h"
#include "dialogs/SettingSheet.h"
#include "framework/MessageBox.h"
#include "links/StartupLink.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"

namespace {

// Stores and writes a value only when it changed; true when it did.
bool UpdateOption(int &current, int value, const char *key)
{
    if (current == value)
        return false;
    current = value;
    WriteMainInt(key, value);
    return true;
}

} // namespace

void CMainDlg::OnSettings()
{
    const std::wstring caption = LoadResString(IDS_SETTINGS_CAPTION);
    SettingSheet sheet(caption.c_str(), m_hWnd, 0);
    sheet.AddPages();
    CSettingsDlg &options = sheet.m_pageOptions;
    SetURLsPage &urls = sheet.m_pageURLs;
    options.m_psp.dwFlags &= ~static_cast<DWORD>(PSP_HASHELP);
    urls.m_psp.dwFlags &= ~static_cast<DWORD>(PSP_HASHELP);

    s_bStartupLinked = IsStartupLinked(m_hWnd, s_szSelfPath);
    options.m_nBrowser = s_nUseBrowser;
    options.m_nDelay = s_nDelay;
    options.m_bNotSurf = m_bNotSurf;
    options.m_bReuseBrowser = s_bReuseBrowser;
    options.m_bWaitDialup = s_bWaitDialup;
    options.m_bWindowNum = s_nWindowNum;
    options.m_bStartup = s_bStartupLinked;

    urls.m_nKind = s_nPrevSelBrowser;
    const int item = m_comboGroup.GetCurSel();
    urls.m_nGroup = item == CB_ERR ? 0 : static_cast<int>(m_comboGroup.GetItemData(item));
    urls.m_pMainCombo = &m_comboGroup;
    urls.m_pGroups = &m_groups;

    if (sheet.DoModal() == IDOK)
        WriteBack(options, urls.m_nKind);
    // Groups created or deleted are in the file even after Cancel.
    if (urls.m_bGroupsChanged)
        FillGroupCombo();
}

void CMainDlg::WriteBack(const CSettingsDlg &options, int kind)
{
    UpdateOption(s_nUseBrowser, options.m_nBrowser, KEY_USE_BROWSER);
    UpdateOption(s_nDelay, options.m_nDelay, KEY_DELAY);
    UpdateOption(m_bNotSurf, options.m_bNotSurf, KEY_NOTSURF);
    UpdateOption(s_bReuseBrowser, options.m_bReuseBrowser, KEY_REUSE_BROWSER);
    UpdateOption(s_bWaitDialup, options.m_bWaitDialup, KEY_WAIT_DIALUP);
    if (options.m_bStartup != s_bStartupLinked) {
        if (!s_bStartupLinked && options.m_bStartup)
            CreateStartupLink(m_hWnd, s_szSelfPath, "", "-start");
        else
            DeleteStartupLink(s_szSelfPath);
    }
    s_bStartupLinked = options.m_bStartup;
    UpdateOption(s_nPrevSelBrowser, kind, KEY_PREV_SEL_BROWSER);
    if (UpdateOption(s_nWindowNum, options.m_bWindowNum, KEY_WINDOWNUM))
        s_bSingleWindowOpened = 0;
}
