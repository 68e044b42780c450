#include "links/BrowserLocation.h"

#include "links/DefaultBrowser.h"
#include "links/Registry.h"

#include <cstring>

namespace {

// The default value of a key. A value that does not fit is not read; an
// empty one names nothing.
bool ReadDefaultValue(HKEY root, const char *name, char (&value)[NETSCAPE_PATH_SIZE])
{
    return ReadRegistryString(root, name, nullptr, value, sizeof value) && value[0] != '\0';
}

} // namespace

int LocateNetscape(char *out)
{
    char path[NETSCAPE_PATH_SIZE];
    // The local server of Netscape Navigator's COM class is its executable.
    if (!ReadDefaultValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Netscape.exe", path) &&
        !ReadDefaultValue(HKEY_CLASSES_ROOT, "CLSID\\{EF5F7050-385A-11CE-8193-0020AF18F905}\\LocalServer32", path))
        return -1;
    if (out)
        std::strcpy(out, path);
    return 0;
}

int GetDefaultBrowserKind()
{
    const std::string choice = UserHttpChoice();
    if (!choice.empty())
        return KindOfHttpChoice(choice.c_str());
    char name[NETSCAPE_PATH_SIZE];
    return ReadDefaultValue(HKEY_CLASSES_ROOT, ".htm", name) ? KindOfHtmlClass(name) : -1;
}
