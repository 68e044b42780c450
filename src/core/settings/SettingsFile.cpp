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

bool WriteIniString(const char *section, const char *key, const char *value)
{
    if (!value)
        return ProfileWriteString(section, key, nullptr, SettingsFile());
    // No byte of a UTF-8 character of several bytes is below 0x80, so
    // dropping control characters here never splits one.
    return ProfileWriteString(section, key, WithoutControlChars(value).c_str(), SettingsFile());
}

bool WriteIniInt(const char *section, const char *key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return WriteIniString(section, key, text);
}

bool WriteMainString(const char *key, const char *value) { return WriteIniString(INI_MAIN, key, value); }

bool WriteMainInt(const char *key, int value) { return WriteIniInt(INI_MAIN, key, value); }

// Every reader drops a value's blanks at its end, so they are left out: a
// group saved as it was read keeps its lines byte for byte.
bool WriteIniSection(const char *section, std::vector<ProfileEntry> entries)
{
    for (ProfileEntry &entry : entries) {
        entry.value = WithoutControlChars(entry.value);
        while (!entry.value.empty() && IsBlankChar(entry.value.back()))
            entry.value.pop_back();
    }
    return ProfileWriteSection(section, entries, SettingsFile());
}

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
