#include "dialogs/SettingSheet.h"

void SettingSheet::AddPages()
{
    m_psh.dwFlags &= ~static_cast<DWORD>(PSH_HASHELP);
    AddPage(&m_pageOptions);
    AddPage(&m_pageURLs);
    AddPage(&m_pageBrowsers);
}
