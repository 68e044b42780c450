// The launch sequence's way out on Windows: the launcher window's timers and
// posted messages, the DDE client, process creation, the automation slots
// and the dial-up monitor.
#pragma once

#include "core/app/LaunchHost.h"

#include <windows.h>

// The host for the launcher window, whose notices are posted as message;
// the same one every call.
ILaunchHost *WindowsLaunchHost(HWND window, UINT message);
