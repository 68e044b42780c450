// Browsers of today in the program's own list: found where Windows lists
// installed browsers, given to entries on the URL page, and started with
// the page's URL. Our stand-ins are copies of the logging fake browser
// under the file names the real ones have.
#include "FileTree.h"
#include "LaunchFixture.h"
#include "core/settings/BrowserList.h"
#include "core/text/Utf8Text.h"
#include "core/text/WideText.h"
#include "links/KnownFolder.h"

#include "res/resource.h"

#include <algorithm>

namespace {

const char CLIENTS[] = "SOFTWARE\\Clients\\StartMenuInternet\\";

// A program text as the system's code page holds it.
std::string Ansi(const std::wstring &text)
{
    char ansi[256] = "";
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

class TodaysBrowsers : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        ASSERT_TRUE(m_chrome.Install(DdeServerSettings("CHROME", "", -1)));
        ASSERT_TRUE(m_firefox.Install(DdeServerSettings("FIREFOX", "", -1)));
        ASSERT_TRUE(m_mine.Install(DdeServerSettings("MINE", "", -1)));
        Register(HKEY_LOCAL_MACHINE, "Google Chrome", "Google Chrome", "\"" + m_chrome.Path() + "\"");
        Register(HKEY_CURRENT_USER, "Firefox-308046B0AF4A39CB", "Mozilla Firefox", "\"" + m_firefox.Path() + "\" -osint");
    }
    void TearDown() override
    {
        for (FakeProgram *fake : {&m_chrome, &m_firefox, &m_mine, &m_edge})
            fake->Quit();
        DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string(CLIENTS) + "Google Chrome");
        DeleteKeyTree(HKEY_LOCAL_MACHINE, std::string(CLIENTS) + "Microsoft Edge");
        DeleteKeyTree(HKEY_CURRENT_USER, std::string(CLIENTS) + "Firefox-308046B0AF4A39CB");
        LaunchTest::TearDown();
    }
    static void Register(HKEY root, const std::string &key, const std::string &name, const std::string &command)
    {
        ASSERT_TRUE(SetKeyDefault(root, CLIENTS + key, name));
        ASSERT_TRUE(SetKeyDefault(root, CLIENTS + key + "\\shell\\open\\command", command));
    }
    std::string Browsers() const
    {
        return "[Browser1]\r\nName=Chrome\r\nProgram=" + m_chrome.Path() +
               "\r\n[Browser2]\r\nName=Firefox private\r\nProgram=" + m_firefox.Path() + "\r\nPrivate=1\r\n" +
               "[Browser3]\r\nName=Mine\r\nProgram=" + m_mine.Path() + "\r\nArgs=--profile \"a b\"\r\nManual=1\r\n" +
               "[Browser4]\r\nName=Gone\r\nProgram=C:\\fakes\\nothing-here.exe\r\n";
    }
    void StartWithBrowsers(const std::vector<std::string> &entries, const std::string &options)
    {
        WriteIniText(GroupIni(entries, options) + Browsers());
        ASSERT_TRUE(m_app.Start());
        ASSERT_TRUE(m_app.WaitWindow());
        m_app.Click(IDC_START);
    }

    FakeProgram m_chrome{"chrome", "fake_browser.exe"};
    FakeProgram m_firefox{"firefox", "fake_browser.exe"};
    FakeProgram m_mine{"mine", "fake_browser.exe"};
    FakeProgram m_edge{"msedge", "fake_browser.exe"};
};

TEST_F(TodaysBrowsers, EachEntryStartsItsBrowserWithTheUrlIntact)
{
    StartWithBrowsers({"B1 http://a/?q=%22x%20y%22&r=1", "B4 http://never/", "B2 https://b/", "B3 -not-a-switch",
                       "B1 --user-data-dir=C:\\evil", "IE http://old/"},
                      "Delay=1\r\n");
    ASSERT_TRUE(m_chrome.WaitEvents("start", 2, 20000));
    ASSERT_TRUE(m_mine.WaitEvents("start", 1, 5000));
    ASSERT_TRUE(m_firefox.WaitEvents("start", 1, 5000));
    EXPECT_EQ((std::vector<std::string>{" \"http://a/?q=%22x%20y%22&r=1\"", " -- \"--user-data-dir=C:\\evil\""}),
              Arguments(m_chrome));
    EXPECT_EQ((std::vector<std::string>{" -private-window \"https://b/\""}), Arguments(m_firefox));
    // A browser added by hand gets exactly its own arguments, then the URL.
    EXPECT_EQ((std::vector<std::string>{" --profile \"a b\" \"-not-a-switch\""}), Arguments(m_mine));
    // The missing program was passed over, and the sequence came to its end.
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
    EXPECT_TRUE(m_explorer.WaitEvents("navigate"));
    EXPECT_LT(m_explorer.Events("start").at(0).time, m_chrome.Events("start").at(0).time) << "after Explorer's phase";
}

TEST_F(TodaysBrowsers, WindowsFollowReuseAndSingleWindowMode)
{
    const struct {
        const char *options;
        std::vector<std::string> chrome;
    } cases[] = {
        {"Delay=1\r\n", {" \"http://1/\"", " \"http://2/\""}},
        {"Delay=1\r\nReuse_Browser=0\r\n", {" --new-window \"http://1/\"", " --new-window \"http://2/\""}},
        {"Delay=1\r\nWindowNum=1\r\n", {" --new-window \"http://1/\"", " \"http://2/\""}},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(m_chrome.Install(DdeServerSettings("CHROME", "", -1)));
        StartWithBrowsers({"B1 http://1/", "B1 http://2/"}, c.options);
        ASSERT_TRUE(m_chrome.WaitEvents("start", 2, 20000)) << c.options;
        EXPECT_EQ(c.chrome, Arguments(m_chrome)) << c.options;
        EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
        m_app.Close();
        ASSERT_TRUE(m_app.WaitExit());
        m_chrome.Quit();
    }
}

// As a user would: the installed browser is added on the browsers page,
// given to an entry on the URL page, saved, shown again, and opened.
TEST_F(TodaysBrowsers, ChosenOnTheUrlPageSavedAndOpened)
{
    WriteIniText(GroupIni({"DEF http://first/", "NN http://second/"}, "Delay=1\r\n"));
    ASSERT_TRUE(m_app.Start());
    ASSERT_TRUE(m_app.WaitWindow());
    {
        const SettingsSheet sheet = OpenSettingsPage(m_app, 2);
        ASSERT_NE(nullptr, sheet.Window());
        const std::vector<ComboItem> installed = ComboItems(sheet.Item(IDC_INSTALLED));
        ASSERT_EQ(2u, installed.size());
        EXPECT_EQ("Mozilla Firefox", installed[0].text) << "the user's own browsers first";
        EXPECT_EQ("Google Chrome", installed[1].text);
        SendWait(sheet.Item(IDC_INSTALLED), CB_SETCURSEL, 1);
        sheet.Press(IDC_INSTALLED_ADD);
        sheet.Press(IDC_INSTALLED_PRIVATE);
        sheet.Press(IDC_INSTALLED_ADD);
        const std::vector<ListRow> rows = ListRows(sheet.Item(IDC_BROWSER_LIST));
        ASSERT_EQ(2u, rows.size());
        EXPECT_EQ(L"Google Chrome", rows[0].kind);
        EXPECT_EQ(L"Google Chrome（プライベート）", rows[1].kind);
        const std::string path = m_chrome.Path();
        EXPECT_EQ(std::wstring(path.begin(), path.end()), rows[0].url);

        sheet.ShowPage(1);
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 1));
        HWND combo = sheet.Item(IDC_ENTRY_BROWSER);
        SendWait(sheet.Page(), WM_COMMAND, MAKEWPARAM(IDC_ENTRY_BROWSER, CBN_DROPDOWN), reinterpret_cast<LPARAM>(combo));
        EXPECT_EQ((std::vector<ComboItem>{{Ansi(L"（なし）"), 0}, {"Google Chrome", 1}, {Ansi(L"Google Chrome（プライベート）"), 2}}),
                  ComboItems(combo));
        SendWait(combo, CB_SETCURSEL, 1);
        SendWait(sheet.Page(), WM_COMMAND, MAKEWPARAM(IDC_ENTRY_BROWSER, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        EXPECT_FALSE(sheet.IsChecked(IDC_KIND_NN));
        EXPECT_FALSE(sheet.IsChecked(IDC_KIND_DEF));
        sheet.Press(IDC_URL_REGISTER);
        ASSERT_TRUE(CloseSettings(m_app, sheet, true));
    }
    EXPECT_EQ("B1 http://second/", ReadIniValue("G1", "UL2"));
    {
        const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
        ASSERT_NE(nullptr, sheet.Window());
        const std::vector<ListRow> rows = ListRows(sheet.Item(IDC_URL_LIST));
        ASSERT_GE(rows.size(), 2u);
        EXPECT_EQ(L"Google Chrome", rows[1].kind) << "the list shows the browser's name";
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 1));
        EXPECT_EQ(1, SendWait(sheet.Item(IDC_ENTRY_BROWSER), CB_GETCURSEL));
        ASSERT_TRUE(CloseSettings(m_app, sheet, false));
    }
    m_app.Click(IDC_START);
    ASSERT_TRUE(m_chrome.WaitEvents("start", 1, 20000));
    EXPECT_EQ((std::vector<std::string>{" \"http://second/\""}), Arguments(m_chrome));
}

// Every profile of Chrome's "Local State" and Firefox's "profiles.ini" is
// offered as a browser of its own; added, and given the forms a wall
// display wants, it opens its pages in that profile and form on the chosen
// monitor, whatever the launch options say of windows, and in the
// browser's own profile once the profile is gone.
TEST_F(TodaysBrowsers, EachProfileIsABrowserThatOpensItsPagesInItsForm)
{
    const UserFolders folders = ApplicationDataFolders();
    const std::string chromeData = JoinPath(folders.local, "Google\\Chrome\\User Data"), firefoxData = JoinPath(folders.roaming, "Mozilla\\Firefox");
    for (const char *dir : {"Google", "Google\\Chrome", "Google\\Chrome\\User Data"})
        MakeDir(JoinPath(folders.local, dir));
    MakeDir(JoinPath(folders.roaming, "Mozilla"));
    MakeDir(firefoxData);
    const auto localState = [&](const std::string &profiles) {
        WriteBytes(JoinPath(chromeData, "Local State"), "{\"profile\":{\"info_cache\":{" + profiles + "\"Default\":{\"name\":\"Personal\"}}}}");
    };
    localState("\"Profile 1\":{\"name\":\"Work\"},");
    WriteBytes(JoinPath(firefoxData, "profiles.ini"), "[Profile0]\r\nName=default\r\nDefault=1\r\n[Profile1]\r\nName=work\r\n");
    ASSERT_TRUE(m_edge.Install(DdeServerSettings("MSEDGE", "", -1)));
    Register(HKEY_LOCAL_MACHINE, "Microsoft Edge", "Microsoft Edge", "\"" + m_edge.Path() + "\"");
    WriteIniText(GroupIni({"B1 http://first/", "B2 http://second/", "B3 http://third/"}, "Delay=1\r\nReuse_Browser=0\r\n"));
    ASSERT_TRUE(m_app.Start());
    ASSERT_TRUE(m_app.WaitWindow());
    const SettingsSheet sheet = OpenSettingsPage(m_app, 2);
    ASSERT_NE(nullptr, sheet.Window());
    EXPECT_EQ((std::vector<ComboItem>{{"Mozilla Firefox", 0}, {"Mozilla Firefox - default", 0}, {"Mozilla Firefox - work", 0},
                                      {"Google Chrome", 0}, {"Google Chrome - Personal", 0}, {"Google Chrome - Work", 0},
                                      {"Microsoft Edge", 0}}),
              ComboItems(sheet.Item(IDC_INSTALLED)));
    for (int item : {5, 2, 6}) {
        SendWait(sheet.Item(IDC_INSTALLED), CB_SETCURSEL, static_cast<WPARAM>(item));
        sheet.Press(IDC_INSTALLED_ADD);
    }
    // Chrome's Work as an app window, Firefox's work in kiosk mode, each on
    // the one monitor; Edge full screen on a monitor stored before and not
    // connected now, which the dialog keeps: the forms offered are the family's.
    const std::vector<LPARAM> chromium = {FORM_TAB, FORM_WINDOW, FORM_APP, FORM_FULLSCREEN, FORM_KIOSK};
    const struct {
        std::vector<LPARAM> forms;
        int form;
        const wchar_t *absent;
    } edits[] = {{chromium, FORM_APP, nullptr},
                 {{FORM_TAB, FORM_WINDOW, FORM_KIOSK}, FORM_KIOSK, nullptr},
                 {chromium, FORM_FULLSCREEN, L"\\\\.\\DISPLAY7"}};
    for (int row = 0; row < 3; ++row) {
        if (edits[row].absent) {
            ASSERT_TRUE(::WritePrivateProfileStringW(L"Browser3", L"Monitor", edits[row].absent, WideFromUtf8(IniPath()).c_str()));
        }
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_BROWSER_LIST), row));
        sheet.Click(IDC_BROWSER_EDIT);
        HWND dialog = WaitProcessWindow(m_app.Pid(), Shown(L"ブラウザの設定", L"Browser"));
        ASSERT_NE(nullptr, dialog);
        HWND forms = ::GetDlgItem(dialog, IDC_BROWSER_FORM), monitors = ::GetDlgItem(dialog, IDC_BROWSER_MONITOR);
        std::vector<LPARAM> offered;
        for (const ComboItem &item : ComboItems(forms))
            offered.push_back(item.data);
        EXPECT_EQ(edits[row].forms, offered);
        EXPECT_FALSE(::IsWindowEnabled(monitors)) << "a tab goes where the browser puts it";
        const auto pick = [&](HWND combo, int id, int item) {
            SendWait(combo, CB_SETCURSEL, static_cast<WPARAM>(item));
            SendWait(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        };
        pick(forms, IDC_BROWSER_FORM, static_cast<int>(std::find(offered.begin(), offered.end(), edits[row].form) - offered.begin()));
        EXPECT_TRUE(::IsWindowEnabled(monitors));
        const std::vector<ComboItem> monitorItems = ComboItems(monitors);
        ASSERT_EQ(edits[row].absent ? 3u : 2u, monitorItems.size()) << "where the browser puts it, and the one monitor";
        if (edits[row].absent) {
            EXPECT_EQ(Ansi(Shown(L"7: 接続されていません（メイン ディスプレイに開きます）", L"7: not connected (the main display)")),
                      monitorItems[2].text);
            EXPECT_EQ(2, SendWait(monitors, CB_GETCURSEL));
        } else {
            pick(monitors, IDC_BROWSER_MONITOR, 1);
        }
        ASSERT_TRUE(CloseDialog(dialog, IDOK));
    }
    EXPECT_EQ((std::vector<std::wstring>{Shown(L"アプリ ウィンドウ（モニター 1）", L"App window, monitor 1"),
                                         Shown(L"キオスク（モニター 1）", L"Kiosk, monitor 1"),
                                         Shown(L"全画面（モニター 7）", L"Full screen, monitor 7")}),
              ColumnTexts(sheet.Item(IDC_BROWSER_LIST), 3));
    ASSERT_TRUE(CloseSettings(m_app, sheet, true));
    EXPECT_EQ("Profile 1", ReadIniValue("Browser1", "Profile"));
    EXPECT_EQ("app", ReadIniValue("Browser1", "Window"));
    EXPECT_EQ("kiosk", ReadIniValue("Browser2", "Window"));
    EXPECT_EQ("\\\\.\\DISPLAY7", ReadIniValue("Browser3", "Monitor"));
    // Chrome is told the work area of the one monitor (at 100 %), Firefox
    // its index, Edge the main monitor's in place of the absent one. Wine's
    // taskbar comes and goes with the launch's icon and takes its height
    // from the work area: the height is only checked to be the screen's,
    // perhaps less a taskbar.
    const int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    const std::string place = " --window-position=0,0 --window-size=" + std::to_string(width) + ",H";
    const auto placed = [&](std::string args) {
        const size_t at = args.find(place.substr(0, place.size() - 1));
        if (at == std::string::npos)
            return args;
        const size_t digits = at + place.size() - 1, end = args.find(' ', digits);
        const int workHeight = std::stoi(args.substr(digits, end - digits));
        return workHeight > height - 100 && workHeight <= height ? args.replace(digits, end - digits, "H") : args;
    };
    // The second time Work is deleted: Chrome's own profile.
    const std::string chrome[] = {" --profile-directory=\"Profile 1\"" + place + " --app=\"http://first/\"", place + " --app=\"http://first/\""};
    for (size_t round = 0; round < 2; ++round) {
        m_app.Click(IDC_START);
        ASSERT_TRUE(m_chrome.WaitEvents("start", round + 1, 20000));
        ASSERT_TRUE(m_firefox.WaitEvents("start", round + 1, 20000));
        ASSERT_TRUE(m_edge.WaitEvents("start", round + 1, 20000));
        EXPECT_EQ(chrome[round], placed(Arguments(m_chrome).at(round)));
        EXPECT_EQ(" --new-window --start-fullscreen" + place + " \"http://third/\"", placed(Arguments(m_edge).at(round)));
        EXPECT_EQ(" -P \"work\" --kiosk --kiosk-monitor 0 \"http://second/\"", Arguments(m_firefox).at(round));
        ASSERT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); })) << "the sequence is over";
        localState("");
    }
    RemoveTree(JoinPath(folders.local, "Google"));
    RemoveTree(JoinPath(folders.roaming, "Mozilla"));
}

} // namespace
