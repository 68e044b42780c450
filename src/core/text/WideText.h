// The conversions at the edge to Windows' wide (UTF-16) functions, in one
// place: from and to UTF-8, the program's one form of text inside. A byte
// that is not UTF-8 becomes U+FFFD; an unpaired surrogate (which a window
// text may hold) becomes U+FFFD too.
#pragma once

#include <string>

std::wstring WideFromUtf8(const std::string &utf8);
std::string Utf8FromWide(const std::wstring &wide);
