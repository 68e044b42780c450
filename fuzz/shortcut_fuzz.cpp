// Any bytes as a ".URL" file read in text mode, and as a file name. The URL
// found must be the one a plain reading of the whole buffer finds: the
// value of the first line starting "URL=", none when that line is longer
// than the longest line read. The first byte also sets a short longest line,
// so that lines past it are met in small inputs too.
#include "core/bookmarks/ShortcutFile.h"

#include "core/text/Ascii.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// The lines split at '\n' all at once; each line up to a NUL, as a C string
// reads it.
bool ExpectedUrl(const std::string &bytes, size_t maxLine, std::string &url)
{
    for (size_t start = 0; start < bytes.size();) {
        const size_t newline = bytes.find('\n', start);
        const size_t end = newline == std::string::npos ? bytes.size() : newline;
        const std::string body = bytes.substr(start, end - start);
        const std::string kept = body.substr(0, maxLine) + (newline == std::string::npos ? "" : "\n");
        const std::string line(kept.c_str());
        if (line.size() > 4 && StartsWithNoCase(line.c_str(), "URL=")) {
            if (body.size() > maxLine)
                return false;
            url.clear();
            for (const char c : line.substr(4))
                if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
                    url += c;
            return true;
        }
        start = end + 1;
    }
    return false;
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
    Check(found ? url == expected && url.size() + 4 <= maxLine : url == "unchanged");
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
