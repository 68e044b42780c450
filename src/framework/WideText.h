// The conversions at the edge to Windows' wide (UTF-16) functions, in one
// place: from and to UTF-8, the program's own form of text, and from and to
// the system's code page, the form of what the user typed into the older
// windows and of the settings file.
#pragma once

#include <string>

std::wstring WideFromUtf8(const std::string &utf8);
std::string Utf8FromWide(const std::wstring &wide);
std::wstring WideFromAnsi(const char *text);
// In the system's code page, for texts that join what the user typed;
// empty when the code page cannot hold every character.
std::string AnsiFromWide(const std::wstring &text);
