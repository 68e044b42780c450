// The URL registration page's import command ("IEのお気に入り",
// "NNのブックマーク"): what the bookmark picker handed back goes into the
// page's list of entry rows, under the list's own rules (at most eight
// entries, the placeholder row exactly while there is room).
#pragma once

#include "core/bookmarks/BookmarkPick.h"
#include "core/dialogs/UrlRows.h"

// Add (pick.bAppend 1): the URLs follow the entries while there is room,
// the rest are dropped; a full list takes nothing. Replace: the URLs, at
// most eight, take the entries' place. Every new entry gets pick.kind; a
// URL an entry cannot keep whole is left out. An empty pick, or a list with
// no group shown, changes nothing.
void ImportBookmarks(CUrlRows &rows, const BookmarkPick &pick);
