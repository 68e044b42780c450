// The character set of a bookmark file and the names and URLs taken from
// it. Today's browsers export UTF-8 and say so, with a byte-order mark or
// a META declaration (<META HTTP-EQUIV="Content-Type" CONTENT="text/html;
// charset=UTF-8">, or <meta charset="utf-8">); older ones declared their
// own set (Shift_JIS, EUC-JP, windows-1252, x-mac-roman, ...), whose text is
// decoded into UTF-8 first; Netscape Navigator wrote the system's code page
// and declares nothing, so a file without a declaration of a known set is
// decoded from the code page.
#pragma once

#include <cstddef>
#include <string>

// The UTF-8 byte-order mark, EF BB BF, at the start of text.
bool StartsWithUtf8Bom(const std::string &text);

#define CODE_PAGE_UTF8 65001u
#define CODE_PAGE_EUC_JP 20932u
#define CODE_PAGE_ISO_2022_JP 50220u

// Windows' code page number of a character set's name (IANA's names and
// their usual aliases, in any letter case, quotes and blanks around them
// allowed): UTF-8, Shift_JIS, EUC-JP, ISO-2022-JP, windows-1250 to 1258,
// ISO-8859-1 to 9, 13 and 15, x-mac-roman; 0 for any other.
unsigned CharsetCodePage(const std::string &label);

// The code page a META tag declares: its CHARSET value, or the "charset="
// parameter of its CONTENT value; 0 when it declares none known.
unsigned MetaCodePage(const std::string &content, const std::string &charset);

// ISO-2022-JP (the 7-bit form of old Japanese mail and exports) as EUC-JP,
// which every platform decodes (Wine has no ISO-2022-JP): each escape's
// character set, ASCII and JIS-Roman as they are, JIS X 0208 with the high
// bit set, JIS X 0201 katakana after EUC-JP's 0x8E. False on an escape it
// does not know, a byte of 8 bits or half a two-byte character.
bool Iso2022JpToEucJp(const std::string &jis, std::string &euc);

// A name or folder title from its text as written, in UTF-8 (the file's
// text decoded): character references decoded, each byte that is not UTF-8
// U+FFFD (ValidUtf8).
std::string BookmarkName(const std::string &raw);

// A URL from an HREF value as written, in UTF-8: references decoded,
// control characters removed (a line break inside a value does not belong
// to the address), each byte that is not UTF-8 percent-escaped (Utf8Url).
std::string BookmarkUrl(const std::string &raw);
