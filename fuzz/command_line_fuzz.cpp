// Any bytes as the program's arguments, as its whole command line, as the
// program path the Startup shortcut is named after, as the message a
// second start hands to the running launcher, and as the association's
// command for "http" filled in with an entry's text. The token and the path are
// worked out a second way, with std::string, and must agree; the shortcut
// is named after the path's file name; a packed message unpacks to what was
// packed, its bytes that are not UTF-8 as U+FFFD, and any message of ours
// to UTF-8.
#include "FuzzCheck.h"
#include "core/app/AssocCommand.h"
#include "core/app/BrowserCommand.h"
#include "core/app/CommandLine.h"
#include "core/app/StartMessage.h"
#include "core/settings/GroupList.h"
#include "core/links/StartupLinkPath.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"
#include "core/text/Utf8Text.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char *const SPACES = " \t\r\n\v\f";
const std::string FOLDER = "C:\\Startup";

// The first run of bytes that are not white space, cut to max bytes.
std::string FirstToken(const std::string &text, size_t max)
{
    const size_t begin = text.find_first_not_of(SPACES);
    if (begin == std::string::npos)
        return std::string();
    return text.substr(begin, std::min(text.find_first_of(SPACES, begin) - begin, max));
}

// Up to the closing double quote when the line starts with one; else the
// first token with a double quote at either end taken off.
std::string SelfPath(const std::string &line)
{
    if (!line.empty() && line[0] == '"')
        return line.substr(1, line.find('"', 1) - 1);
    std::string path = FirstToken(line, std::string::npos);
    if (!path.empty() && path[0] == '"') {
        path.erase(0, 1);
        if (!path.empty() && path.back() == '"')
            path.pop_back();
    }
    return path;
}

bool IsCharStart(const char *text, const char *p)
{
    const char *q = text;
    while (q < p && *q)
        q = NextChar(q);
    return q == p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::string args = bytes.c_str();
    char token[1024];
    const size_t n = ReadFirstToken(args.c_str(), token, sizeof token);
    const std::string whole = FirstToken(args, std::string::npos);
    const std::string first = whole.substr(0, WholeCharsLength(whole, sizeof token - 1));
    Check(token == first && n == first.size());
    const StartArguments start = ParseStartArguments(args.c_str());
    Check((start.bStart != 0) == EqualsNoCase(first, "-start"));
    // No longer than a name read back, and one character more.
    const size_t name = StoredPrefix(start.group, MAX_GROUP_NAME_CHARS);
    Check((name == start.group.size() || name + std::max<size_t>(Utf8CharLength(start.group, name), 1) == start.group.size()) &&
          (start.bStart || start.group.empty()) && start.group.find('\0') == std::string::npos);

    std::string handed;
    const bool ours = UnpackStartMessage(data, size, handed);
    Check(ours ? size - 8 <= START_MESSAGE_MAX_ARGS && ValidUtf8(handed) == handed : handed.empty());
    const std::string message = PackStartMessage(args.c_str());
    Check(UnpackStartMessage(message.data(), message.size(), handed) &&
          handed == ValidUtf8(args.substr(0, WholeCharsPrefix(args.c_str(), START_MESSAGE_MAX_ARGS))));

    char path[1024];
    const size_t length = ParseSelfPath(args.c_str(), path, sizeof path);
    const std::string expected = SelfPath(args);
    Check(expected.size() < sizeof path ? path == expected && length == expected.size() : length == 0 && !path[0]);

    // The file name: after the last backslash that is a character of its own.
    const char *slash = nullptr;
    for (const char *p = path; (p = std::strchr(p, '\\')) != nullptr; ++p)
        if (IsCharStart(path, p))
            slash = p;
    Check(FindLastBackslash(path) == slash);

    // The link: the folder, the file name up to its first dot, ".lnk".
    char link[260];
    const int made = MakeStartupLinkPath(FOLDER.c_str(), path, link, sizeof link);
    Check(made == (link[0] != '\0'));
    if (made) {
        const std::string text = link;
        Check(slash && text.size() >= FOLDER.size() + 5 && text.compare(0, FOLDER.size() + 1, FOLDER + "\\") == 0 &&
              text.compare(text.size() - 4, 4, ".lnk") == 0);
        const std::string stem = text.substr(FOLDER.size() + 1, text.size() - FOLDER.size() - 5);
        Check(std::strncmp(slash + 1, stem.c_str(), stem.size()) == 0);
        const char *after = slash + 1 + stem.size();
        Check((*after == '\0' || *after == '.') && IsCharStart(path, after));
    } else {
        Check(!slash || FOLDER.size() + 1 + std::strlen(slash + 1) + 4 >= sizeof link);
    }

    // The longest start that ends between two characters.
    const size_t max = length / 2;
    const size_t prefix = WholeCharsPrefix(path, max);
    Check(prefix <= max && IsCharStart(path, path + prefix) &&
          (!path[prefix] || static_cast<size_t>(NextChar(path + prefix) - path) > max));

    // The command up to the first NUL, the entry's text after it.
    const std::string text = size > args.size() ? bytes.substr(args.size() + 1) : std::string("u");
    const AssocLaunch launch = AssocCommandLine(args, text);
    const std::string program = "\"" + launch.program + "\"";
    Check(launch.program.find('"') == std::string::npos);
    Check(launch.program.empty() ? launch.line.empty()
                                 : launch.line.compare(0, program.size(), program) == 0 &&
                                       (text.empty() ? launch.line == program : launch.line.find(EscapeQuotes(text)) != std::string::npos));
    return 0;
}
