#include "core/bookmarks/ShortcutFile.h"

#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <cstring>

namespace {

// The next line with its '\n', of which at most max bytes before the line
// end are kept; tooLong is set when more were dropped. False at the end of
// the file.
bool ReadLine(std::FILE *file, size_t max, std::string &line, bool &tooLong)
{
    line.clear();
    tooLong = false;
    int c;
    while ((c = std::getc(file)) != EOF) {
        if (c == '\n') {
            line += '\n';
            return true;
        }
        if (line.size() < max)
            line += static_cast<char>(c);
        else
            tooLong = true;
    }
    return !line.empty() || tooLong;
}

} // namespace

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

bool IsUnicodeSectionLine(const char *line)
{
    std::string header = WithoutControlChars(line);
    header.erase(header.find_last_not_of(" \t") + 1);
    return EqualsNoCase(header, "[InternetShortcut.W]");
}

bool ReadShortcutUrl(std::FILE *file, std::string &url, size_t maxLine)
{
    std::string line, found, first, unicode;
    bool tooLong = false, firstFound = false, firstWhole = false, inUnicode = false, unicodeFound = false;
    while (ReadLine(file, maxLine, line, tooLong)) {
        if (line[0] == '[') {
            inUnicode = !tooLong && IsUnicodeSectionLine(line.c_str());
            continue;
        }
        if (!UrlFromShortcutLine(line.c_str(), found))
            continue;
        if (!firstFound) {
            firstFound = true;
            // The URL is not all there: the line gives none, rather than a wrong one.
            firstWhole = !tooLong;
            first = found;
        }
        if (inUnicode && !unicodeFound && !tooLong) {
            unicodeFound = true;
            unicode = found;
        }
    }
    std::string utf8;
    if (unicodeFound && Utf7ToUtf8(unicode, utf8)) {
        url = Utf8Url(WithoutControlChars(utf8));
        return true;
    }
    if (!firstWhole)
        return false;
    url = AnsiToUtf8(first);
    return true;
}
