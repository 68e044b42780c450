// The commands of a running launch, "次のページを今すぐ開く" and "中止",
// in the launcher's system menu and in the notification icon's menu; both
// send them as WM_SYSCOMMAND.
#pragma once

#include <windows.h>

void AppendLaunchCommands(HMENU menu);

// The notification icon's menu of the two commands, at this point of the
// screen; the command chosen, 0 for none.
UINT TrackLaunchMenu(HWND owner, POINT at);
