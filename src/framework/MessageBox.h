// Message boxes with the application's title. The program's own texts come
// from the string table as UTF-16; text the user typed, in UTF-8, is
// converted on the way (WideText).
#pragma once

#include "core/text/WideText.h"

#include <windows.h>

#include <string>
#include <vector>

std::wstring LoadResString(UINT id);
// The string with its "%1" replaced by value (UTF-8).
std::wstring LoadResString(UINT id, const std::string &value);
// The string with "%1", "%2"... replaced by values[0], values[1]...
std::wstring LoadResString(UINT id, const std::vector<std::string> &values);
int AppMessageBox(HWND owner, const std::wstring &text, UINT type);
int AppMessageBox(HWND owner, UINT idText, UINT type);
