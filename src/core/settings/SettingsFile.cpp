#include "core/settings/SettingsFile.h"

#include "core/text/Ascii.h"

#include <cstdio>
#include <string>

int WriteIniString(const char *section, const char *key, const char *value)
{
    if (!value)
        return WritePrivateProfileStringA(section, key, nullptr, INI_FILE);
    // Lead and trail bytes of double-byte characters are never below 0x40,
    // so dropping single bytes here never splits a character.
    return WritePrivateProfileStringA(section, key, WithoutControlChars(value).c_str(), INI_FILE);
}

int WriteIniInt(const char *section, const char *key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WriteIniString(section, key, text);
}

int WriteMainString(const char *key, const char *value) { return WriteIniString(INI_MAIN, key, value); }

int WriteMainInt(const char *key, int value) { return WriteIniInt(INI_MAIN, key, value); }

int ReadMainInt(const char *key, int defaultValue)
{
    return static_cast<int>(GetPrivateProfileIntA(INI_MAIN, key, defaultValue, INI_FILE));
}

int ReadIniString(const char *section, const char *key, char *buffer, int size)
{
    if (size <= 0)
        return 0;
    return static_cast<int>(GetPrivateProfileStringA(section, key, "", buffer, static_cast<DWORD>(size), INI_FILE));
}
