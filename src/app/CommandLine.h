// Reading the program's command line. Pure text handling, no windows.
#pragma once

#include <cstddef>

// Copies the first whitespace-delimited token of args into token (size
// bytes, cut to size - 1 characters) and returns its length.
size_t ReadFirstToken(const char *args, char *token, size_t size);

// 1 when the first argument is "-start" in any letter case.
int IsStartArgument(const char *args);
