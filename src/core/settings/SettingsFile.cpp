#include "core/settings/SettingsFile.h"

#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <cstdio>

namespace {

std::string &SettingsPath()
{
    static std::string path = INI_FILE_NAME;
    return path;
}

} // namespace

const char *SettingsFile() { return SettingsPath().c_str(); }

void SetSettingsFile(const std::string &path) { SettingsPath() = path; }

int WriteIniString(const char *section, const char *key, const char *value)
{
    if (!value)
        return ProfileWriteString(section, key, nullptr, SettingsFile());
    // No byte of a UTF-8 character of several bytes is below 0x80, so
    // dropping control characters here never splits one.
    return ProfileWriteString(section, key, WithoutControlChars(value).c_str(), SettingsFile());
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
    return static_cast<int>(ProfileReadInt(INI_MAIN, key, defaultValue, SettingsFile()));
}

std::string ReadIniString(const char *section, const char *key, size_t maxChars)
{
    char buffer[VALUE_TEXT_SIZE];
    std::string value(buffer, ProfileReadString(section, key, "", buffer, sizeof buffer, SettingsFile()));
    value.resize(StoredPrefix(value, maxChars));
    return value;
}
