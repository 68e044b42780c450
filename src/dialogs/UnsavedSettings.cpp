#include "dialogs/UnsavedSettings.h"

#include "core/settings/SettingsFile.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

void TellUnsavedSettings(HWND owner)
{
    static bool told = false;
    if (told)
        return;
    told = true;
    AppMessageBox(owner, LoadResString(IDS_SETTINGS_UNWRITTEN, SettingsFile()), MB_OK | MB_ICONWARNING);
}
