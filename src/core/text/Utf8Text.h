// The program's text, UTF-8, walked by characters. A character is a valid
// UTF-8 sequence (Utf8CharLength); a byte that starts none is a character
// of its own, so that damaged text is still walked to its end and never
// read past it. No byte of a character of several bytes is below 0x80, so a
// backslash or an ASCII letter found byte by byte is always one of its own.
#pragma once

#include <cstddef>
#include <string>

// The next character after p; p itself at the terminator.
const char *NextChar(const char *p);

// The last backslash of text that is a character of its own, or null.
const char *FindLastBackslash(const char *text);
// What follows the last backslash: the file name of a path.
const char *FileNameOf(const char *path);

// The length of the longest start of text, at most maxBytes long, that ends
// on a character boundary.
size_t WholeCharsPrefix(const char *text, size_t maxBytes);
// The same for text that may hold NULs (a file's text, a list of names).
size_t WholeCharsLength(const std::string &text, size_t maxBytes);

// Whole texts equal, ASCII letters compared without regard to case and
// every other character compared exactly.
bool EqualsAsciiNoCase(const char *a, const char *b);

// True when the last character of path is a backslash.
bool EndsWithBackslash(const char *path);

// dir and rest joined by one backslash (none added when dir already ends
// with one, or is empty).
std::string JoinPath(const std::string &dir, const std::string &rest);
