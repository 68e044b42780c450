// Paths in the system's code page. The second byte of a double-byte
// character can be 0x5C, the backslash (表 is 0x95 0x5C in code page 932),
// so a path is walked by characters, never searched byte by byte.
#pragma once

#include <string>

// Tells whether a byte starts a double-byte character of the code page.
typedef bool (*LeadBytePredicate)(unsigned char c);

// True when the last character of path is a backslash.
bool EndsWithBackslash(const std::string &path, LeadBytePredicate isLeadByte);

// dir and rest joined by one backslash (none added when dir already ends
// with one, or is empty).
std::string JoinPath(const std::string &dir, const std::string &rest, LeadBytePredicate isLeadByte);
