// Any bytes as a ".URL" file read in text mode, and as a file name. The URL
// found must be the one a plain reading of the whole buffer finds: the
// UTF-7 value of the first "URL=" line of an "[InternetShortcut.W]"
// section, decoded, when there is one that is UTF-7 and not longer than the
// longest line read; else the value of the first line starting "URL=",
// decoded from the code page, none when that line is longer. The URL is
// UTF-8 and never holds a control character. The
// first byte also sets a short longest line, so that lines past it are met
// in small inputs too.
#include "FuzzCheck.h"
#include "core/bookmarks/ShortcutFile.h"

#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool IsUrlLine(const std::string &line) { return line.size() > 4 && StartsWithNoCase(line.c_str(), "URL="); }

std::string WithoutControls(const std::string &text)
{
    std::string kept;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            kept += c;
    return kept;
}

// The lines split at '\n' all at once; each line up to a NUL, as a C string
// reads it.
bool ExpectedUrl(const std::string &bytes, size_t maxLine, std::string &url)
{
    bool first = false, firstWhole = false, inUnicode = false, unicode = false;
    std::string firstUrl, unicodeUrl;
    for (size_t start = 0; start < bytes.size();) {
        const size_t newline = bytes.find('\n', start);
        const size_t end = newline == std::string::npos ? bytes.size() : newline;
        const std::string body = bytes.substr(start, end - start);
        const std::string kept = body.substr(0, maxLine) + (newline == std::string::npos ? "" : "\n");
        const std::string line(kept.c_str());
        const bool whole = body.size() <= maxLine;
        start = end + 1;
        if (!line.empty() && line[0] == '[') {
            std::string header = WithoutControls(line);
            while (!header.empty() && (header.back() == ' ' || header.back() == '\t'))
                header.pop_back();
            inUnicode = whole && EqualsNoCase(header, "[InternetShortcut.W]");
            continue;
        }
        if (!IsUrlLine(line))
            continue;
        if (!first) {
            first = true;
            firstWhole = whole;
            firstUrl = WithoutControls(line.substr(4));
        }
        if (inUnicode && !unicode && whole) {
            unicode = true;
            unicodeUrl = WithoutControls(line.substr(4));
        }
    }
    std::string utf8;
    if (unicode && Utf7ToUtf8(unicodeUrl, utf8)) {
        url = Utf8Url(WithoutControls(utf8));
        return true;
    }
    url = AnsiToUtf8(firstUrl);
    return first && firstWhole;
}

void CheckRead(const std::string &bytes, size_t maxLine, bool useDefault)
{
    std::FILE *file = fmemopen(const_cast<char *>(bytes.data()), bytes.size(), "r");
    if (!file)
        return;
    std::string url = "unchanged", expected;
    const bool found = useDefault ? ReadShortcutUrl(file, url) : ReadShortcutUrl(file, url, maxLine);
    std::fclose(file);
    Check(found == ExpectedUrl(bytes, maxLine, expected));
    Check(found ? url == expected && std::none_of(url.begin(), url.end(), IsControlChar) && ValidUtf8(url) == url
                : url == "unchanged");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::string name;
    if (ShortcutName(bytes.c_str(), name))
        Check(name.size() + 4 == std::strlen(bytes.c_str()));

    if (size < 2)
        return 0;
    CheckRead(bytes, SHORTCUT_LINE_MAX, true);
    CheckRead(bytes.substr(1), data[0] % 64, false);
    return 0;
}
