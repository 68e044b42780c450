// Finds the directory of the current Netscape Navigator profile, where its
// bookmark file lies: through the registry up to version 4.4x, through
// "nsreg.dat" in the Windows directory from 4.5 on.
#pragma once

#include "core/bookmarks/ByteStream.h"
#include "core/bookmarks/Nsreg.h"

// A directory of the registry or "nsreg.dat" in UTF-8: each byte of the
// code page there may take three.
#define PROFILE_DIR_SIZE (3 * NSREG_VALUE_SIZE)

// 1 with the directory, NUL-terminated and in UTF-8, in dir
// (PROFILE_DIR_SIZE bytes), or 0.
int FindNetscapeProfileDir(char *dir);

// Opens "nsreg.dat" in the Windows directory, read-only.
bool NsregOpen(CFileStream &file);
