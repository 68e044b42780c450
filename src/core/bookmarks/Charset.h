// The character set of a bookmark file and the names and URLs taken from
// it. Today's browsers export UTF-8 and say so, with a byte-order mark or
// a META declaration (<META HTTP-EQUIV="Content-Type" CONTENT="text/html;
// charset=UTF-8">, or <meta charset="utf-8">); Netscape Navigator wrote
// the system's code page and declares nothing, so a file without a UTF-8
// declaration is read as the code page, its bytes kept as they are.
#pragma once

#include <cstddef>
#include <string>

// The UTF-8 byte-order mark, EF BB BF, at the start of text.
bool StartsWithUtf8Bom(const std::string &text);

// True when a META tag declares UTF-8: its CHARSET value, or the
// "charset=" parameter of its CONTENT value, is "UTF-8" or "UTF8" in any
// letter case, quotes and blanks around it allowed.
bool MetaDeclaresUtf8(const std::string &content, const std::string &charset);

// A name or folder title as the system's code page holds it, from its text
// as written: character references decoded; in a UTF-8 file the whole text
// converted (Utf8ToAnsi), in a code-page file each reference's character.
std::string BookmarkName(const std::string &raw, bool utf8);

// A URL from an HREF value as written: references decoded, control
// characters removed (a line break inside a value does not belong to the
// address), then in a UTF-8 file the whole URL converted so that no
// character is lost (Utf8UrlToAnsi: punycode host, percent-escapes), in a
// code-page file each reference's character (Utf8UrlPartToAnsi: kept when
// the code page holds it exactly, escaped when not).
std::string BookmarkUrl(const std::string &raw, bool utf8);

// The longest start of text, at most maxBytes long, that ends on a whole
// character of the file's character set.
size_t WholeCharsLength(const std::string &text, size_t maxBytes, bool utf8);
