#include "dialogs/BookmarkImport.h"
#include "settings/GroupList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The page's list in memory: "NN url", "IE url", "DEF url", or "new" for
// the placeholder row.
class CRows : public IUrlRows {
public:
    explicit CRows(std::vector<std::string> rows) : m_rows(std::move(rows)) {}
    std::vector<std::string> m_rows;

    int GetRowCount() const override { return static_cast<int>(m_rows.size()); }
    int GetRowKind(int row) const override
    {
        const std::string &r = m_rows[static_cast<size_t>(row)];
        return r == "new" ? -1 : r.compare(0, 3, "NN ") == 0 ? BK_NN : r.compare(0, 3, "IE ") == 0 ? BK_IE : BK_DEF;
    }
    void DeleteRow(int row) override { m_rows.erase(m_rows.begin() + row); }
    void DeleteAllRows() override { m_rows.clear(); }
    void InsertEntryRow(int row, int kind, const std::string &url) override
    {
        m_rows.insert(m_rows.begin() + row, std::string(BrowserTag(kind)) + " " + url);
    }
    void AppendPlaceholderRow() override { m_rows.push_back("new"); }
};

std::vector<std::string> Entries(int count, const char *tag = "DEF")
{
    std::vector<std::string> rows;
    for (int i = 1; i <= count; ++i)
        rows.push_back(std::string(tag) + " http://old" + std::to_string(i) + "/");
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
    std::vector<std::string> before;
    int bAppend;
    int kind;
    int picked;
    std::vector<std::string> after;
};

TEST(BookmarkImport, AddsOrReplacesKeepingTheListRules)
{
    const ImportCase cases[] = {
        {"add 5 to 6: the first 2 fit, no placeholder", WithPlaceholder(Entries(6)), 1, BK_IE, 5,
         Join(Entries(6), Picked(2, "IE"))},
        {"replace 6 by 5: five and the placeholder", WithPlaceholder(Entries(6)), 0, BK_IE, 5,
         WithPlaceholder(Picked(5, "IE"))},
        {"add to a full list: nothing", Entries(8), 1, BK_NN, 3, Entries(8)},
        {"replace a full list", Entries(8), 0, BK_NN, 3, WithPlaceholder(Picked(3, "NN"))},
        {"add 2 to 7: one fits", WithPlaceholder(Entries(7)), 1, BK_NN, 2, Join(Entries(7), Picked(1, "NN"))},
        {"add 3 to none", {"new"}, 1, BK_NN, 3, WithPlaceholder(Picked(3, "NN"))},
        {"add 8 to none: full, no placeholder", {"new"}, 1, BK_IE, 8, Picked(8, "IE")},
        {"replace by 8: no placeholder", WithPlaceholder(Entries(2)), 0, BK_IE, 8, Picked(8, "IE")},
        {"the picked kind, whatever the list's", WithPlaceholder(Entries(1, "NN")), 1, BK_IE, 1,
         WithPlaceholder(Join(Entries(1, "NN"), Picked(1, "IE")))},
        {"nothing picked leaves the list, also in replace mode", WithPlaceholder(Entries(3)), 0, BK_IE, 0,
         WithPlaceholder(Entries(3))},
        {"nothing picked, add mode", WithPlaceholder(Entries(3)), 1, BK_IE, 0, WithPlaceholder(Entries(3))},
    };
    for (const ImportCase &c : cases) {
        CRows rows(c.before);
        BookmarkPick pick;
        pick.bAppend = c.bAppend;
        pick.kind = c.kind;
        pick.urls = Urls(c.picked);
        ImportBookmarks(rows, pick);
        EXPECT_EQ(c.after, rows.m_rows) << c.what;
    }
}

} // namespace
