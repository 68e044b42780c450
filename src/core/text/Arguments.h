// Texts of the string table with values put in: "%1" to "%9" each take
// that value, so that a translation orders them as its language needs.
#pragma once

#include <string>
#include <vector>

// The text with each "%N" replaced by values[N - 1], in one pass: a "%1"
// inside a value (a group may be named so) stays as it is, and so does a
// "%" before anything else or a number past the values. UTF-8 throughout:
// no byte of a character of several bytes is below 0x80, so the search by
// byte finds only ASCII's own "%".
std::string FillArguments(const std::string &text, const std::vector<std::string> &values);
