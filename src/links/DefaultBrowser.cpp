#include "links/DefaultBrowser.h"

#include "core/app/AssocCommand.h"
#include "core/text/WideText.h"
#include "links/BrowserStart.h"
#include "links/Registry.h"

#include <shlwapi.h>

namespace {

const char HTTP_CHOICE[] = "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\";

// ASSOCF_IS_PROTOCOL, from Windows 8 on: "http" names the protocol and its
// user choice, not a class of that name. Older systems only have the class.
const ASSOCF ASSOC_PROTOCOL = static_cast<ASSOCF>(0x1000);

// A command of any length: a first try with room for any usual one, then
// one with the size a too small buffer was told.
bool AssocCommand(ASSOCF flags, const char *assoc, std::string &command)
{
    const std::wstring name = WideFromUtf8(assoc);
    DWORD size = 1024;
    for (int tries = 0; tries < 2; ++tries) {
        std::wstring wide(size, L'\0');
        DWORD needed = size;
        const HRESULT hr = ::AssocQueryStringW(flags | ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, name.c_str(), L"open", wide.data(), &needed);
        if (SUCCEEDED(hr)) {
            wide.resize(wide.find(L'\0'));
            command = Utf8FromWide(wide);
            return !command.empty();
        }
        if (hr != E_POINTER || needed <= size)
            return false;
        size = needed;
    }
    return false;
}

// The command of the class the user chose for "http"; where nobody chose,
// the protocol's own.
bool HttpCommand(std::string &command)
{
    const std::string choice = UserHttpChoice();
    if (!choice.empty())
        return AssocCommand(ASSOCF_NONE, choice.c_str(), command);
    return AssocCommand(ASSOC_PROTOCOL, "http", command) || AssocCommand(ASSOCF_NONE, "http", command);
}

} // namespace

std::string UserHttpChoice()
{
    char progId[REG_VALUE_SIZE];
    for (const char *key : {"UserChoiceLatest\\ProgId", "UserChoice"})
        if (ReadRegistryString(HKEY_CURRENT_USER, (std::string(HTTP_CHOICE) + key).c_str(), "ProgId", progId, sizeof progId) &&
            progId[0])
            return progId;
    return std::string();
}

int OpenInDefaultBrowser(const char *url)
{
    std::string command;
    if (!HttpCommand(command))
        return -1;
    const AssocLaunch launch = AssocCommandLine(command, url);
    // Failures stay silent, as for every browser the launch cannot reach.
    return launch.program.empty() ? -1 : StartProgram(launch.program.c_str(), launch.line.c_str());
}
