// Paths as the program builds them ('\' between their names, JoinPath) in
// the form the C library takes elsewhere than on Windows (tests, fuzzers).
#pragma once

#include <string>

// Backslash characters become '/'; a backslash byte that ends a
// double-byte character (表 is 0x95 0x5C) stays.
std::string PosixPath(const std::string &path);
