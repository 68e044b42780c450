#include "core/text/AnsiText.h"

#include "core/text/Ascii.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

const char *NextCharA(const char *p)
{
#ifdef _WIN32
    return ::CharNextA(p);
#else
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == 0)
        return p;
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    return lead && p[1] ? p + 2 : p + 1;
#endif
}

const char *FindLastBackslash(const char *text)
{
    const char *found = nullptr;
    for (const char *p = text; *p; p = NextCharA(p))
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
    const char *p = text;
    for (;;) {
        const char *next = NextCharA(p);
        if (next == p || static_cast<size_t>(next - text) > maxBytes)
            return static_cast<size_t>(p - text);
        p = next;
    }
}

size_t CharsPrefix(const char *text, size_t maxChars)
{
    const char *p = text;
    for (size_t n = 0; n < maxChars && *p; ++n)
        p = NextCharA(p);
    return static_cast<size_t>(p - text);
}

size_t CharCount(const char *text)
{
    size_t n = 0;
    for (const char *p = text; *p; p = NextCharA(p))
        ++n;
    return n;
}

bool EqualsAsciiNoCase(const char *a, const char *b)
{
    for (;;) {
        const char *nextA = NextCharA(a);
        const char *nextB = NextCharA(b);
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
    for (const char *p = path; *p; p = NextCharA(p))
        last = p;
    return last && *last == '\\';
}

std::string JoinPath(const std::string &dir, const std::string &rest)
{
    if (dir.empty() || EndsWithBackslash(dir.c_str()))
        return dir + rest;
    return dir + "\\" + rest;
}
