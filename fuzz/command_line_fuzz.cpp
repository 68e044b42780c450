// Any bytes as the program's arguments, as its whole command line, and as
// the program path the Startup shortcut is named after.
#include "core/app/CommandLine.h"
#include "core/links/StartupLinkPath.h"
#include "core/text/AnsiText.h"

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string args(reinterpret_cast<const char *>(data), size);
    char token[1024];
    const size_t n = ReadFirstToken(args.c_str(), token, sizeof token);
    if (n >= sizeof token || std::strlen(token) != n)
        std::abort();
    IsStartArgument(args.c_str());

    char path[1024];
    const size_t length = ParseSelfPath(args.c_str(), path, sizeof path);
    if (length >= sizeof path || std::strlen(path) != length)
        std::abort();

    const char *slash = FindLastBackslash(path);
    if (slash && (slash < path || slash >= path + length || *slash != '\\'))
        std::abort();
    char link[260];
    if (MakeStartupLinkPath("C:\\Startup", path, link, sizeof link) != (link[0] != '\0') || std::strlen(link) >= sizeof link)
        std::abort();
    if (WholeCharsPrefix(path, length / 2) > length / 2)
        std::abort();
    return 0;
}
