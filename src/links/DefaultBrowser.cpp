#include "links/DefaultBrowser.h"

#include "core/app/BrowserCommand.h"
#include "links/BrowserStart.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <cstring>
#include <string>

namespace {

// ASSOCF_IS_PROTOCOL, from Windows 8 on: "http" names the protocol and its
// user choice, not a class of that name. Older systems only have the class.
const ASSOCF ASSOC_PROTOCOL = static_cast<ASSOCF>(0x1000);

bool HttpHandlerProgram(std::string &program)
{
    char path[MAX_PATH];
    for (const ASSOCF flags : {ASSOC_PROTOCOL, static_cast<ASSOCF>(ASSOCF_NONE)}) {
        DWORD size = MAX_PATH;
        if (SUCCEEDED(::AssocQueryStringA(flags, ASSOCSTR_EXECUTABLE, "http", "open", path, &size)) && path[0]) {
            program = path;
            return true;
        }
    }
    return false;
}

// The handler's own program, for what no association opens: the home page,
// and "about:blank".
int StartHttpHandler(const char *argument)
{
    std::string program;
    if (!HttpHandlerProgram(program))
        return -1;
    std::string line = "\"" + program + "\"";
    if (*argument)
        line += std::string(" ") + argument;
    return StartProgram(program.c_str(), line.c_str());
}

} // namespace

int OpenInDefaultBrowser(const char *url)
{
    if (!*url || std::strcmp(url, "about:blank") == 0)
        return StartHttpHandler(url);
    // The association quotes its argument "%1".
    const std::string target = EscapeQuotes(url);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // Failures stay silent, as for every browser the launch cannot reach.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExA(&info) ? 0 : -1;
}
