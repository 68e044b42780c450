// The profiles of today's browsers, as the browsers page offers them and a
// start checks them: a Chromium-family browser's from its "Local State"
// below the local application data, Firefox's from its "profiles.ini"
// below the roaming one.
#pragma once

#include "core/settings/BrowserList.h"

#include <string>
#include <vector>

// The user's application data folders (paths in UTF-8).
struct UserFolders {
    std::string local;      // %LOCALAPPDATA%
    std::string roaming;    // %APPDATA%
};

// The browser found installed once for each of its profiles: named
// "<browser> - <profile>", with the profile (a Chromium directory's name,
// a Firefox profile's name) to open its pages in.
std::vector<ListedBrowser> BrowserProfiles(const ListedBrowser &browser, const UserFolders &folders);

// Whether the listed browser's profile still exists; true when it names
// none. Pages for a profile deleted since open in the browser's own.
bool ProfileExists(const ListedBrowser &browser, const UserFolders &folders);
