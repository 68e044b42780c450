#include "core/bookmarks/HtmlEntities.h"

#include "core/text/Unicode.h"

#include <algorithm>
#include <cstring>

namespace {

struct NamedReference {
    const char *name;    // with its ';'
    char character;
};

const NamedReference NAMED[] = {{"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}};

// What code page 1252 has at 0x80..0x9F; 0 where it has nothing, and the
// number stays the control character it names.
const unsigned short CP1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int DigitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (!hex)
        return -1;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ReadNumber(const std::string &text, size_t at, size_t end, unsigned long &codePoint, size_t &length)
{
    size_t i = at + 2;
    const bool hex = i < end && (text[i] == 'x' || text[i] == 'X');
    if (hex)
        ++i;
    const size_t digits = i;
    unsigned long value = 0;
    int digit;
    for (; i < end && (digit = DigitValue(text[i], hex)) >= 0; ++i)
        // Past U+10FFFF the value stops growing: it names no character anyway.
        if (value <= 0x10FFFF)
            value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
    if (i == digits || i == end || text[i] != ';')
        return false;
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    if (value >= 0x80 && value <= 0x9F && CP1252_HIGH[value - 0x80])
        value = CP1252_HIGH[value - 0x80];
    codePoint = value;
    length = i + 1 - at;
    return true;
}

} // namespace

bool ReadReference(const std::string &text, size_t at, unsigned long &codePoint, size_t &length)
{
    if (at >= text.size() || text[at] != '&')
        return false;
    const size_t end = std::min(text.size(), at + REFERENCE_MAX);
    if (at + 1 < end && text[at + 1] == '#')
        return ReadNumber(text, at, end, codePoint, length);
    for (const NamedReference &named : NAMED) {
        const size_t n = std::strlen(named.name);
        if (at + 1 + n <= end && text.compare(at + 1, n, named.name) == 0) {
            codePoint = static_cast<unsigned char>(named.character);
            length = n + 1;
            return true;
        }
    }
    return false;
}

std::string DecodeReferences(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t amp = text.find('&', i);
        if (amp == std::string::npos) {
            out.append(text, i, std::string::npos);
            break;
        }
        out.append(text, i, amp - i);
        unsigned long c = 0;
        size_t length = 0;
        if (!ReadReference(text, amp, c, length)) {
            out += '&';
            i = amp + 1;
            continue;
        }
        out += CodePointToUtf8(c);
        i = amp + length;
    }
    return out;
}
