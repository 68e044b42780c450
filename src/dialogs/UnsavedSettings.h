// What the user is told when the settings file could not be written.
#pragma once

#include <windows.h>

// A message naming the settings file's path, shown for the first failed
// write of a run only: every later one fails for the same reason, and the
// windows already show what the file still holds.
void TellUnsavedSettings(HWND owner);
