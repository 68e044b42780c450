#include "core/links/StartupLinkPath.h"

#include "core/text/Utf8Text.h"

#include <cstring>
#include <string>

int MakeStartupLinkPath(const char *folder, const char *programPath, char *out, size_t size)
{
    if (size == 0)
        return 0;
    out[0] = '\0';
    const char *slash = FindLastBackslash(programPath);
    if (!slash)
        return 0;
    const char *name = slash + 1;
    const char *end = name;
    while (*end && *end != '.')
        end = NextChar(end);
    const std::string path = std::string(folder) + '\\' + std::string(name, end) + ".lnk";
    if (path.size() >= size)
        return 0;
    std::memcpy(out, path.c_str(), path.size() + 1);
    return 1;
}
