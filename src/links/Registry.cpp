#include "links/Registry.h"

#include "core/text/WideText.h"

#include <algorithm>

namespace {

// A key's value through the wide functions, names in UTF-8 (name null:
// the default value).
LONG QueryValue(HKEY root, const char *key, const char *name, void *buffer, DWORD &bytes, REGSAM view)
{
    HKEY hKey;
    if (::RegOpenKeyExW(root, WideFromUtf8(key).c_str(), 0, KEY_READ | view, &hKey) != ERROR_SUCCESS)
        return ERROR_FILE_NOT_FOUND;
    const LONG result = ::RegQueryValueExW(hKey, name ? WideFromUtf8(name).c_str() : nullptr, nullptr, nullptr,
                                           static_cast<BYTE *>(buffer), &bytes);
    ::RegCloseKey(hKey);
    return result;
}

} // namespace

long ReadRegistryBytes(HKEY root, const char *key, const char *name, void *buffer, DWORD size, REGSAM view)
{
    DWORD bytes = size;
    const LONG result = QueryValue(root, key, name, buffer, bytes, view);
    return result == ERROR_SUCCESS && bytes <= size ? static_cast<long>(bytes) : -1;
}

// The text is read as UTF-16, as the registry keeps it, and must fit in
// size bytes as UTF-8 with its terminator.
bool ReadRegistryString(HKEY root, const char *key, const char *name, char *value, DWORD size, DWORD *length, REGSAM view)
{
    if (size == 0)
        return false;
    std::wstring wide(size, L'\0');
    DWORD bytes = size * sizeof(wchar_t);
    if (QueryValue(root, key, name, wide.data(), bytes, view) != ERROR_SUCCESS)
        return false;
    wide.resize(bytes / sizeof(wchar_t));
    const std::string text = Utf8FromWide(wide);    // with the terminator the value was stored with
    const size_t end = std::min(text.find('\0'), text.size());
    if (end >= size)
        return false;    // no room for the terminator
    text.copy(value, end);
    value[end] = '\0';
    if (length)
        *length = static_cast<DWORD>(std::min(text.size(), end + 1));
    return true;
}

std::vector<std::string> RegistrySubkeys(HKEY root, const char *key, REGSAM view)
{
    std::vector<std::string> names;
    HKEY hKey;
    if (::RegOpenKeyExW(root, WideFromUtf8(key).c_str(), 0, KEY_READ | view, &hKey) != ERROR_SUCCESS)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = ARRAYSIZE(name);
        const LONG result = ::RegEnumKeyExW(hKey, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS)
            names.push_back(Utf8FromWide(std::wstring(name, length)));
    }
    ::RegCloseKey(hKey);
    return names;
}
