// The URL registration page's list and its rules, apart from the window. The
// list shows one row per entry of the shown group, in entry order, then the
// placeholder row "新規" while the group has room for another entry; while
// no group is shown it has no row at all.
#pragma once

#include "core/settings/EntryUrl.h"
#include "core/settings/GroupList.h"

#include <string>
#include <vector>

#define ROW_PLACEHOLDER (-1)

struct UrlRow {
    int kind;    // BrowserKind, or ROW_PLACEHOLDER
    std::string url;
};

// Puts "http://" in front of text that has no "://", or only from byte 7 on.
std::string AddHttpPrefix(const std::string &text);

enum EntryUrlResult { ENTRY_URL_OK, ENTRY_URL_EMPTY, ENTRY_URL_TOO_LONG };

// The URL a typed text is registered with, in url: with the "http://" rule
// when prefix is set, blanks escaped. Refused when empty, or when the result
// would not fit in an entry, so that nothing is cut on Save.
EntryUrlResult MakeEntryUrl(const std::string &typed, bool prefix, std::string &url);

class CUrlRows {
public:
    const std::vector<UrlRow> &Rows() const { return m_rows; }
    bool IsEntry(int row) const;

    // The entries of table (a count of -1 gives none), then the placeholder.
    void Fill(const UrlTable &table);
    // No group shown.
    void RemoveAll() { m_rows.clear(); }
    // Only the placeholder, unless no group is shown.
    void Clear();
    // Fill again, unless no group is shown.
    void Restore(const UrlTable &table);
    // Updates the entry at editRow, or adds one before the placeholder when
    // editRow names no entry. False when neither can be done.
    bool Register(int editRow, int kind, const std::string &url);
    // Deletes the entry at editRow; false when it names none.
    bool Delete(int editRow);
    // Copies the entries into table (not its count), each URL cut to fit on
    // a character boundary, and returns how many.
    int CopyTo(UrlTable &table) const;

private:
    bool HasPlaceholder() const { return !m_rows.empty() && m_rows.back().kind == ROW_PLACEHOLDER; }

    std::vector<UrlRow> m_rows;
};
