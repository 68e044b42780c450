#include "core/app/AssocCommand.h"

#include "core/app/BrowserCommand.h"
#include "core/text/Ascii.h"

namespace {

// The program and where its arguments begin: a quoted path up to its
// closing quote; else up to the end of a name ending in ".exe" followed by a
// blank (a path with blanks that nobody quoted), else the first blank.
std::string::size_type SplitProgram(const std::string &command, std::string &program)
{
    std::string::size_type begin = 0;
    while (begin < command.size() && IsBlankChar(command[begin]))
        ++begin;
    if (begin < command.size() && command[begin] == '"') {
        const std::string::size_type close = command.find('"', begin + 1);
        const std::string::size_type end = close == std::string::npos ? command.size() : close;
        program = command.substr(begin + 1, end - begin - 1);
        return close == std::string::npos ? end : close + 1;
    }
    std::string::size_type end = command.find_first_of(" \t", begin);
    for (std::string::size_type dot = begin; (dot = command.find('.', dot)) != std::string::npos; ++dot) {
        const std::string::size_type after = dot + 4;
        if (after <= command.size() && (after == command.size() || IsBlankChar(command[after])) &&
            StartsWithNoCase(command.c_str() + dot, ".exe")) {
            end = after;
            break;
        }
    }
    if (end == std::string::npos)
        end = command.size();
    program = command.substr(begin, end - begin);
    return end;
}

} // namespace

AssocLaunch AssocCommandLine(const std::string &command, const std::string &text)
{
    AssocLaunch launch;
    const std::string::size_type args = SplitProgram(command, launch.program);
    // A quote inside a name nobody quoted: no program can be told apart.
    if (launch.program.find('"') != std::string::npos)
        launch.program.clear();
    if (launch.program.empty())
        return launch;
    launch.line = "\"" + launch.program + "\"";
    if (text.empty())
        return launch;
    const std::string url = EscapeQuotes(text);
    bool placed = false;
    for (std::string::size_type i = args; i < command.size(); ++i) {
        const char c = command[i];
        const char next = i + 1 < command.size() ? command[i + 1] : '\0';
        if (c != '%' || next == '\0') {
            launch.line += c;
            continue;
        }
        if (next == '1' || next == '0' || next == 'L' || next == 'l') {
            launch.line += url;
            placed = true;
        } else if (next == '%') {
            launch.line += '%';
        } else if (next != '*' && !(next >= '2' && next <= '9')) {
            launch.line += c;
            continue;
        }
        ++i;
    }
    if (!placed)
        launch.line += " \"" + url + "\"";
    return launch;
}
