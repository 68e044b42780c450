// Message boxes with the application's title. The program's own texts come
// from the string table as UTF-16; text the user typed, in UTF-8, is
// converted on the way (WideText).
#pragma once

#include "core/text/WideText.h"

#include <windows.h>

#include <string>

std::wstring LoadResString(UINT id);
// The string with its "%1" replaced by value (UTF-8).
std::wstring LoadResString(UINT id, const std::string &value);
int AppMessageBox(HWND owner, const std::wstring &text, UINT type);
int AppMessageBox(HWND owner, UINT idText, UINT type);
