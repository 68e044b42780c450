#include "bookmarks/Registry.h"

bool ReadRegistryString(HKEY root, const char *key, const char *name, char (&value)[REG_VALUE_SIZE], DWORD &length)
{
    HKEY hKey;
    if (::RegOpenKeyExA(root, key, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    length = REG_VALUE_SIZE - 1;
    const LONG result = ::RegQueryValueExA(hKey, name, nullptr, nullptr, reinterpret_cast<BYTE *>(value), &length);
    ::RegCloseKey(hKey);
    if (result != ERROR_SUCCESS)
        return false;
    value[length] = '\0';
    return true;
}
