#include "bookmarks/ShortcutFile.h"

#include "bookmarks/UrlText.h"

#include <cstring>

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsNoCase(const char *text, const char *prefix)
{
    for (; *prefix; ++text, ++prefix)
        if (UpperAscii(*text) != *prefix)
            return false;
    return true;
}

} // namespace

bool ShortcutName(const char *fileName, std::string &name)
{
    const size_t length = std::strlen(fileName);
    if (length <= 4 || !StartsNoCase(fileName + length - 4, ".URL"))
        return false;
    name.assign(fileName, length - 4);
    return true;
}

bool ShortcutAttributesTaken(uint32_t attributes) { return (attributes & (0x20 | 0x80)) != 0; }

bool UrlFromShortcutLine(const char *line, std::string &url)
{
    if (std::strlen(line) <= 4 || !StartsNoCase(line, "URL="))
        return false;
    url = WithoutControlChars(line + 4);
    return true;
}

bool ReadShortcutUrl(std::FILE *file, std::string &url)
{
    char line[SHORTCUT_LINE_SIZE];
    while (std::fgets(line, sizeof line, file))
        if (UrlFromShortcutLine(line, url))
            return true;
    return false;
}
