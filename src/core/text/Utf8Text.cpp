#include "core/text/Utf8Text.h"

#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

const char *NextChar(const char *p)
{
    if (!*p)
        return p;
    // No character is longer than four bytes, and a NUL ends one early.
    return p + std::max<size_t>(Utf8CharLength(std::string(p, strnlen(p, 4)), 0), 1);
}

const char *FindLastBackslash(const char *text)
{
    const char *found = nullptr;
    for (const char *p = text; *p; p = NextChar(p))
        if (*p == '\\')
            found = p;
    return found;
}

const char *FileNameOf(const char *path)
{
    const char *slash = FindLastBackslash(path);
    return slash ? slash + 1 : path;
}

size_t WholeCharsPrefix(const char *text, size_t maxBytes)
{
    // A character that starts before maxBytes ends at most three bytes past it.
    const size_t needed = maxBytes > SIZE_MAX - 3 ? SIZE_MAX : maxBytes + 3;
    return WholeCharsLength(std::string(text, strnlen(text, needed)), maxBytes);
}

size_t WholeCharsLength(const std::string &text, size_t maxBytes)
{
    size_t at = 0;
    while (at < text.size()) {
        const size_t next = at + std::max<size_t>(Utf8CharLength(text, at), 1);
        if (next > maxBytes)
            break;
        at = next;
    }
    return at;
}

bool EqualsAsciiNoCase(const char *a, const char *b)
{
    for (;;) {
        const char *nextA = NextChar(a);
        const char *nextB = NextChar(b);
        const size_t length = static_cast<size_t>(nextA - a);
        if (length != static_cast<size_t>(nextB - b))
            return false;
        if (length == 0)
            return true;
        if (length == 1 ? UpperAscii(*a) != UpperAscii(*b) : std::memcmp(a, b, length) != 0)
            return false;
        a = nextA;
        b = nextB;
    }
}

bool EndsWithBackslash(const char *path)
{
    const char *last = nullptr;
    for (const char *p = path; *p; p = NextChar(p))
        last = p;
    return last && *last == '\\';
}

std::string JoinPath(const std::string &dir, const std::string &rest)
{
    if (dir.empty() || EndsWithBackslash(dir.c_str()))
        return dir + rest;
    return dir + "\\" + rest;
}
