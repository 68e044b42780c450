// The URL registration page's import command ("IEのお気に入り",
// "NNのブックマーク"): what the bookmark picker handed back goes into the
// page's list of entry rows, keeping the list's rules: entries first, in
// order, at most eight; then the placeholder row, present exactly when
// there are fewer than eight entries.
#pragma once

#include "bookmarks/BookmarkPick.h"

#include <string>

// The page's list as the import sees it.
class IUrlRows {
public:
    virtual ~IUrlRows() = default;
    virtual int GetRowCount() const = 0;
    // The row's item data: its BrowserKind, or -1 for the placeholder row.
    virtual int GetRowKind(int row) const = 0;
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;
    // An entry row: the kind's tag in column 0, the kind as item data, the
    // URL in column 1.
    virtual void InsertEntryRow(int row, int kind, const std::string &url) = 0;
    virtual void AppendPlaceholderRow() = 0;
};

// Add (pick.bAppend 1): the URLs follow the entries while there is room,
// the rest are dropped; a full list takes nothing. Replace: the URLs, at
// most eight, take the entries' place. Every new entry gets pick.kind. An
// empty pick changes nothing.
void ImportBookmarks(IUrlRows &rows, const BookmarkPick &pick);
