// Paths in the system's code page, joined by its characters.
#pragma once

#include "bookmarks/PathJoin.h"

#include <windows.h>

inline bool IsSystemLeadByte(unsigned char c) { return ::IsDBCSLeadByte(c) != 0; }

inline std::string JoinSystemPath(const std::string &dir, const std::string &rest)
{
    return JoinPath(dir, rest, IsSystemLeadByte);
}
