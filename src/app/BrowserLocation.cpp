#include "app/BrowserLocation.h"

#include <windows.h>

#include <cstring>


namespace {

// The default value of a key. A value that does not fit is not read; an
// empty one names nothing, though RegQueryValue reports a missing default
// value as an empty string.
bool ReadDefaultValue(HKEY root, const char *name, char (&value)[NETSCAPE_PATH_SIZE])
{
    HKEY key;
    if (::RegOpenKeyExA(root, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    LONG size = sizeof value;
    const bool read = ::RegQueryValueA(key, nullptr, value, &size) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    value[sizeof value - 1] = '\0';
    return read && value[0] != '\0';
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
    char name[NETSCAPE_PATH_SIZE];
    if (!ReadDefaultValue(HKEY_CLASSES_ROOT, ".htm", name))
        return -1;
    if (std::strcmp(name, "htmlfile") == 0)
        return 1;
    if (std::strcmp(name, "NetscapeMarkup") == 0)
        return 0;
    return -1;
}
