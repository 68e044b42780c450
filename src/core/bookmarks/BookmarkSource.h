// What the bookmark picker shows: Internet Explorer's Favorites, Netscape
// Navigator's bookmark file, a Chromium-family browser's profile or a
// bookmark file the user chose; and the kind the entries picked there take.
#pragma once

#include "core/bookmarks/ChromiumProfiles.h"
#include "core/settings/GroupList.h"
#include "core/text/Utf8Text.h"

#include <string>

enum SourceReader { READ_NAVIGATOR, READ_FAVORITES, READ_CHROMIUM, READ_FILE };

struct BookmarkSource {
    SourceReader reader = READ_NAVIGATOR;
    int kind = BK_NN;
    std::string path;     // the profile's directory; the file chosen
    std::string label;    // the profile as the page's menu shows it
};

inline BookmarkSource NavigatorSource() { return {READ_NAVIGATOR, BK_NN, {}, {}}; }
inline BookmarkSource FavoritesSource() { return {READ_FAVORITES, BK_IE, {}, {}}; }
// The entries take the browser's kind (ChromiumEntryKind).
inline BookmarkSource ChromiumSource(const ChromiumProfile &profile)
{
    return {READ_CHROMIUM, ChromiumEntryKind(profile.browser, FileNameOf(profile.dir.c_str())), profile.dir, profile.label};
}
// A file exported by any browser: its entries go to the default browser.
inline BookmarkSource FileSource(const std::string &path) { return {READ_FILE, BK_DEF, path, {}}; }
