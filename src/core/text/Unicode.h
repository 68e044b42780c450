// Text that arrives in Unicode (UTF-8 bookmark exports and Chromium's
// files, UTF-7 in Internet shortcuts) turned into what the program keeps:
// names in the system's code page, URLs that never lose a character.
// Windows builds ask the system; others use iconv with code page 932 and
// libidn2, so that the rules can be tested and fuzzed natively.
#pragma once

#include <string>

// Names: UTF-8 in the system's code page. A character the code page cannot
// hold takes the system's closest look-alike or '?'; a byte that is not
// UTF-8 becomes '?'.
std::string Utf8ToAnsi(const std::string &utf8);

// UTF-7 (as Windows writes it in an Internet shortcut's
// "[InternetShortcut.W]" section) in UTF-8; false, with nothing, when it
// cannot be converted.
bool Utf7ToUtf8(const std::string &utf7, std::string &utf8);

// A URL written in UTF-8, as an entry keeps it: ASCII stays; a host
// outside ASCII becomes punycode ("xn--"); any other character stays when
// the system's code page holds it exactly and is written as the
// percent-escapes of its UTF-8 bytes (%E2%9C%93) when not. A byte that is
// not UTF-8 is escaped as it is, so nothing is lost.
std::string Utf8UrlToAnsi(const std::string &utf8);

// The same rule for a part of a URL that holds no host (a path, a query,
// one character of a reference): nothing but the escapes.
std::string Utf8UrlPartToAnsi(const std::string &utf8);

// The length of the UTF-8 character that starts text[at] (1 to 4), or 0 when
// no valid one starts there: overlong forms, surrogates and values past
// U+10FFFF are not UTF-8.
size_t Utf8CharLength(const std::string &text, size_t at);

// The UTF-16 units Windows makes of UTF-8 text: two for a character past
// U+FFFF, one for any other and for each byte that is not UTF-8 (it
// becomes U+FFFD).
size_t Utf16Units(const std::string &utf8);

// The longest start of UTF-8 text, in bytes, that ends on a whole
// character (or a byte that is not UTF-8) and makes at most units UTF-16
// units: a character is never cut, nor a surrogate pair split.
size_t Utf8PrefixOfUnits(const std::string &utf8, size_t units);

// The host of a URL (UTF-8, without port) in ASCII as IDNA spells it; false
// when it cannot be (then the caller escapes it).
bool HostToAscii(const std::string &utf8Host, std::string &ascii);

// Text of one of the character sets CharsetCodePage knows (Windows' code
// page numbers; ISO-2022-JP, 50220, is not among them: see Iso2022JpToEucJp)
// in UTF-8; false, with nothing, when it holds a byte sequence that
// character set does not have or the set is unknown here.
bool CodePageToUtf8(unsigned codePage, const std::string &text, std::string &utf8);

// One character (UTF-8, whole) in the system's code page exactly, with no
// look-alike: false when the code page cannot hold it.
bool CharToAnsiExact(const std::string &utf8Char, std::string &ansi);
