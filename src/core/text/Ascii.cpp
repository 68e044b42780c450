#include "core/text/Ascii.h"

#include <algorithm>
#include <cstring>

bool EqualsNoCase(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b)
        if (UpperAscii(*a) != UpperAscii(*b))
            return false;
    return *a == *b;
}

bool EqualsNoCase(const std::string &a, const char *b)
{
    return a.size() == std::strlen(b) && StartsWithNoCase(a.c_str(), b);
}

bool StartsWithNoCase(const char *text, const char *prefix)
{
    for (; *prefix; ++text, ++prefix)
        if (UpperAscii(*text) != UpperAscii(*prefix))
            return false;
    return true;
}

std::string WithoutControlChars(std::string text)
{
    text.erase(std::remove_if(text.begin(), text.end(), IsControlChar), text.end());
    return text;
}
