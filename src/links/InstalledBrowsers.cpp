#include "links/InstalledBrowsers.h"

#include "core/app/CommandLine.h"
#include "core/text/Utf8Text.h"
#include "core/text/Ascii.h"
#include "links/KnownFolder.h"
#include "links/Registry.h"

#include <cstdio>
#include <string>

namespace {

const char CLIENTS_KEY[] = "SOFTWARE\\Clients\\StartMenuInternet";

bool IsOldBrowser(const std::string &program)
{
    const char *file = FileNameOf(program.c_str());
    return EqualsNoCase(file, "iexplore.exe") || EqualsNoCase(file, "netscape.exe");
}

bool Listed(const std::vector<ListedBrowser> &found, const std::string &program)
{
    for (const ListedBrowser &b : found)
        if (EqualsNoCase(b.program.c_str(), program.c_str()))
            return true;
    return false;
}

void AddBrowsers(HKEY root, REGSAM view, std::vector<ListedBrowser> &found)
{
    for (const std::string &key : RegistrySubkeys(root, CLIENTS_KEY, view)) {
        const std::string path = std::string(CLIENTS_KEY) + "\\" + key;
        char name[REG_VALUE_SIZE], command[REG_VALUE_SIZE], program[REG_VALUE_SIZE];
        if (!ReadRegistryString(root, path.c_str(), nullptr, name, sizeof name, nullptr, view) || !name[0])
            std::snprintf(name, sizeof name, "%s", key.c_str());
        // The command is the program, quoted when its path has blanks,
        // perhaps with arguments of its own.
        if (!ReadRegistryString(root, (path + "\\shell\\open\\command").c_str(), nullptr, command, sizeof command, nullptr,
                                view) ||
            ParseSelfPath(command, program, sizeof program) == 0)
            continue;
        if (IsOldBrowser(program) || Listed(found, program))
            continue;
        ListedBrowser browser;
        browser.name = name;
        browser.program = program;
        found.push_back(browser);
    }
}

} // namespace

std::vector<ListedBrowser> FindInstalledBrowsers()
{
    std::vector<ListedBrowser> found;
    AddBrowsers(HKEY_CURRENT_USER, 0, found);
    // Both views of the machine's key, whichever build reads them.
    AddBrowsers(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, found);
    AddBrowsers(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY, found);
    // Each browser followed by its profiles.
    const UserFolders folders = ApplicationDataFolders();
    std::vector<ListedBrowser> withProfiles;
    for (const ListedBrowser &browser : found) {
        withProfiles.push_back(browser);
        for (const ListedBrowser &profile : BrowserProfiles(browser, folders))
            withProfiles.push_back(profile);
    }
    return withProfiles;
}
