#include "core/app/CommandLine.h"

#include "core/settings/GroupList.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"
#include "core/text/Utf8Text.h"

#include <algorithm>
#include <cstring>

size_t ReadFirstToken(const char *args, char *token, size_t size)
{
    if (size == 0)
        return 0;
    size_t n = 0;
    if (args) {
        while (IsSpaceChar(*args))
            ++args;
        while (args[n] && !IsSpaceChar(args[n]))
            ++n;
        // A blank is a character of its own: both ends are whole characters.
        n = std::min(n, WholeCharsPrefix(args, size - 1));
        std::memcpy(token, args, n);
    }
    token[n] = '\0';
    return n;
}

size_t ParseSelfPath(const char *commandLine, char *path, size_t size)
{
    if (size == 0)
        return 0;
    path[0] = '\0';
    if (!commandLine)
        return 0;
    const char *begin = commandLine;
    const char *end;
    if (*begin == '"') {
        ++begin;
        for (end = begin; *end && *end != '"'; ++end) {
        }
    } else {
        while (IsSpaceChar(*begin))
            ++begin;
        for (end = begin; *end && !IsSpaceChar(*end); ++end) {
        }
        if (begin < end && *begin == '"') {
            ++begin;
            if (begin < end && end[-1] == '"')
                --end;
        }
    }
    const size_t length = static_cast<size_t>(end - begin);
    if (length >= size)
        return 0;
    std::memcpy(path, begin, length);
    path[length] = '\0';
    return length;
}

// Blanks and double quotes are never a byte of a UTF-8 character of several
// bytes, so the group's text is walked byte by byte.
StartArguments ParseStartArguments(const char *args)
{
    StartArguments start;
    if (!args)
        return start;
    while (IsSpaceChar(*args))
        ++args;
    const char *p = args;
    while (*p && !IsSpaceChar(*p))
        ++p;
    if (p - args != 6 || !StartsWithNoCase(args, "-start"))
        return start;
    start.bStart = 1;
    while (IsSpaceChar(*p))
        ++p;
    const bool quoted = *p == '"';
    if (quoted)
        ++p;
    for (; *p && (quoted ? *p != '"' : !IsSpaceChar(*p)); ++p)
        start.group += *p;
    // What is longer than any name read back keeps one character past the
    // longest start that could be one, so that it still names no group.
    const size_t name = StoredPrefix(start.group, MAX_GROUP_NAME_CHARS);
    if (name < start.group.size())
        start.group.resize(name + std::max<size_t>(Utf8CharLength(start.group, name), 1));
    return start;
}
