// A second start of the program hands its arguments to the running launcher
// (WM_COPYDATA, see core/app/StartMessage.h) and ends.
#pragma once

#include <windows.h>

#include <string>

// Sends the arguments to the window that holds the launcher's title, which
// may let the running program bring its window to the front. Waits a short
// while at most: a hung window of that title does not hold up the start.
void HandOverStart(HWND running, const char *args);

// The arguments a WM_COPYDATA of ours carries (its lParam); false for any
// other message.
bool ReadHandedStart(LPARAM copyData, std::string &args);
