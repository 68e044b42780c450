#include "core/bookmarks/ShortcutFile.h"

#include "core/text/Ascii.h"

#include <cstring>

bool ShortcutName(const char *fileName, std::string &name)
{
    const size_t length = std::strlen(fileName);
    if (length <= 4 || !StartsWithNoCase(fileName + length - 4, ".URL"))
        return false;
    name.assign(fileName, length - 4);
    return true;
}

bool ShortcutAttributesTaken(uint32_t attributes) { return (attributes & (0x20 | 0x80)) != 0; }

bool UrlFromShortcutLine(const char *line, std::string &url)
{
    if (std::strlen(line) <= 4 || !StartsWithNoCase(line, "URL="))
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
