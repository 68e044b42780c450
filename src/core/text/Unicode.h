// Conversions between the program's text, UTF-8, and the forms it meets:
// the system's code page (files and old interfaces written in it, the
// old browsers' DDE and command line), UTF-7 (Internet shortcuts) and the
// character sets bookmark files declare. Windows builds ask the system;
// others use iconv with code page 932 and libidn2, so that the rules can be
// tested and fuzzed natively.
#pragma once

#include <cstddef>
#include <string>

// Text that should be UTF-8 (a bookmark file's names, Chromium's JSON) as
// the program keeps it: valid UTF-8 stays, each byte that is not UTF-8
// becomes U+FFFD.
std::string ValidUtf8(const std::string &text);

// Text in the system's code page (Windows: CP_ACP; elsewhere 932) in UTF-8.
// A byte sequence the code page cannot decode becomes U+FFFD byte by byte,
// and what decodes around it is kept: no text is dropped silently.
std::string AnsiToUtf8(const std::string &ansi);

// UTF-7 (as Windows writes it in an Internet shortcut's
// "[InternetShortcut.W]" section) in UTF-8; false, with nothing, when it
// cannot be converted.
bool Utf7ToUtf8(const std::string &utf7, std::string &utf8);

// A URL in the form the program keeps it: valid UTF-8 stays as it is (a
// host outside ASCII stays Unicode), each byte that is not UTF-8 becomes
// its percent-escape (%FF), so that nothing is lost. Control characters are
// the caller's to remove.
std::string Utf8Url(const std::string &url);

// A URL for the old browsers' interfaces in the system's code page (DDE,
// Netscape Navigator's command line): ASCII stays; a host outside ASCII
// becomes punycode ("xn--"); any other character stays when the code page
// holds it exactly and is written as the percent-escapes of its UTF-8
// bytes (%E2%9C%93) when not. A byte that is not UTF-8 is escaped as it
// is.
std::string Utf8UrlToAnsi(const std::string &utf8);

// The length of the UTF-8 character that starts text[at] (1 to 4), or 0 when
// no valid one starts there: overlong forms, surrogates and values past
// U+10FFFF are not UTF-8.
size_t Utf8CharLength(const std::string &text, size_t at);

// A character (at most U+10FFFF, no surrogate) in UTF-8.
std::string CodePointToUtf8(unsigned long codePoint);

// The UTF-16 units Windows makes of UTF-8 text: two for a character past
// U+FFFF, one for any other and for each byte that is not UTF-8 (it
// becomes U+FFFD).
size_t Utf16Units(const std::string &utf8);

// The longest start of UTF-8 text, in bytes, that ends on a whole
// character (or a byte that is not UTF-8) and makes at most units UTF-16
// units: a character is never cut, nor a surrogate pair split.
size_t Utf8PrefixOfUnits(const std::string &utf8, size_t units);

// The length a limit of the settings file counts (the user sees it as
// bytes, and an older copy reads the file in the code page): the bytes of
// the text in the system's code page when the code page holds every
// character exactly, else the bytes of its UTF-8. A byte that is not UTF-8
// counts one and fits no code page.
size_t StoredLength(const std::string &utf8);
// The longest start of utf8, in bytes, that ends on a whole character and
// whose StoredLength is at most maxLength.
size_t StoredPrefix(const std::string &utf8, size_t maxLength);

// The host of a URL (UTF-8, without port) in ASCII as IDNA spells it; false
// when it cannot be (then the caller escapes it).
bool HostToAscii(const std::string &utf8Host, std::string &ascii);

// Text of one of the character sets CharsetCodePage knows (Windows' code
// page numbers; ISO-2022-JP, 50220, is not among them: see Iso2022JpToEucJp),
// or of the system's code page (0), in UTF-8; false, with nothing, when it
// holds a byte sequence that character set does not have or the set is
// unknown here.
bool CodePageToUtf8(unsigned codePage, const std::string &text, std::string &utf8);

// One character (UTF-8, whole) in the system's code page exactly, with no
// look-alike: false when the code page cannot hold it.
bool CharToAnsiExact(const std::string &utf8Char, std::string &ansi);

// Every character of UTF-8 text held by the system's code page exactly;
// false too for a byte that is not UTF-8.
bool FitsCodePage(const std::string &utf8);
