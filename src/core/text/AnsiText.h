// Text in the system's code page, walked by characters. In a double-byte
// code page such as 932 the second byte of a character can be any byte from
// 0x40 up, the backslash and the letters included (表 is 0x95 0x5C), so such
// text is never searched byte by byte for those.
#pragma once

#include <cstddef>
#include <string>

// The next character after p; p itself at the terminator. Windows builds ask
// the system (CharNextA); others follow code page 932.
const char *NextCharA(const char *p);

// The last backslash of text that is a character of its own, or null.
const char *FindLastBackslash(const char *text);
// What follows the last backslash: the file name of a path.
const char *FileNameOf(const char *path);

// The length of the longest start of text, at most maxBytes long, that ends
// on a character boundary.
size_t WholeCharsPrefix(const char *text, size_t maxBytes);
// The length in bytes of the longest start of text that holds at most
// maxChars characters.
size_t CharsPrefix(const char *text, size_t maxChars);
size_t CharCount(const char *text);

// Whole texts equal, ASCII letters compared without regard to case and
// every character of two bytes compared exactly (its second byte may be
// a letter's).
bool EqualsAsciiNoCase(const char *a, const char *b);

// True when the last character of path is a backslash.
bool EndsWithBackslash(const char *path);

// dir and rest joined by one backslash (none added when dir already ends
// with one, or is empty).
std::string JoinPath(const std::string &dir, const std::string &rest);
