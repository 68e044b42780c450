#include "core/bookmarks/ChromiumProfiles.h"

#include "core/bookmarks/ByteStream.h"
#include "core/bookmarks/ChromiumJson.h"
#include "core/bookmarks/Directory.h"
#include "core/settings/BrowserList.h"
#include "core/text/Utf8Text.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <algorithm>
#include <cstdlib>

namespace {

const struct {
    const char *name;
    const char *userData;    // below the local application data
    const char *program;
} BROWSERS[CHROMIUM_BROWSERS] = {
    {"Google Chrome", "Google\\Chrome\\User Data", "chrome.exe"},
    {"Microsoft Edge", "Microsoft\\Edge\\User Data", "msedge.exe"},
    {"Brave", "BraveSoftware\\Brave-Browser\\User Data", "brave.exe"},
    {"Vivaldi", "Vivaldi\\User Data", "vivaldi.exe"},
    {"Chromium", "Chromium\\User Data", "chromium.exe"},
};

// The order profiles are shown in: "Default" 0, "Profile <n>" n + 1, any
// other directory -1 (not a profile: "System Profile", "Guest Profile").
long ProfileRank(const std::string &dir)
{
    if (dir == "Default")
        return 0;
    const std::string prefix = "Profile ";
    if (dir.compare(0, prefix.size(), prefix) != 0 || dir.size() == prefix.size() || dir.size() > prefix.size() + 6)
        return -1;
    for (size_t i = prefix.size(); i < dir.size(); ++i)
        if (dir[i] < '0' || dir[i] > '9')
            return -1;
    return std::strtol(dir.c_str() + prefix.size(), nullptr, 10) + 1;
}

bool HoldsBookmarks(const std::string &dir)
{
    std::vector<DirectoryItem> items;
    ListDirectory(dir, items);
    return std::any_of(items.begin(), items.end(),
                       [](const DirectoryItem &item) { return !item.isDirectory && item.name == "Bookmarks"; });
}

std::string ReadLocalState(const std::string &userData)
{
    CFileStream file;
    std::string text;
    if (!file.Open(JoinPath(userData, "Local State").c_str()) || !ReadWholeFile(file, text))
        return std::string();
    return text;
}

// Whether a directory of path (its file name left aside) is named name.
bool HasDirectoryNamed(std::string path, const char *name)
{
    while (const char *slash = FindLastBackslash(path.c_str())) {
        path.resize(static_cast<size_t>(slash - path.c_str()));
        if (EqualsAsciiNoCase(FileNameOf(path.c_str()), name))
            return true;
    }
    return false;
}

} // namespace

const char *ChromiumBrowserName(int browser)
{
    return browser >= 0 && browser < CHROMIUM_BROWSERS ? BROWSERS[browser].name : "";
}

const char *ChromiumUserData(int browser)
{
    return browser >= 0 && browser < CHROMIUM_BROWSERS ? BROWSERS[browser].userData : "";
}

int ChromiumBrowserOf(const std::string &program)
{
    int browser = 0;
    while (browser < CHROMIUM_BROWSERS && !ProgramIsBrowser(program, browser))
        ++browser;
    return browser;
}

std::string ChromiumLocalState(const std::string &localAppData, int browser)
{
    return ReadLocalState(JoinPath(localAppData, ChromiumUserData(browser)));
}

std::vector<NamedProfile> LocalStateProfiles(const std::string &localState)
{
    const nlohmann::json doc = ParseJson(localState);
    const nlohmann::json *cache = Member(doc, "profile");
    cache = cache ? Member(*cache, "info_cache") : nullptr;
    std::vector<std::pair<long, NamedProfile>> ranked;
    if (cache && cache->is_object())
        for (const auto &[dir, profile] : cache->items())
            if (ProfileRank(dir) >= 0 && ValidUtf8(dir) == dir) {
                const std::string name = StringMember(profile, "name");
                ranked.push_back({ProfileRank(dir), {dir, name.empty() ? dir : ValidUtf8(name)}});
            }
    std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<NamedProfile> profiles;
    for (const auto &r : ranked)
        profiles.push_back(r.second);
    return profiles;
}

std::string ProfileName(const std::string &localState, const std::string &dir)
{
    const nlohmann::json doc = ParseJson(localState);
    const nlohmann::json *cache = Member(doc, "profile");
    cache = cache ? Member(*cache, "info_cache") : nullptr;
    const nlohmann::json *profile = cache ? Member(*cache, dir.c_str()) : nullptr;
    const std::string name = profile ? StringMember(*profile, "name") : std::string();
    return name.empty() ? dir : ValidUtf8(name);
}

std::vector<ChromiumProfile> FindChromiumProfiles(const std::string &localAppData)
{
    std::vector<ChromiumProfile> profiles;
    for (int browser = 0; browser < CHROMIUM_BROWSERS; ++browser) {
        const std::string userData = JoinPath(localAppData, BROWSERS[browser].userData);
        std::vector<DirectoryItem> items;
        if (!ListDirectory(userData, items))
            continue;
        std::vector<std::pair<long, std::string>> dirs;
        for (const DirectoryItem &item : items)
            if (item.isDirectory && ProfileRank(item.name) >= 0 && HoldsBookmarks(JoinPath(userData, item.name)))
                dirs.emplace_back(ProfileRank(item.name), item.name);
        if (dirs.empty())
            continue;
        std::sort(dirs.begin(), dirs.end());
        const std::string localState = ReadLocalState(userData);
        for (const auto &dir : dirs)
            profiles.push_back({browser, std::string(BROWSERS[browser].name) + " - " + ProfileName(localState, dir.second),
                                JoinPath(userData, dir.second)});
    }
    return profiles;
}

bool ProgramIsBrowser(const std::string &program, int browser)
{
    if (browser < 0 || browser >= CHROMIUM_BROWSERS)
        return false;
    const char *file = FileNameOf(program.c_str());
    // Chromium builds are named chrome.exe as often as not.
    if (EqualsNoCase(file, "chrome.exe") && (browser == CHROME || browser == CHROMIUM))
        return HasDirectoryNamed(program, "Chromium") == (browser == CHROMIUM);
    return EqualsNoCase(file, BROWSERS[browser].program);
}

int ChromiumEntryKind(int browser, const std::string &profileDir)
{
    // The best listed browser so far and its rank: that profile before
    // none, tabs before the forms of a wall display, ordinary windows
    // before private ones.
    int best = 0, bestRank = 8;
    ListedBrowser listed;
    for (int n = 1; n <= MAX_BROWSERS; ++n) {
        if (!ReadListedBrowser(n, listed) || !ProgramIsBrowser(listed.program, browser))
            continue;
        if (!listed.profile.empty() && listed.profile != profileDir)
            continue;
        const int rank = (listed.profile.empty() ? 4 : 0) + (listed.form != FORM_TAB ? 2 : 0) + (listed.bPrivate ? 1 : 0);
        if (rank < bestRank) {
            best = n;
            bestRank = rank;
        }
    }
    return best ? BK_LISTED + best - 1 : BK_DEF;
}
