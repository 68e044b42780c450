#include "core/app/BrowserProfiles.h"

#include "core/app/BrowserCommand.h"
#include "core/bookmarks/ByteStream.h"
#include "core/bookmarks/ChromiumJson.h"
#include "core/bookmarks/ChromiumProfiles.h"
#include "core/bookmarks/FirefoxProfiles.h"
#include "core/text/Utf8Text.h"

namespace {

const char FIREFOX_PROFILES[] = "Mozilla\\Firefox\\profiles.ini";

// The browser's profiles: directory and name.
std::vector<NamedProfile> ProfilesOf(const ListedBrowser &browser, const UserFolders &folders)
{
    const int chromium = ChromiumBrowserOf(browser.program);
    if (chromium < CHROMIUM_BROWSERS)
        return LocalStateProfiles(ChromiumLocalState(folders.local, chromium));
    std::vector<NamedProfile> profiles;
    CFileStream file;
    std::string text;
    if (FamilyOfProgram(browser.program) != FAMILY_FIREFOX || !file.Open(JoinPath(folders.roaming, FIREFOX_PROFILES).c_str()) ||
        !ReadWholeFile(file, text))
        return profiles;
    for (const FirefoxProfile &profile : ParseFirefoxProfiles(text))
        profiles.push_back({profile.name, profile.name});
    return profiles;
}

} // namespace

std::vector<ListedBrowser> BrowserProfiles(const ListedBrowser &browser, const UserFolders &folders)
{
    std::vector<ListedBrowser> found;
    for (const NamedProfile &profile : ProfilesOf(browser, folders)) {
        ListedBrowser one = browser;
        one.name += " - " + profile.name;
        one.profile = profile.dir;
        found.push_back(one);
    }
    return found;
}

bool ProfileExists(const ListedBrowser &browser, const UserFolders &folders)
{
    if (browser.profile.empty())
        return true;
    for (const NamedProfile &profile : ProfilesOf(browser, folders))
        if (profile.dir == browser.profile)
            return true;
    return false;
}
