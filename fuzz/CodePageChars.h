// A check the text fuzz targets share: what a URL from UTF-8 may hold.
#pragma once

#include "core/text/AnsiText.h"

#include <string>

// Every byte from 0x80 up begins a character of two bytes of the code page
// or is one of its single-byte katakana: no raw byte of another encoding,
// no lead byte left alone.
inline bool WholeCodePageChars(const std::string &text)
{
    for (const char *p = text.c_str(); *p;) {
        const char *next = NextCharA(p);
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c >= 0x80 && next == p + 1 && !(c >= 0xA1 && c <= 0xDF))
            return false;
        if (next == p + 2 && static_cast<unsigned char>(p[1]) < 0x40)
            return false;
        p = next;
    }
    return true;
}
