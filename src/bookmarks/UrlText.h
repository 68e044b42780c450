// URLs taken from files the program did not write.
#pragma once

#include <string>

// The text without its control characters (below 0x20, and 0x7F): a line
// end or tab inside a URL is never part of the address, and a control
// character in an entry would be written into the settings file.
std::string WithoutControlChars(std::string text);
