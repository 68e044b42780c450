#include "core/text/Unicode.h"

#include <algorithm>

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void AppendEscape(std::string &out, unsigned char c)
{
    static const char hex[] = "0123456789ABCDEF";
    out += '%';
    out += hex[c >> 4];
    out += hex[c & 15];
}

bool HasNonAscii(const std::string &text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

// The bytes of the longest start of utf8 in whole characters that makes at
// most maxUnits UTF-16 units; units gets how many it makes.
static size_t WholeCharsOfUnits(const std::string &utf8, size_t maxUnits, size_t &units)
{
    size_t at = 0;
    units = 0;
    while (at < utf8.size()) {
        const size_t length = std::max<size_t>(Utf8CharLength(utf8, at), 1);
        const size_t need = length == 4 ? 2 : 1;
        if (units + need > maxUnits)
            break;
        units += need;
        at += length;
    }
    return at;
}

size_t Utf8CharLength(const std::string &text, size_t at)
{
    const size_t size = text.size();
    const unsigned char c = static_cast<unsigned char>(text[at]);
    if (c < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;    // the second byte's range
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;     // overlong
        else if (c == 0xED)
            high = 0x9F;    // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;     // overlong
        else if (c == 0xF4)
            high = 0x8F;    // past U+10FFFF
    } else {
        return 0;
    }
    if (size - at < length)
        return 0;
    const unsigned char second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[at + i])))
            return 0;
    return length;
}

size_t Utf16Units(const std::string &utf8)
{
    size_t units = 0;
    WholeCharsOfUnits(utf8, static_cast<size_t>(-1), units);
    return units;
}

size_t Utf8PrefixOfUnits(const std::string &utf8, size_t units)
{
    size_t used = 0;
    return WholeCharsOfUnits(utf8, units, used);
}

std::string Utf8UrlPartToAnsi(const std::string &utf8)
{
    std::string out, ansi;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        const size_t length = Utf8CharLength(utf8, i);
        if (length == 0) {
            AppendEscape(out, c);
            ++i;
            continue;
        }
        const std::string character = utf8.substr(i, length);
        if (CharToAnsiExact(character, ansi))
            out += ansi;
        else
            for (const char byte : character)
                AppendEscape(out, static_cast<unsigned char>(byte));
        i += length;
    }
    return out;
}

std::string Utf8UrlToAnsi(const std::string &utf8)
{
    // The host: after "scheme://" and any "user@", up to a port, path,
    // query or fragment.
    const size_t scheme = utf8.find("://");
    if (scheme == std::string::npos)
        return Utf8UrlPartToAnsi(utf8);
    const size_t authority = scheme + 3;
    const size_t authorityEnd = std::min(utf8.find_first_of("/?#", authority), utf8.size());
    const size_t at = utf8.rfind('@', authorityEnd == 0 ? 0 : authorityEnd - 1);
    const size_t host = at != std::string::npos && at >= authority ? at + 1 : authority;
    const size_t hostEnd = std::min(utf8.find(':', host), authorityEnd);

    const std::string name = utf8.substr(host, hostEnd - host);
    std::string ascii;
    if (!HasNonAscii(name) || !HostToAscii(name, ascii))
        return Utf8UrlPartToAnsi(utf8);
    return Utf8UrlPartToAnsi(utf8.substr(0, host)) + ascii + Utf8UrlPartToAnsi(utf8.substr(hostEnd));
}
