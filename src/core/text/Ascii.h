// Character rules on single bytes that UTF-8 and every code page the
// program meets share: ASCII letters, blanks and control characters. In
// UTF-8 no byte of a character of several bytes is ASCII; in a double-byte
// code page (932) blanks and control characters are never the second byte
// of a character, but letters can be (those bytes are 0x40 and up), so the
// letter rules are for text known to be ASCII or UTF-8: key names, tags,
// keywords.
#pragma once

#include <string>

// The C locale's white space: blank, tab, CR, LF, vertical tab, form feed.
inline bool IsSpaceChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
// A blank or a tab, the separators of INI values and URL entries.
inline bool IsBlankChar(char c) { return c == ' ' || c == '\t'; }
// Below 0x20, and 0x7F.
inline bool IsControlChar(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }
inline char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whole texts equal, ASCII letters compared without regard to case.
bool EqualsNoCase(const char *a, const char *b);
bool EqualsNoCase(const std::string &a, const char *b);
// text starts with prefix, ASCII letters compared without regard to case.
bool StartsWithNoCase(const char *text, const char *prefix);

// The text without its control characters: a line end or tab inside a URL
// is never part of the address, and a control character in a value would
// break the line structure of the settings file.
std::string WithoutControlChars(std::string text);
