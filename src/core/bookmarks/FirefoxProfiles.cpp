#include "core/bookmarks/FirefoxProfiles.h"

#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

namespace {

std::string Trimmed(const std::string &text, size_t begin, size_t end)
{
    while (begin < end && IsSpaceChar(text[begin]))
        ++begin;
    while (end > begin && IsSpaceChar(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool Usable(const FirefoxProfile &profile)
{
    return !profile.name.empty() && profile.name.find('"') == std::string::npos && ValidUtf8(profile.name) == profile.name;
}

} // namespace

std::vector<FirefoxProfile> ParseFirefoxProfiles(const std::string &text)
{
    std::vector<FirefoxProfile> profiles;
    bool inProfile = false;
    FirefoxProfile current;
    const auto finish = [&] {
        if (inProfile && Usable(current) && profiles.size() < MAX_FIREFOX_PROFILES)
            profiles.push_back(current);
        current = FirefoxProfile();
    };
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = Trimmed(text, at, end);
        at = end + 1;
        if (!line.empty() && line[0] == '[') {
            finish();
            inProfile = StartsWithNoCase(line.c_str(), "[Profile");
            continue;
        }
        const size_t equals = line.find('=');
        if (!inProfile || equals == std::string::npos)
            continue;
        const std::string key = Trimmed(line, 0, equals), value = Trimmed(line, equals + 1, line.size());
        if (EqualsNoCase(key, "Name"))
            current.name = value;
        else if (EqualsNoCase(key, "Path"))
            current.path = value;
        else if (EqualsNoCase(key, "IsRelative"))
            current.relative = value == "1";
        else if (EqualsNoCase(key, "Default"))
            current.isDefault = value == "1";
    }
    finish();
    return profiles;
}
