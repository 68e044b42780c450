// Paths as the program builds them ('\' between their names, JoinPath) in
// the form the C library takes elsewhere than on Windows (tests, fuzzers).
#pragma once

#include <string>

// Backslashes become '/': in UTF-8 a backslash byte is always a character
// of its own.
std::string PosixPath(const std::string &path);
