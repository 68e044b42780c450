// Where the Startup shortcut of a program lives: pure text, no shell.
#pragma once

#include <cstddef>

// Builds folder, a backslash, the program's file name up to its first dot,
// and ".lnk" into out (size bytes). 0, with out empty, when the program path
// has no backslash or the result would not fit; 1 otherwise. Paths are in
// UTF-8 and are split by characters.
int MakeStartupLinkPath(const char *folder, const char *programPath, char *out, size_t size);
