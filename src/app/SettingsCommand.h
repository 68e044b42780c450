// The Settings command: the settings sheet run on a copy of the options and
// the launcher's group context. It writes nothing of the options and leaves
// the shortcut alone; the caller does both with what comes back.
#pragma once

#include "core/settings/GroupList.h"
#include "core/settings/Options.h"
#include "framework/Controls.h"

struct SettingsInput {
    Options options;               // as held
    int bStartupLinked = 0;        // the Startup shortcut exists
    int nGroup = 0;                // the launcher's selected group, 0 none
    CComboBox *pGroupCombo = nullptr;    // the launcher's group selector, copied by the URL page
    CGroupList *pGroups = nullptr;       // the launcher's groups, which the URL page edits in the file
};

struct SettingsResult {
    bool bOK = false;              // the sheet closed with OK; the two below count only then
    Options options;               // as chosen
    int bStartup = 0;              // the shortcut is wanted
    bool bGroupsChanged = false;   // a group was created, renamed or deleted, even after Cancel
};

SettingsResult RunSettingsSheet(HWND owner, const SettingsInput &in);
