#include "app/CommandLine.h"

#include <cctype>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

bool EqualsNoCase(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

} // namespace

size_t ReadFirstToken(const char *args, char *token, size_t size)
{
    if (size == 0)
        return 0;
    size_t n = 0;
    if (args) {
        while (IsSpace(*args))
            ++args;
        for (; *args && !IsSpace(*args) && n + 1 < size; ++args)
            token[n++] = *args;
    }
    token[n] = '\0';
    return n;
}

int IsStartArgument(const char *args)
{
    char token[1024];
    return ReadFirstToken(args, token, sizeof token) > 0 && EqualsNoCase(token, "-start") ? 1 : 0;
}
