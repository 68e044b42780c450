#include "app/SettingsCommand.h"

#include "dialogs/SettingSheet.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

SettingsResult RunSettingsSheet(HWND owner, const SettingsInput &in)
{
    const std::wstring caption = LoadResString(IDS_SETTINGS_CAPTION);
    SettingSheet sheet(caption.c_str(), owner, 0);
    sheet.AddPages();
    CSettingsDlg &page = sheet.m_pageOptions;
    SetURLsPage &urls = sheet.m_pageURLs;
    page.m_psp.dwFlags &= ~static_cast<DWORD>(PSP_HASHELP);
    urls.m_psp.dwFlags &= ~static_cast<DWORD>(PSP_HASHELP);
    sheet.m_pageBrowsers.m_psp.dwFlags &= ~static_cast<DWORD>(PSP_HASHELP);

    page.m_nBrowser = in.options.nUseBrowser;
    page.m_nDelay = in.options.nDelay;
    page.m_bNotSurf = in.options.bNotSurf;
    page.m_bReuseBrowser = in.options.bReuseBrowser;
    page.m_bWaitDialup = in.options.bWaitDialup;
    page.m_bWaitNetwork = in.options.bWaitNetwork;
    page.m_nUiLanguage = in.options.nUiLanguage;
    page.m_bWindowNum = in.options.nWindowNum;
    page.m_bStartup = in.bStartupLinked;
    urls.m_nKind = in.options.nPrevSelBrowser;
    urls.m_nGroup = in.nGroup;
    urls.m_pMainCombo = in.pGroupCombo;
    urls.m_pGroups = in.pGroups;

    SettingsResult result;
    result.bOK = sheet.DoModal() == IDOK;
    result.bGroupsChanged = urls.m_bGroupsChanged != 0;
    result.options = in.options;
    if (!result.bOK)
        return result;
    result.options.nUseBrowser = page.m_nBrowser;
    result.options.nDelay = page.m_nDelay;
    result.options.bNotSurf = page.m_bNotSurf;
    result.options.bReuseBrowser = page.m_bReuseBrowser;
    result.options.bWaitDialup = page.m_bWaitDialup;
    result.options.bWaitNetwork = page.m_bWaitNetwork;
    result.options.nUiLanguage = page.m_nUiLanguage;
    result.options.nWindowNum = page.m_bWindowNum;
    result.options.nPrevSelBrowser = urls.m_nKind;
    result.bStartup = page.m_bStartup;
    return result;
}
