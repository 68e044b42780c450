// Message boxes with the application's title. The program's own texts come
// from the string table as UTF-16, so they show whatever the system's code
// page; text the user typed is in that code page and is converted on the way.
#pragma once

#include "framework/WideText.h"

#include <windows.h>

#include <string>

std::wstring LoadResString(UINT id);
int AppMessageBox(HWND owner, const std::wstring &text, UINT type);
int AppMessageBox(HWND owner, UINT idText, UINT type);
