#include "core/dialogs/BookmarkImport.h"
#include "core/settings/GroupList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The page's list as text: "NN url", "IE url", "DEF url", or "new" for the
// placeholder row.
std::vector<std::string> Shown(const CUrlRows &rows)
{
    std::vector<std::string> shown;
    for (const UrlRow &row : rows.Rows())
        shown.push_back(row.kind == ROW_PLACEHOLDER ? std::string("new")
                                                    : std::string(BrowserTag(row.kind)) + " " + row.url);
    return shown;
}

// A group of count entries "http://old1/".. of one kind, as the page loads it;
// -1: no group shown.
CUrlRows Loaded(int count, int kind = BK_DEF)
{
    UrlTable table;
    std::memset(&table, 0, sizeof table);
    table.count = count < 0 ? 0 : count;
    for (int i = 0; i < table.count; ++i) {
        table.kind[i] = kind;
        std::snprintf(table.text[i], URL_TEXT_SIZE, " http://old%d/", i + 1);
    }
    CUrlRows rows;
    rows.Fill(table);
    if (count < 0)
        rows.RemoveAll();
    return rows;
}

std::vector<std::string> Entries(int count, const char *tag = "DEF")
{
    return Shown(Loaded(count, std::strcmp(tag, "NN") == 0 ? BK_NN : std::strcmp(tag, "IE") == 0 ? BK_IE : BK_DEF));
}

std::vector<std::string> WithoutPlaceholder(std::vector<std::string> rows)
{
    if (!rows.empty() && rows.back() == "new")
        rows.pop_back();
    return rows;
}

std::vector<std::string> WithPlaceholder(std::vector<std::string> rows)
{
    rows.push_back("new");
    return rows;
}

std::vector<std::string> Urls(int count)
{
    std::vector<std::string> urls;
    for (int i = 1; i <= count; ++i)
        urls.push_back("http://new" + std::to_string(i) + "/");
    return urls;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a = WithoutPlaceholder(a);
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<std::string> Picked(int count, const char *tag)
{
    std::vector<std::string> rows;
    for (const std::string &url : Urls(count))
        rows.push_back(std::string(tag) + " " + url);
    return rows;
}

struct ImportCase {
    const char *what;
    int entries;    // -1: no group shown
    int bAppend;
    int kind;
    int picked;
    std::vector<std::string> after;
};

TEST(BookmarkImport, AddsOrReplacesKeepingTheListRules)
{
    const ImportCase cases[] = {
        {"add 5 to 6: the first 2 fit, no placeholder", 6, 1, BK_IE, 5, Join(Entries(6), Picked(2, "IE"))},
        {"replace 6 by 5: five and the placeholder", 6, 0, BK_IE, 5, WithPlaceholder(Picked(5, "IE"))},
        {"add to a full list: nothing", 8, 1, BK_NN, 3, Entries(8)},
        {"replace a full list", 8, 0, BK_NN, 3, WithPlaceholder(Picked(3, "NN"))},
        {"add 2 to 7: one fits", 7, 1, BK_NN, 2, Join(Entries(7), Picked(1, "NN"))},
        {"add 3 to none", 0, 1, BK_NN, 3, WithPlaceholder(Picked(3, "NN"))},
        {"add 8 to none: full, no placeholder", 0, 1, BK_IE, 8, Picked(8, "IE")},
        {"replace by 8: no placeholder", 2, 0, BK_IE, 8, Picked(8, "IE")},
        {"nothing picked leaves the list, also in replace mode", 3, 0, BK_IE, 0, Entries(3)},
        {"nothing picked, add mode", 3, 1, BK_IE, 0, Entries(3)},
        {"no group shown: nothing to add to", -1, 1, BK_IE, 3, {}},
        {"no group shown: nothing to replace", -1, 0, BK_NN, 3, {}},
    };
    for (const ImportCase &c : cases) {
        CUrlRows rows = Loaded(c.entries);
        BookmarkPick pick;
        pick.bAppend = c.bAppend;
        pick.kind = c.kind;
        pick.urls = Urls(c.picked);
        ImportBookmarks(rows, pick);
        EXPECT_EQ(c.after, Shown(rows)) << c.what;
    }
}

TEST(BookmarkImport, NewEntriesTakeThePickedKindWhateverTheListHolds)
{
    CUrlRows rows = Loaded(1, BK_NN);
    BookmarkPick pick;
    pick.kind = BK_IE;
    pick.urls = Urls(1);
    ImportBookmarks(rows, pick);
    EXPECT_EQ(WithPlaceholder(Join(Entries(1, "NN"), Picked(1, "IE"))), Shown(rows));
}

TEST(BookmarkImport, AUrlAnEntryCannotKeepWholeIsLeftOutAndTheRestKeepWhole)
{
    const std::string most = "http://x/" + std::string(MAX_URL_CHARS - 9, 'a');
    CUrlRows rows = Loaded(6);
    BookmarkPick pick;
    pick.kind = BK_IE;
    pick.urls = {most + "a", most, std::string(5000, 'b'), "http://new1/"};
    ImportBookmarks(rows, pick);
    EXPECT_EQ(Join(Entries(6), {"IE " + most, "IE http://new1/"}), Shown(rows));
    // Saved, the longest comes back whole.
    UrlTable table;
    ASSERT_EQ(MAX_URLS, rows.CopyTo(table));
    EXPECT_EQ(" " + most, table.text[6]);
}

} // namespace
