#include "links/Registry.h"

long ReadRegistryBytes(HKEY root, const char *key, const char *name, void *buffer, DWORD size, REGSAM view)
{
    HKEY hKey;
    if (::RegOpenKeyExA(root, key, 0, KEY_READ | view, &hKey) != ERROR_SUCCESS)
        return -1;
    DWORD bytes = size;
    const LONG result = ::RegQueryValueExA(hKey, name, nullptr, nullptr, static_cast<BYTE *>(buffer), &bytes);
    ::RegCloseKey(hKey);
    return result == ERROR_SUCCESS && bytes <= size ? static_cast<long>(bytes) : -1;
}

bool ReadRegistryString(HKEY root, const char *key, const char *name, char *value, DWORD size, DWORD *length, REGSAM view)
{
    if (size == 0)
        return false;
    const long bytes = ReadRegistryBytes(root, key, name, value, size, view);
    if (bytes < 0)
        return false;
    if (static_cast<DWORD>(bytes) == size) {
        if (value[size - 1] != '\0')
            return false;    // no room for the terminator
    } else {
        value[bytes] = '\0';
    }
    if (length)
        *length = static_cast<DWORD>(bytes);
    return true;
}

std::vector<std::string> RegistrySubkeys(HKEY root, const char *key, REGSAM view)
{
    std::vector<std::string> names;
    HKEY hKey;
    if (::RegOpenKeyExA(root, key, 0, KEY_READ | view, &hKey) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        const LONG result = ::RegEnumKeyExA(hKey, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS)
            names.emplace_back(name, length);
    }
    ::RegCloseKey(hKey);
    return names;
}
