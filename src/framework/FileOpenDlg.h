// The system's file-open dialog, for a file that must exist.
#pragma once

#include <windows.h>

#include <string>

// filterId names a string of the table: the filter's parts separated by
// '|' ("プログラム (*.exe)|*.exe|"), since the table cannot hold the NULs
// the dialog wants. True with the path chosen.
bool AskFileToOpen(HWND owner, UINT filterId, std::wstring &path);
