// A user's first day with the program, every step through its windows: from
// no settings file to a group of typed and imported pages that the Startup
// shortcut opens by itself, each in the browser its entry names, after which
// the program ends.
#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "PickerDriver.h"
#include "TestIni.h"
#include "res/resource.h"

namespace {

const int OPTIONS_PAGE = 0, URL_PAGE = 1;
const int DELAY_MS = 3000;    // the default Delay

const ListRow NEW_ROW = {L"新規", L"新規ＵＲＬ", -1};

// An entry as the user gave it, and where its page must open: ".htm" is
// Netscape Navigator's here, so DEF entries open there too.
struct Entry {
    int kindBox;
    const wchar_t *typed;
    ListRow row;    // as the page lists it
    bool inNetscape;
};

const Entry TYPED[] = {
    {IDC_KIND_NN, L"www.example.co.jp/news", {L"NN", L"http://www.example.co.jp/news", 0}, true},
    {IDC_KIND_IE, L"http://intranet/", {L"IE", L"http://intranet/", 1}, false},
    {IDC_KIND_DEF, L"https://mail.example.com/", {L"DEF", L"https://mail.example.com/", 2}, true},
};

// Netscape Navigator's bookmarks; the user picks the first and the last.
const wchar_t *const BOOKMARKED[][2] = {
    {L"天気予報", L"http://weather.example.jp/"},
    {L"辞書", L"http://dict.example.jp/"},
    {L"路線案内", L"http://transit.example.jp/"},
};
const std::vector<int> PICKED = {0, 2};

std::string BookmarkFile()
{
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookmarks for hanako</TITLE>\r\n<H1>Bookmarks for hanako</H1>\r\n<DL><p>\r\n";
    for (const auto &bookmark : BOOKMARKED)
        file += "<DT><A HREF=\"" + AnsiFromWide(bookmark[1]) + "\">" + AnsiFromWide(bookmark[0]) + "</A>\r\n";
    return file + "</DL><p>\r\n";
}

int Between(DWORD from, DWORD to) { return static_cast<int>(to - from); }

class UserDay : public IniTest {
protected:
    void SetUp() override
    {
        IniTest::SetUp();
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        m_startupFolder = std::string(temp) + "orvanta-day-startup";
        ::CreateDirectoryA(m_startupFolder.c_str(), nullptr);
        StartupFolderValue::Set(m_startupFolder.c_str());
        // Netscape Navigator installed but not running, registering its DDE
        // service a little after it starts; Internet Explorer's automation
        // server; ".htm" files open in Netscape Navigator.
        ASSERT_TRUE(m_netscape.Install(DdeServerSettings("NETSCAPE", "", 300)));
        ASSERT_TRUE(RegisterAsNetscape(m_netscape));
        ASSERT_TRUE(m_explorer.Install(""));
        ASSERT_TRUE(RegisterAsExplorerServer(m_explorer));
        ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", "NetscapeMarkup"));
        // Its profile, as its profile manager leaves it.
        m_profile = InstallNavigatorProfile("hanako", BookmarkFile());
    }
    void TearDown() override
    {
        RemoveNavigatorProfile(m_profile);
        ::DeleteFileA(Link().c_str());
        ::RemoveDirectoryA(m_startupFolder.c_str());
        IniTest::TearDown();
    }
    std::string Link() const { return m_startupFolder + "\\Orvanta.lnk"; }

    // New group, named in the group name dialog.
    static void CreateGroup(const Launcher &app, const SettingsSheet &sheet, const std::wstring &name)
    {
        sheet.Click(IDC_GROUP_NEW);
        HWND dialog = WaitProcessWindow(app.Pid(), L"グループ名設定");
        ASSERT_NE(nullptr, dialog);
        SendWait(::GetDlgItem(dialog, IDC_GROUP_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_TRUE(CloseDialog(dialog, IDOK));
        EXPECT_EQ((std::vector<ComboItem>{{AnsiFromWide(name.c_str()), 1}}), ComboItems(sheet.Item(IDC_GROUP_LIST)));
    }
    // Each entry typed into the next free row and registered.
    void TypeEntries(const SettingsSheet &sheet)
    {
        for (const Entry &entry : TYPED) {
            ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), static_cast<int>(m_entries.size())));
            sheet.Press(entry.kindBox);
            sheet.SetText(IDC_URL_EDIT, entry.typed);
            sheet.Press(IDC_URL_REGISTER);
            m_entries.push_back(entry);
        }
    }
    // Two bookmarks picked from Netscape Navigator's and added after them.
    void ImportEntries(const Launcher &app, const SettingsSheet &sheet)
    {
        sheet.Click(IDC_IMPORT_NN);
        HWND picker = WaitProcessWindow(app.Pid(), L"NNのBookMarkから選択");
        ASSERT_NE(nullptr, picker);
        HWND list = ::GetDlgItem(picker, IDC_BOOKMARK_LIST);
        std::vector<ListRow> shown;
        ASSERT_TRUE(WaitUntil([&] {
            shown = ListRows(list);
            return shown.size() == std::size(BOOKMARKED);
        }));
        SelectListRows(list, PICKED);
        ASSERT_TRUE(CloseDialog(picker, IDOK));
        for (int row : PICKED) {
            const wchar_t *url = BOOKMARKED[row][1];
            EXPECT_EQ(url, shown[static_cast<size_t>(row)].url);
            m_entries.push_back({0, nullptr, {L"NN", url, 0}, true});
        }
    }
    void ExpectListed(const SettingsSheet &sheet) const
    {
        std::vector<ListRow> rows;
        for (const Entry &entry : m_entries)
            rows.push_back(entry.row);
        rows.push_back(NEW_ROW);
        EXPECT_EQ(rows, ListRows(sheet.Item(IDC_URL_LIST)));
    }
    // The pages in the order they must open: Netscape Navigator's phase
    // first, as it is the default browser, each phase in row order.
    std::vector<Entry> OpeningOrder() const
    {
        std::vector<Entry> order;
        for (bool netscape : {true, false})
            for (const Entry &entry : m_entries)
                if (entry.inNetscape == netscape)
                    order.push_back(entry);
        return order;
    }
    // Every page reached the right browser, one Delay after the one before;
    // the first Netscape Navigator is waited for until its service is up.
    // No browser window was open, so each Netscape page starts a new
    // Netscape Navigator and each IE page a new automation window.
    void ExpectPagesOpened() const
    {
        const std::vector<FakeEvent> starts = m_netscape.Events("start"), registers = m_netscape.Events("register"),
                                     navigations = m_explorer.Events("navigate");
        ASSERT_FALSE(registers.empty());
        size_t netscape = 0, explorer = 0;
        DWORD previous = registers[0].time;
        for (const Entry &entry : OpeningOrder()) {
            const std::string url = AnsiFromWide(entry.row.url.c_str());
            DWORD opened;
            if (entry.inNetscape) {
                ASSERT_LT(netscape, starts.size()) << url;
                EXPECT_EQ(" " + url, starts[netscape].args.at(1));
                opened = starts[netscape++].time;
            } else {
                ASSERT_LT(explorer, navigations.size()) << url;
                EXPECT_EQ((std::vector<std::string>{std::to_string(explorer + 1), url}), navigations[explorer].args);
                // The first is asked for when COM starts the server.
                opened = explorer ? navigations[explorer].time : m_explorer.Events("start").at(0).time;
                ++explorer;
            }
            if (netscape + explorer > 1) {
                EXPECT_NEAR(DELAY_MS, Between(previous, opened), 400) << url;
                previous = opened;
            }
        }
        EXPECT_EQ(netscape, starts.size());
        EXPECT_EQ(explorer, navigations.size());
    }

    StartupFolderValue m_savedStartup;
    std::string m_startupFolder, m_profile;
    std::vector<Entry> m_entries;    // in row order
    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
    FakeProgram m_explorer{"explorer", "fake_explorer.exe"};
};

TEST_F(UserDay, GroupSetUpInTheSheetOpensFromTheStartupShortcutAndTheProgramEnds)
{
    ASSERT_FALSE(IniExists());
    {
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        EXPECT_TRUE(app.Groups().empty());
        HWND hwnd = app.OpenSettings();
        ASSERT_NE(nullptr, hwnd);
        const SettingsSheet sheet(hwnd);

        sheet.ShowPage(URL_PAGE);
        CreateGroup(app, sheet, L"朝のページ");
        TypeEntries(sheet);
        ImportEntries(app, sheet);
        ExpectListed(sheet);
        sheet.Press(IDC_GROUP_SAVE);
        EXPECT_EQ(std::to_string(m_entries.size()), ReadIniValue("G1", "URL_Num"));

        sheet.ShowPage(OPTIONS_PAGE);
        sheet.Press(IDC_STARTUP_ADD);
        sheet.Press(IDC_NOTSURF);
        EXPECT_TRUE(sheet.IsChecked(IDC_STARTUP_ADD));
        EXPECT_TRUE(sheet.IsChecked(IDC_NOTSURF));
        sheet.Ok();
        ASSERT_TRUE(sheet.WaitClosed());
        ASSERT_TRUE(app.Sync());
        EXPECT_EQ(nullptr, FindProcessWindow(app.Pid(), L"Orvanta")) << "no failure message";
        EXPECT_EQ((std::vector<ComboItem>{{AnsiFromWide(L"朝のページ"), 1}}), app.Groups());
        app.Close();
        ASSERT_TRUE(app.WaitExit());
    }
    EXPECT_EQ("1", ReadIniValue("Orvanta", "NotSurf"));
    for (size_t i = 0; i < m_entries.size(); ++i)
        EXPECT_EQ(AnsiFromWide((m_entries[i].row.kind + L" " + m_entries[i].row.url).c_str()),
                  ReadIniValue("G1", ("UL" + std::to_string(i + 1)).c_str()));

    // Next morning: the shortcut starts the program.
    const ShortcutInfo shortcut = ReadShortcut(Link());
    ASSERT_TRUE(shortcut.loaded);
    Launcher morning;
    ASSERT_TRUE(morning.StartCommandLine(shortcut.target, "\"" + shortcut.target + "\" " + shortcut.arguments));
    ASSERT_TRUE(morning.WaitExit(30000)) << "ends by itself after the last page";
    ExpectPagesOpened();
    EXPECT_EQ("1", ReadIniValue("Orvanta", "G_PREV"));
    EXPECT_NE("<missing>", ReadIniValue("Orvanta", "XPOS"));
    EXPECT_NE("<missing>", ReadIniValue("Orvanta", "YPOS"));
}

} // namespace
