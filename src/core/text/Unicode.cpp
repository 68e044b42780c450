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

// U+FFFD, what a byte that is no character becomes.
const char REPLACEMENT[] = "\xEF\xBF\xBD";

bool HasNonAscii(const std::string &text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

// text with its valid UTF-8 kept and each byte that is not UTF-8 as replace
// writes it.
static std::string ReplaceInvalidBytes(const std::string &text, void (*replace)(std::string &out, unsigned char c))
{
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8CharLength(text, at);
        if (length == 0) {
            replace(out, static_cast<unsigned char>(text[at]));
            ++at;
        } else {
            out.append(text, at, length);
            at += length;
        }
    }
    return out;
}

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

// The bytes of the longest start of utf8 in whole characters whose stored
// length (StoredLength) is at most maxLength; stored gets that length. The
// code page's length counts while every character so far fits it: once one
// does not, no longer start fits either.
static size_t WholeCharsOfStored(const std::string &utf8, size_t maxLength, size_t &stored)
{
    size_t at = 0, ansiBytes = 0;
    bool fits = true;
    std::string ansi;
    stored = 0;
    while (at < utf8.size()) {
        const size_t length = Utf8CharLength(utf8, at);
        const size_t step = std::max<size_t>(length, 1);
        if (fits && length == 1)
            ansiBytes += 1;
        else if (fits && length > 1 && CharToAnsiExact(utf8.substr(at, length), ansi))
            ansiBytes += ansi.size();
        else
            fits = false;
        const size_t next = fits ? ansiBytes : at + step;
        if (next > maxLength)
            break;
        stored = next;
        at += step;
    }
    return at;
}

std::string ValidUtf8(const std::string &text)
{
    return ReplaceInvalidBytes(text, [](std::string &out, unsigned char) { out += REPLACEMENT; });
}

std::string AnsiToUtf8(const std::string &ansi)
{
    std::string utf8, piece;
    if (CodePageToUtf8(0, ansi, utf8))
        return utf8;
    // Character by character: the first length that decodes is the
    // character's (a code page's are at most four bytes, UTF-8's, when the
    // system's code page is UTF-8); a byte that starts none stands alone.
    utf8.clear();
    for (size_t at = 0; at < ansi.size();) {
        size_t length = 1;
        while (length <= 4 && at + length <= ansi.size() && !CodePageToUtf8(0, ansi.substr(at, length), piece))
            ++length;
        if (length <= 4 && at + length <= ansi.size()) {
            utf8 += piece;
            at += length;
        } else {
            utf8 += REPLACEMENT;
            ++at;
        }
    }
    return utf8;
}

std::string Utf8Url(const std::string &url) { return ReplaceInvalidBytes(url, AppendEscape); }

bool FitsCodePage(const std::string &utf8)
{
    std::string ansi;
    for (size_t at = 0; at < utf8.size();) {
        const size_t length = Utf8CharLength(utf8, at);
        if (length == 0 || (length > 1 && !CharToAnsiExact(utf8.substr(at, length), ansi)))
            return false;
        at += length;
    }
    return true;
}

size_t StoredLength(const std::string &utf8)
{
    size_t stored = 0;
    WholeCharsOfStored(utf8, static_cast<size_t>(-1), stored);
    return stored;
}

size_t StoredPrefix(const std::string &utf8, size_t maxLength)
{
    size_t stored = 0;
    return WholeCharsOfStored(utf8, maxLength, stored);
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

std::string CodePointToUtf8(unsigned long c)
{
    std::string utf8;
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
    return utf8;
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

// A part of a URL that holds no host (a path, a query) for the code page:
// nothing but the escapes.
static std::string Utf8UrlPartToAnsi(const std::string &utf8)
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
