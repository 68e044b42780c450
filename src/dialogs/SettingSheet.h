// The settings sheet "Orvanta設定": the start-up options page, the URL
// registration page, then the browsers page. Built for one run of the
// Settings command.
#pragma once

#include "dialogs/BrowsersPage.h"
#include "dialogs/SetURLsPage.h"
#include "dialogs/SettingsDlg.h"
#include "framework/PropertySheet.h"

class SettingSheet : public CPropertySheet {
public:
    SettingSheet(const wchar_t *caption, HWND parent, UINT startPage) : CPropertySheet(caption, parent, startPage) {}

    // Adds the pages, without a Help button.
    void AddPages();

    SetURLsPage m_pageURLs;
    CSettingsDlg m_pageOptions;
    CBrowsersPage m_pageBrowsers;
};
