#include "app/LaunchMenu.h"

#include "framework/MessageBox.h"
#include "res/resource.h"

void AppendLaunchCommands(HMENU menu)
{
    ::AppendMenuW(menu, MF_STRING, IDM_OPEN_NEXT, LoadResString(IDS_OPEN_NEXT).c_str());
    ::AppendMenuW(menu, MF_STRING, IDM_STOP, LoadResString(IDS_STOP).c_str());
}

UINT TrackLaunchMenu(HWND owner, POINT at)
{
    HMENU menu = ::CreatePopupMenu();
    if (!menu)
        return 0;
    AppendLaunchCommands(menu);
    // As the shell documents for a notification icon's menu: with its owner
    // in front the menu closes when the user clicks elsewhere, and the
    // message after it lets a second right click open it again.
    ::SetForegroundWindow(owner);
    const UINT id = static_cast<UINT>(::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    ::DestroyMenu(menu);
    return id;
}
