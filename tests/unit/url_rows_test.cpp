// The URL registration page's rules: the "http://" rule, blanks in URLs,
// and the list with its placeholder row.
#include "core/dialogs/UrlRows.h"
#include "TestIni.h"

#include "Cp932.h"

#include <cstring>
#include <string>

namespace {

TEST(UrlRules, HttpPrefixWhenNoSchemeStartsEarly)
{
    struct {
        const char *typed;
        const char *url;
    } const cases[] = {
        {"www.example.com", "http://www.example.com"},
        {"example.com/a://b", "http://example.com/a://b"},    // "://" at 13
        {"ftp://example.com", "ftp://example.com"},          // at 3
        {"https://example.com", "https://example.com"},      // at 5
        {"gopher://x", "gopher://x"},                        // at 6
        {"webcal1://x", "http://webcal1://x"},               // at 7
        {"://x", "://x"},                                    // at 0
        {"a://x", "a://x"},
        {"about:blank", "http://about:blank"},
        {"file:///C:/x", "file:///C:/x"},
        {"x", "http://x"},
    };
    for (const auto &c : cases) {
        std::string url;
        EXPECT_EQ(ENTRY_URL_OK, MakeEntryUrl(c.typed, true, url)) << c.typed;
        EXPECT_EQ(c.url, url) << c.typed;
        EXPECT_EQ(ENTRY_URL_OK, MakeEntryUrl(c.typed, false, url)) << c.typed;
        EXPECT_EQ(c.typed, url) << "unchecked box adds nothing";
    }
}

TEST(UrlRules, BlanksInsideAUrlAreEscaped)
{
    struct {
        const char *text;
        const char *escaped;
    } const cases[] = {
        {"http://x/a b", "http://x/a%20b"},
        {"http://x/a\tb", "http://x/a%09b"},
        {"http://x/a  b\t c", "http://x/a%20%20b%09%20c"},
        {" http://x/ ", " http://x/ "},
        {"\t a b \t", "\t a%20b \t"},
        {"http://x/%20", "http://x/%20"},
        {"", ""},
        {"   ", "   "},
        // 表 and ソ stay whole; a blank after them is escaped.
        {"http://x/表 ソ", "http://x/表%20ソ"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.escaped, EscapeInnerBlanks(c.text)) << '"' << c.text << '"';
}

// Fits exactly when the entry, saved, gives the stored form back whole.
TEST(UrlRules, AUrlFitsAnEntryWhenItsStoredFormDoes)
{
    const size_t MAX = MAX_URL_CHARS;
    const struct {
        std::string url;
        bool fits;
    } cases[] = {
        {"", true},
        {std::string(MAX, 'a'), true},
        {std::string(MAX + 1, 'a'), false},
        {std::string(5000, 'a'), false},
        {std::string(MAX / 2 - 1, 'a') + " " + std::string(MAX / 2 - 2, 'b'), true},    // MAX with %20
        {std::string(MAX / 2, 'a') + " " + std::string(MAX / 2 - 2, 'b'), false},
        {std::string(MAX / 2, 'a') + "\t" + std::string(MAX / 2 - 3, 'b'), true},
        {" " + std::string(MAX - 2, 'a') + "\t", true},
        {" " + std::string(MAX - 1, 'a') + "\t", false},
        // 表 is two bytes of the code page; ✓, which it has not, three of UTF-8.
        {std::string(MAX - 2, 'a') + "表", true},
        {std::string(MAX - 1, 'a') + "表", false},
        {std::string(MAX - 3, 'a') + "✓", true},
        {std::string(MAX - 2, 'a') + "✓", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.fits, UrlFitsEntry(c.url)) << c.url.size();
        CUrlRows rows;
        rows.Fill(UrlTable{});
        ASSERT_TRUE(rows.Register(-1, BK_DEF, c.url));
        UrlTable table;
        ASSERT_EQ(1, rows.CopyTo(table));
        EXPECT_EQ(c.fits, EscapeInnerBlanks(c.url) == table.text[0] + 1) << c.url.size();
    }
}

TEST(UrlRules, TypedTextIsRefusedWhenEmptyOrTooLongToStore)
{
    struct {
        std::string typed;
        bool prefix;
        EntryUrlResult result;
    } const cases[] = {
        {"", true, ENTRY_URL_EMPTY},
        {"", false, ENTRY_URL_EMPTY},
        {"https://" + std::string(1010, 'a'), true, ENTRY_URL_OK},     // 1018
        {"https://" + std::string(1011, 'a'), true, ENTRY_URL_TOO_LONG},
        {std::string(1011, 'a'), true, ENTRY_URL_OK},                  // 1018 with "http://"
        {std::string(1012, 'a'), true, ENTRY_URL_TOO_LONG},
        {std::string(1012, 'a'), false, ENTRY_URL_OK},
        {std::string(1019, 'a'), false, ENTRY_URL_TOO_LONG},
        {"a" + std::string(338, ' ') + "b", false, ENTRY_URL_OK},      // 2 + 1014
        {"a" + std::string(339, ' ') + "b", false, ENTRY_URL_TOO_LONG},
    };
    for (const auto &c : cases) {
        std::string url;
        EXPECT_EQ(c.result, MakeEntryUrl(c.typed, c.prefix, url)) << c.typed.size() << " " << c.prefix;
    }
}

void SetTable(UrlTable &table, int count)
{
    std::memset(&table, 0, sizeof table);
    table.count = count;
    for (int i = 0; i < MAX_URLS; ++i) {
        table.kind[i] = i % 3;
        std::snprintf(table.text[i], URL_TEXT_SIZE, " http://e%d/", i);
    }
}

// The rows as a short text: "N:http://e0/ I:... +" (+ is the placeholder).
std::string Shown(const CUrlRows &rows)
{
    std::string text;
    for (const UrlRow &row : rows.Rows()) {
        if (!text.empty())
            text += ' ';
        text += row.kind == ROW_PLACEHOLDER ? std::string("+") : std::string(BrowserTag(row.kind)) + ":" + row.url;
    }
    return text;
}

TEST(UrlList, FillShowsThePlaceholderExactlyWhenThereIsRoom)
{
    struct {
        int count;
        const char *shown;
    } const cases[] = {
        {-1, "+"},
        {0, "+"},
        {1, "NN:http://e0/ +"},
        {3, "NN:http://e0/ IE:http://e1/ DEF:http://e2/ +"},
        {8, "NN:http://e0/ IE:http://e1/ DEF:http://e2/ NN:http://e3/ IE:http://e4/ DEF:http://e5/ NN:http://e6/ "
            "IE:http://e7/"},
    };
    for (const auto &c : cases) {
        UrlTable table;
        SetTable(table, c.count);
        CUrlRows rows;
        rows.Fill(table);
        EXPECT_EQ(c.shown, Shown(rows)) << c.count;
    }
}

TEST(UrlList, RegisterAddsBeforeThePlaceholderOrUpdatesTheEditedEntry)
{
    UrlTable table;
    struct {
        int count;    // entries filled first; -2: no group shown
        int editRow, kind;
        bool done;
        const char *shown;
    } const cases[] = {
        {0, -1, BK_IE, true, "IE:u +"},
        {1, -1, BK_DEF, true, "NN:http://e0/ DEF:u +"},
        {1, 0, BK_IE, true, "IE:u +"},
        {2, 1, BK_NN, true, "NN:http://e0/ NN:u +"},
        // A row that has become the placeholder or is gone adds an entry.
        {1, 1, BK_NN, true, "NN:http://e0/ NN:u +"},
        {1, 5, BK_NN, true, "NN:http://e0/ NN:u +"},
        // The eighth entry takes the placeholder's place.
        {7, -1, BK_DEF,  true,
         "NN:http://e0/ IE:http://e1/ DEF:http://e2/ NN:http://e3/ IE:http://e4/ DEF:http://e5/ NN:http://e6/ DEF:u"},
        // A full list takes no new entry and loses none.
        {8, -1, BK_NN, false,
         "NN:http://e0/ IE:http://e1/ DEF:http://e2/ NN:http://e3/ IE:http://e4/ DEF:http://e5/ NN:http://e6/ "
         "IE:http://e7/"},
        {-2, -1, BK_NN, false, ""},
        // Kinds the settings file may hold are stored as the default browser.
        {0, -1, -1, true, "DEF:u +"},
        {0, -1, 7, true, "DEF:u +"},
    };
    for (const auto &c : cases) {
        SetTable(table, c.count);
        CUrlRows rows;
        rows.Fill(table);
        if (c.count == -2)
            rows.RemoveAll();
        EXPECT_EQ(c.done, rows.Register(c.editRow, c.kind, "u")) << c.count << " " << c.editRow;
        EXPECT_EQ(c.shown, Shown(rows)) << c.count << " " << c.editRow;
    }
}

TEST(UrlList, DeleteBringsThePlaceholderBack)
{
    UrlTable table;
    struct {
        int count, editRow;
        bool done;
        const char *shown;
    } const cases[] = {
        {2, 0, true, "IE:http://e1/ +"},
        {2, 1, true, "NN:http://e0/ +"},
        {1, 0, true, "+"},
        {2, 2, false, "NN:http://e0/ IE:http://e1/ +"},    // the placeholder stays
        {2, -1, false, "NN:http://e0/ IE:http://e1/ +"},
        {2, 9, false, "NN:http://e0/ IE:http://e1/ +"},
        {8, 7, true,
         "NN:http://e0/ IE:http://e1/ DEF:http://e2/ NN:http://e3/ IE:http://e4/ DEF:http://e5/ NN:http://e6/ +"},
        {8, 0, true,
         "IE:http://e1/ DEF:http://e2/ NN:http://e3/ IE:http://e4/ DEF:http://e5/ NN:http://e6/ IE:http://e7/ +"},
    };
    for (const auto &c : cases) {
        SetTable(table, c.count);
        CUrlRows rows;
        rows.Fill(table);
        EXPECT_EQ(c.done, rows.Delete(c.editRow)) << c.count << " " << c.editRow;
        EXPECT_EQ(c.shown, Shown(rows)) << c.count << " " << c.editRow;
    }
}

TEST(UrlList, ClearAndRestoreLeaveAListWithoutGroupEmpty)
{
    UrlTable table;
    SetTable(table, 2);
    CUrlRows rows;
    rows.Fill(table);
    rows.Clear();
    EXPECT_EQ("+", Shown(rows));
    rows.Restore(table);
    EXPECT_EQ("NN:http://e0/ IE:http://e1/ +", Shown(rows));
    rows.RemoveAll();
    rows.Clear();
    EXPECT_EQ("", Shown(rows));
    rows.Restore(table);
    EXPECT_EQ("", Shown(rows));
}

TEST(UrlList, CopyToStoresEntriesWithALeadingBlankAndStopsAtThePlaceholder)
{
    UrlTable table;
    SetTable(table, 0);
    CUrlRows rows;
    rows.Fill(table);
    rows.Register(-1, BK_IE, "http://a/");
    rows.Register(-1, BK_NN, "");
    rows.Register(-1, BK_DEF, "http://x/a b");    // as an import could bring it
    UrlTable out;
    SetTable(out, 5);
    EXPECT_EQ(3, rows.CopyTo(out));
    EXPECT_EQ(5, out.count) << "the count is the caller's";
    EXPECT_EQ(BK_IE, out.kind[0]);
    EXPECT_STREQ(" http://a/", out.text[0]);
    EXPECT_EQ(BK_NN, out.kind[1]);
    EXPECT_STREQ(" ", out.text[1]);
    EXPECT_STREQ(" http://x/a%20b", out.text[2]);
    EXPECT_EQ(ROW_PLACEHOLDER, out.kind[3]);
    EXPECT_STREQ(" http://e3/", out.text[3]);

    CUrlRows none;
    EXPECT_EQ(0, none.CopyTo(out));
}

TEST(UrlList, CopyToCutsLongUrlsOnACharacterBoundary)
{
    REQUIRE_CP932();
    UrlTable table;
    SetTable(table, 0);
    struct {
        std::string url;
        size_t kept;    // bytes of UTF-8
    } const cases[] = {
        {std::string(1018, 'a'), 1018},
        {std::string(1500, 'a'), 1018},
        // 1017 characters then 表, two bytes of the code page: it would end past 1018.
        {std::string(1017, 'a') + "表" + "b", 1017},
        {std::string(1016, 'a') + "表" + "b", 1019},
        // With ✓ the code page cannot hold the URL: its UTF-8 counts.
        {std::string(1016, 'a') + "✓" + "b", 1016},
    };
    for (const auto &c : cases) {
        CUrlRows rows;
        rows.Fill(table);
        rows.Register(-1, BK_NN, c.url);
        UrlTable out;
        ASSERT_EQ(1, rows.CopyTo(out));
        EXPECT_EQ(c.kept + 1, std::strlen(out.text[0])) << c.url.size();
        EXPECT_EQ(c.url.substr(0, c.kept), out.text[0] + 1);
    }
}

// The limits are what the settings file gives back whole.
using UrlListStore = IniTest;

TEST_F(UrlListStore, LongestUrlAndGroupNameComeBackWhole)
{
    REQUIRE_CP932();
    CGroupList groups;
    groups.LoadGroups();
    const int group = groups.AllocGroup(1);
    std::string name(MAX_GROUP_NAME_CHARS, 'n');
    std::string url(MAX_URL_CHARS, 'u');
    for (int kind : {BK_NN, BK_IE, BK_DEF}) {
        // The same length in characters of two bytes of the code page, three of UTF-8.
        if (kind == BK_DEF) {
            name.clear();
            for (int i = 0; i < MAX_GROUP_NAME_CHARS / 2; ++i)
                name += "表";
            url = "http://" + name.substr(0, (MAX_URL_CHARS - 8) / 2 * 3) + "/";
        }
        UrlTable table;
        SetTable(table, 0);
        CUrlRows rows;
        rows.Fill(table);
        rows.Register(-1, kind, url);
        theUrlTable.count = rows.CopyTo(theUrlTable);
        groups.SaveGroup(group, name.c_str(), theUrlTable.count);
        ASSERT_EQ(1, groups.LoadGroupUrls(group)) << kind;
        EXPECT_EQ(url, theUrlTable.text[0] + 1) << kind;
        char read[GROUP_NAME_SIZE];
        ASSERT_EQ(1, groups.ReadGroupName(group, read));
        EXPECT_EQ(name, read);
    }
}

} // namespace
