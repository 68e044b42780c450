// Finds the directory of the current Netscape Navigator profile, where its
// bookmark file lies: through the registry up to version 4.4x, through
// "nsreg.dat" in the Windows directory from 4.5 on.
#pragma once

#include "core/bookmarks/ByteStream.h"

#define PROFILE_DIR_SIZE 1024

// 1 with the directory, NUL-terminated and as stored, in dir
// (PROFILE_DIR_SIZE bytes), or 0.
int FindNetscapeProfileDir(char *dir);

// Opens "nsreg.dat" in the Windows directory, read-only.
bool NsregOpen(CFileStream &file);
