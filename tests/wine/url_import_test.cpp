// The URL registration page's import buttons, through the real launcher's
// Settings button: the picker opens on Internet Explorer's Favorites (a
// folder named in this prefix's registry) or on Netscape Navigator's
// bookmark file (found through the registry and nsreg.dat), and what the
// user picks there goes into the page's list.
#include "LauncherDriver.h"
#include "PickerDriver.h"
#include "TestIni.h"
#include "core/text/Utf8Text.h"
#include "res/resource.h"

namespace {

const int ENTRIES = 12;    // in the root folder of each source

const ListRow NEW_ROW = {L"新規", L"新規ＵＲＬ", -1};

const char SHELL_FOLDERS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct Source {
    const char *name;
    int button;
    const wchar_t *title;
    ListRow tag;    // kind column and item data of an imported entry
};
const Source IE = {"IE", IDC_IMPORT_IE, L"IEのお気に入りから選択", {L"IE", L"", 1}};
const Source NN = {"NN", IDC_IMPORT_NN, L"NNのBookMarkから選択", {L"NN", L"", 0}};

std::string Bookmarks()
{
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookmarks</TITLE>\r\n<H1>Taro</H1>\r\n<DL><p>\r\n";
    for (int i = 0; i < ENTRIES; ++i)
        file += "<DT><A HREF=\"http://nn" + std::to_string(i) + "/\">N" + std::to_string(i) + "</A>\r\n";
    return file + "</DL><p>\r\n";
}

// A group of six entries, shown when the sheet opens.
std::string SixEntries()
{
    std::string ini = "[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\n[G1]\r\nGNAME=g\r\nURL_Num=6\r\n";
    for (int i = 1; i <= 6; ++i)
        ini += "UL" + std::to_string(i) + "=DEF http://old" + std::to_string(i) + "/\r\n";
    return ini;
}

std::vector<ListRow> SixRows()
{
    std::vector<ListRow> rows;
    for (int i = 1; i <= 6; ++i)
        rows.push_back({L"DEF", L"http://old" + std::to_wstring(i) + L"/", 2});
    return rows;
}

std::vector<int> Range(int first, int count)
{
    std::vector<int> rows;
    for (int i = first; i < first + count; ++i)
        rows.push_back(i);
    return rows;
}

class UrlImport : public IniTest {
protected:
    void SetUp() override
    {
        IniTest::SetUp();
        m_favorites = JoinPath(TempDir(), "Favs");
        RemoveTree(m_favorites);
        MakeDir(m_favorites);
        for (int i = 0; i < ENTRIES; ++i)
            WriteBytes(JoinPath(m_favorites, "F" + std::to_string(i) + ".url"),
                       "[InternetShortcut]\r\nURL=http://ie" + std::to_string(i) + "/\r\n");
        SetRegString(HKEY_CURRENT_USER, SHELL_FOLDERS_KEY, "Favorites", m_favorites);

        m_profile = InstallNavigatorProfile("taro", Bookmarks());

        WriteIniText(SixEntries());
        ASSERT_TRUE(m_app.Start());
        ASSERT_TRUE(m_app.WaitWindow());
    }
    void TearDown() override
    {
        RemoveNavigatorProfile(m_profile);
        RemoveTree(m_favorites);
        IniTest::TearDown();
    }

    SettingsSheet Open() const
    {
        const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
        EXPECT_NE(nullptr, sheet.Window());
        return sheet;
    }
    void Close(const SettingsSheet &sheet, bool ok) const { ASSERT_TRUE(CloseSettings(m_app, sheet, ok)); }
    // Clicks the source's button; the picker once its root folder's
    // entries show, with those entries as shown (name, URL); null when it
    // never opened.
    HWND OpenPicker(const SettingsSheet &sheet, const Source &source, std::vector<ListRow> &entries) const
    {
        sheet.Click(source.button);
        HWND picker = WaitProcessWindow(m_app.Pid(), source.title);
        if (picker) {
            EXPECT_TRUE(WaitUntil([&] { return ::GetDlgCtrlID(FocusOf(picker)) == IDOK; }, 3000)) << "the first focus is 追加";
        }
        if (picker)
            WaitUntil([&] {
                entries = ListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST));
                return entries.size() == ENTRIES;
            });
        return picker;
    }
    static std::vector<ListRow> Rows(const SettingsSheet &sheet) { return ListRows(sheet.Item(IDC_URL_LIST)); }

    Launcher m_app;
    std::string m_favorites, m_profile;
};

// Entries the way the page shows them once imported from source.
std::vector<ListRow> Imported(const Source &source, const std::vector<ListRow> &entries, const std::vector<int> &rows)
{
    std::vector<ListRow> imported;
    for (int row : rows)
        imported.push_back({source.tag.kind, entries[static_cast<size_t>(row)].url, source.tag.data});
    return imported;
}

std::vector<ListRow> Concat(std::vector<ListRow> a, const std::vector<ListRow> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The page's list for these entries: the placeholder follows while there is room.
std::vector<ListRow> Listed(std::vector<ListRow> entries)
{
    if (entries.size() < 8)
        entries.push_back(NEW_ROW);
    return entries;
}

TEST_F(UrlImport, PickedEntriesAreAddedOrTakeTheEntriesPlaceUnderTheEightEntryRule)
{
    const struct {
        const char *what;
        int button;              // in the picker
        std::vector<int> selected;
        bool kept;               // the six entries stay
        std::vector<int> taken;  // picker rows that end up in the list
    } cases[] = {
        {"add ten to six: the first two fit, no placeholder", IDOK, Range(1, 10), true, {1, 2}},
        {"replace by ten: the first eight", IDC_REPLACE, Range(1, 10), false, Range(1, 8)},
        {"replace by five: five and the placeholder", IDC_REPLACE, {0, 3, 5, 7, 11}, false, {0, 3, 5, 7, 11}},
        {"add with nothing selected", IDOK, {}, true, {}},
        {"replace with nothing selected", IDC_REPLACE, {}, true, {}},
        {"cancel", IDCANCEL, {0, 1}, true, {}},
    };
    for (const Source &source : {IE, NN}) {
        for (const auto &c : cases) {
            const std::string what = std::string(source.name) + ": " + c.what;
            const SettingsSheet sheet = Open();
            std::vector<ListRow> entries;
            HWND picker = OpenPicker(sheet, source, entries);
            ASSERT_NE(nullptr, picker) << what;
            ASSERT_EQ(static_cast<size_t>(ENTRIES), entries.size()) << what;
            SelectListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST), c.selected);
            ASSERT_TRUE(CloseDialog(picker, c.button)) << what;
            EXPECT_EQ(Listed(Concat(c.kept ? SixRows() : std::vector<ListRow>(), Imported(source, entries, c.taken))),
                      Rows(sheet))
                << what;
            Close(sheet, false);
        }
    }
    EXPECT_EQ(SixEntries(), ReadIniText()) << "nothing is written before Save or OK";
}

TEST_F(UrlImport, SaveWritesImportedEntriesWithTheirSourcesKind)
{
    const SettingsSheet sheet = Open();
    std::vector<ListRow> ie, nn;
    HWND picker = OpenPicker(sheet, IE, ie);
    ASSERT_NE(nullptr, picker);
    SelectListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST), {4});
    ASSERT_TRUE(CloseDialog(picker, IDOK));
    picker = OpenPicker(sheet, NN, nn);
    ASSERT_NE(nullptr, picker);
    SelectListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST), {9});
    ASSERT_TRUE(CloseDialog(picker, IDOK));
    EXPECT_EQ(Listed(Concat(Concat(SixRows(), Imported(IE, ie, {4})), Imported(NN, nn, {9}))), Rows(sheet));

    sheet.Press(IDC_GROUP_SAVE);
    EXPECT_EQ("8", ReadIniValue("G1", "URL_Num"));
    EXPECT_EQ("DEF http://old6/", ReadIniValue("G1", "UL6"));
    EXPECT_EQ("IE " + AnsiFromWide(ie[4].url.c_str()), ReadIniValue("G1", "UL7"));
    EXPECT_EQ("NN http://nn9/", ReadIniValue("G1", "UL8"));
    Close(sheet, false);
}

TEST_F(UrlImport, EditControlsAndTheRowBeingEditedStayAsTheyWere)
{
    const SettingsSheet sheet = Open();
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 1));
    std::vector<ListRow> entries;
    HWND picker = OpenPicker(sheet, NN, entries);
    ASSERT_NE(nullptr, picker);
    SelectListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST), {0});
    ASSERT_TRUE(CloseDialog(picker, IDC_REPLACE));
    EXPECT_EQ(Listed(Imported(NN, entries, {0})), Rows(sheet));
    EXPECT_TRUE(sheet.IsEnabled(IDC_URL_EDIT));
    EXPECT_EQ(L"http://old2/", sheet.Text(IDC_URL_EDIT));
    Close(sheet, false);
}

// Mend: the picker is owned by the sheet, so the sheet (and its OK, which
// would end the page the pick goes into) takes no input while it runs.
TEST_F(UrlImport, TheSheetIsDisabledWhileThePickerRuns)
{
    for (const Source &source : {IE, NN}) {
        const SettingsSheet sheet = Open();
        std::vector<ListRow> entries;
        HWND picker = OpenPicker(sheet, source, entries);
        ASSERT_NE(nullptr, picker) << source.name;
        EXPECT_EQ(sheet.Window(), ::GetWindow(picker, GW_OWNER)) << source.name;
        EXPECT_FALSE(::IsWindowEnabled(sheet.Window())) << source.name;
        ASSERT_TRUE(CloseDialog(picker, IDCANCEL));
        EXPECT_TRUE(::IsWindowEnabled(sheet.Window())) << source.name;
        EXPECT_EQ(Listed(SixRows()), Rows(sheet)) << source.name;
        Close(sheet, false);
    }
}

} // namespace
