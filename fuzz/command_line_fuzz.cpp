// Any bytes as the program's arguments, as its whole command line, as the
// program path the Startup shortcut is named after, and as the message a
// second start hands to the running launcher.
#include "core/app/CommandLine.h"
#include "core/app/StartMessage.h"
#include "core/settings/GroupList.h"
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
    const StartArguments start = ParseStartArguments(args.c_str());
    if (start.group.size() > MAX_GROUP_NAME_CHARS + 1 || (!start.bStart && !start.group.empty()) ||
        start.group.find('\0') != std::string::npos)
        std::abort();

    std::string handed;
    const bool ours = UnpackStartMessage(data, size, handed);
    if (ours ? handed.size() + 8 != size || handed.size() > START_MESSAGE_MAX_ARGS : !handed.empty())
        std::abort();
    const std::string message = PackStartMessage(args.c_str());
    const std::string sent = args.substr(0, args.find('\0')).substr(0, START_MESSAGE_MAX_ARGS);
    if (!UnpackStartMessage(message.data(), message.size(), handed) || handed != sent)
        std::abort();

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
