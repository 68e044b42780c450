// The URL registration page's third import button, "他のブラウザ...",
// through the real launcher's Settings button: its menu offers the profiles
// of the Chromium-family browsers made here in the prefix's local
// application data folder, then "ファイルから…", which opens the system's
// file-open dialog on a bookmark file. What is picked goes into the page's
// list with the kind of the browser it came from.
#include "FileTree.h"
#include "LauncherDriver.h"
#include "TestIni.h"
#include "core/settings/GroupList.h"
#include "core/text/Utf8Text.h"
#include "core/text/WideText.h"
#include "res/resource.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const char EDGE_PROGRAM[] = "C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe";
const ListRow NEW_ROW = {Shown(L"新規", L"New"), Shown(L"新規ＵＲＬ", L"New URL"), -1};

// A UTF-8 export of Firefox with Japanese and accented names, character
// references, an IDN host and a ✓ in a path.
const char FIREFOX_EXPORT[] = "bookmarks/firefox-utf8-ja.html";
// The picker's caption for a source.
std::wstring PickTitle(const std::wstring &source) { return Shown(L"", L"Choose from ") + source + Shown(L"から選択", L""); }

const std::wstring FIREFOX_TITLE = PickTitle(L"firefox-utf8-ja.html");

// A bookmark file as Chrome writes it, in UTF-8: entries on the bar.
std::string Bookmarks(const std::vector<std::pair<std::string, std::string>> &bar)
{
    std::string children;
    for (const auto &entry : bar)
        children += std::string(children.empty() ? "" : ",") + "{\"type\":\"url\",\"name\":\"" + entry.first +
                    "\",\"url\":\"" + entry.second + "\",\"id\":\"5\",\"guid\":\"x\"}";
    return "{\"checksum\":\"0\",\"roots\":{\"bookmark_bar\":{\"type\":\"folder\",\"name\":\"Bookmarks bar\","
           "\"children\":[" + children + "]},\"other\":{\"type\":\"folder\",\"name\":\"Other\",\"children\":[]},"
           "\"synced\":{\"type\":\"folder\",\"name\":\"Mobile\",\"children\":[]}},\"version\":1}";
}

const wchar_t USER_SHELL_FOLDERS[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Points the user's local application data folder at dir (UTF-8); empty
// restores Windows' own.
void SetLocalAppData(const std::string &dir)
{
    HKEY key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, USER_SHELL_FOLDERS, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    const std::wstring value = dir.empty() ? L"%USERPROFILE%\\AppData\\Local" : WideFromUtf8(dir);
    ::RegSetValueExW(key, L"Local AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

// Makes every folder of path that is missing.
void MakeDirs(const std::string &path)
{
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        MakeDir(path.substr(0, at));
    MakeDir(path);
}

struct TopWindowSearch {
    const wchar_t *windowClass;
    const std::function<bool(HWND)> *match;
    HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM param)
{
    auto *search = reinterpret_cast<TopWindowSearch *>(param);
    wchar_t cls[16] = L"";
    ::GetClassNameW(hwnd, cls, 16);
    if (std::wstring(cls) != search->windowClass || !::IsWindowVisible(hwnd) || !(*search->match)(hwnd))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// A visible top-level window of this class that match accepts, once there is one.
HWND WaitTopWindow(const wchar_t *windowClass, const std::function<bool(HWND)> &match)
{
    TopWindowSearch s = {windowClass, &match, nullptr};
    WaitUntil([&] {
        ::EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&s));
        return s.found != nullptr;
    });
    return s.found;
}

// The popup menu the program shows, once it shows.
HWND WaitMenu(DWORD pid)
{
    return WaitTopWindow(L"#32768", [pid](HWND hwnd) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        return owner == pid;
    });
}

// A dialog the sheet owns, other than the picker: the file-open dialog.
HWND WaitOwnedDialog(HWND owner)
{
    return WaitTopWindow(L"#32770", [owner](HWND hwnd) { return ::GetWindow(hwnd, GW_OWNER) == owner; });
}

// The file name box of the file-open dialog: the edit inside its combo
// box (a ComboBoxEx32 holding a ComboBox, which holds the edit), or the
// plain edit of older layouts.
HWND FileNameBox(HWND open)
{
    HWND box = ::GetDlgItem(open, 0x47C);
    while (HWND inner = box ? ::FindWindowExW(box, nullptr, nullptr, nullptr) : nullptr)
        box = inner;
    return box ? box : ::GetDlgItem(open, 0x480);
}

// Whether the process has this module loaded.
bool HasModule(DWORD pid, const wchar_t *name)
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32W module = {};
    module.dwSize = sizeof module;
    bool found = false;
    for (BOOL more = ::Module32FirstW(snapshot, &module); more && !found; more = ::Module32NextW(snapshot, &module))
        found = ::lstrcmpiW(module.szModule, name) == 0;
    ::CloseHandle(snapshot);
    return found;
}

// Goes down the picker's tree, every folder opened, until the list shows a
// row with this URL; its index, or -1.
int FindRow(HWND picker, const std::wstring &url)
{
    HWND tree = ::GetDlgItem(picker, IDC_BOOKMARK_TREE), list = ::GetDlgItem(picker, IDC_BOOKMARK_LIST);
    PressKey(tree, VK_MULTIPLY);
    for (int step = 0; step < 256; ++step) {    // the picker holds no more folders
        int found = -1;
        WaitUntil(
            [&] {
                const std::vector<ListRow> rows = ListRows(list);
                for (size_t i = 0; i < rows.size() && found < 0; ++i)
                    if (rows[i].url == url)
                        found = static_cast<int>(i);
                return found >= 0;
            },
            200);
        if (found >= 0)
            return found;
        const LRESULT at = SendWait(tree, TVM_GETNEXTITEM, TVGN_CARET);
        PressKey(tree, VK_DOWN);
        if (!WaitUntil([&] { return SendWait(tree, TVM_GETNEXTITEM, TVGN_CARET) != at; }, 2000))
            return -1;
    }
    return -1;
}

class OtherBrowsers : public IniTest {
protected:
    void SetUp() override
    {
        IniTest::SetUp();
        // A user folder named in scripts the code page lacks.
        m_user = MakeTempDir("usr");
        m_local = JoinPath(m_user, ::GetACP() == 932 ? "사용자 é\\AppData\\Local" : "Пользователь 日本\\AppData\\Local");
        MakeDirs(m_local);
        SetLocalAppData(m_local);
        const std::string chrome = JoinPath(m_local, "Google\\Chrome\\User Data");
        MakeDirs(JoinPath(chrome, "Default"));
        MakeDirs(JoinPath(chrome, "Profile 1"));
        WriteBytes(JoinPath(chrome, "Default\\Bookmarks"), Bookmarks({{"Home", "https://home.example/"}}));
        WriteBytes(JoinPath(chrome, "Profile 1\\Bookmarks"),
                   Bookmarks({{"Mail", "https://mail.work.example/"}, {"Wiki", "https://wiki.work.example/"}}));
        WriteBytes(JoinPath(chrome, "Local State"),
                   u8"{\"profile\":{\"info_cache\":{\"Default\":{\"name\":\"Taro\"},\"Profile 1\":{\"name\":\"仕事\"}}}}");
        const std::string edge = JoinPath(m_local, "Microsoft\\Edge\\User Data");
        MakeDirs(JoinPath(edge, "Default"));
        WriteBytes(JoinPath(edge, "Default\\Bookmarks"),
                   Bookmarks({{"Bing", "https://www.bing.com/"}, {"News", "https://news.example/?a=1&b=2"}}));

        WriteIniText(std::string("[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\n[G1]\r\nGNAME=g\r\nURL_Num=1\r\n"
                                 "UL1=DEF http://old/\r\n[Browser1]\r\nName=Edge\r\nProgram=") +
                     EDGE_PROGRAM + "\r\n");
        ASSERT_TRUE(m_app.Start());
        ASSERT_TRUE(m_app.WaitWindow());
    }
    void TearDown() override
    {
        SetLocalAppData("");
        RemoveTree(m_user);
        IniTest::TearDown();
    }

    // Opens the button's menu and chooses its item at index (separators
    // are stepped over, as the arrow keys do).
    bool Choose(const SettingsSheet &sheet, int index) const
    {
        sheet.Click(IDC_IMPORT_OTHER);
        HWND menu = WaitMenu(m_app.Pid());
        if (!menu)
            return false;
        for (int i = 0; i <= index; ++i)
            PressKey(menu, VK_DOWN);
        PressKey(menu, VK_RETURN);
        return true;
    }
    // The picker titled after its source, with its root's first child
    // folder ("ブックマーク バー") selected and count entries shown.
    HWND OpenBar(const std::wstring &title, size_t count, std::vector<ListRow> &entries) const
    {
        HWND picker = WaitProcessWindow(m_app.Pid(), title);
        if (!picker)
            return nullptr;
        HWND tree = ::GetDlgItem(picker, IDC_BOOKMARK_TREE);
        PressKey(tree, VK_RIGHT);
        PressKey(tree, VK_DOWN);
        WaitUntil([&] {
            entries = ListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST));
            return entries.size() == count;
        });
        return picker;
    }

    Launcher m_app;
    std::string m_user, m_local;
};

TEST_F(OtherBrowsers, TheMenuOffersEveryProfileThenAFile)
{
    const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
    ASSERT_NE(nullptr, sheet.Window());
    const std::wstring titles[] = {PickTitle(L"Google Chrome - Taro"), PickTitle(L"Google Chrome - 仕事"),
                                   PickTitle(L"Microsoft Edge - Default")};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Choose(sheet, i)) << i;
        HWND picker = WaitProcessWindow(m_app.Pid(), titles[i]);
        ASSERT_NE(nullptr, picker) << AnsiFromWide(titles[i].c_str());
        ASSERT_TRUE(CloseDialog(picker, IDCANCEL));
    }
    ASSERT_TRUE(Choose(sheet, 3));
    HWND open = WaitOwnedDialog(sheet.Window());
    ASSERT_NE(nullptr, open) << "the fourth item, past the separator, asks for a file";
    ASSERT_TRUE(CloseDialog(open, IDCANCEL));
    EXPECT_EQ((std::vector<ListRow>{{L"DEF", L"http://old/", 2}, NEW_ROW}), ListRows(sheet.Item(IDC_URL_LIST)));
    ASSERT_TRUE(CloseSettings(m_app, sheet, false));
}

TEST_F(OtherBrowsers, WithNoProfileTheMenuHoldsTheFileAlone)
{
    RemoveTree(JoinPath(m_local, "Google"));
    RemoveTree(JoinPath(m_local, "Microsoft\\Edge"));
    const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
    ASSERT_NE(nullptr, sheet.Window());
    ASSERT_TRUE(Choose(sheet, 0));
    HWND open = WaitOwnedDialog(sheet.Window());
    ASSERT_NE(nullptr, open) << "the first item asks for a file";
    ASSERT_TRUE(CloseDialog(open, IDCANCEL));
    ASSERT_TRUE(CloseSettings(m_app, sheet, false));
}

TEST_F(OtherBrowsers, EntriesTakeTheKindOfTheBrowserTheyCameFrom)
{
    const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
    ASSERT_NE(nullptr, sheet.Window());
    std::vector<ListRow> entries;
    ASSERT_TRUE(Choose(sheet, 2));
    HWND picker = OpenBar(PickTitle(L"Microsoft Edge - Default"), 2, entries);
    ASSERT_NE(nullptr, picker);
    EXPECT_EQ((std::vector<ListRow>{{L"Bing", L"https://www.bing.com/", 0},
                                    {L"News", L"https://news.example/?a=1&b=2", 0}}),
              entries);
    SelectListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST), {0, 1});
    ASSERT_TRUE(CloseDialog(picker, IDOK));

    ASSERT_TRUE(Choose(sheet, 1));
    picker = OpenBar(PickTitle(L"Google Chrome - 仕事"), 2, entries);
    ASSERT_NE(nullptr, picker);
    SelectListRows(::GetDlgItem(picker, IDC_BOOKMARK_LIST), {1});
    ASSERT_TRUE(CloseDialog(picker, IDOK));

    EXPECT_EQ((std::vector<ListRow>{{L"DEF", L"http://old/", 2},
                                    {L"Edge", L"https://www.bing.com/", BK_LISTED},
                                    {L"Edge", L"https://news.example/?a=1&b=2", BK_LISTED},
                                    {L"DEF", L"https://wiki.work.example/", 2},
                                    NEW_ROW}),
              ListRows(sheet.Item(IDC_URL_LIST)))
        << "Edge is in the program's list, Chrome is not";
    ASSERT_TRUE(CloseSettings(m_app, sheet, true));
    EXPECT_EQ("4", ReadIniValue("G1", "URL_Num"));
    EXPECT_EQ("B1 https://www.bing.com/", ReadIniValue("G1", "UL2"));
    EXPECT_EQ("B1 https://news.example/?a=1&b=2", ReadIniValue("G1", "UL3"));
    EXPECT_EQ("DEF https://wiki.work.example/", ReadIniValue("G1", "UL4"));
}

// The export chosen in the file-open dialog by typing its path and pressing
// Enter: names read whole, character references decoded, every URL exactly
// as written, in the settings file too. The dialog's library comes in only
// then: the launcher starts without it.
TEST_F(OtherBrowsers, AFileChosenInTheFileOpenDialogGivesItsNamesAndExactUrls)
{
    const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
    ASSERT_NE(nullptr, sheet.Window());
    EXPECT_FALSE(HasModule(m_app.Pid(), L"comdlg32.dll"));
    const struct {
        std::vector<std::wstring> urls;    // picked together, from one folder
        std::vector<std::wstring> names;   // as the picker shows them; empty: not compared
    } picks[] = {
        {{L"http://bücher.example/", L"https://tasks.example.org/done/✓"}, {}},
        {{L"https://www.example.jp/ニュース/"}, {L"ニュース速報"}},
        {{L"https://market.example.com/?a=1&b=2"}, {L"Market & Sell <Name>"}},
    };
    const std::wstring copy = WideFromUtf8(JoinPath(m_local, "firefox-utf8-ja.html"));
    ASSERT_TRUE(::CopyFileW(WideFromUtf8(TestDataPath(FIREFOX_EXPORT)).c_str(), copy.c_str(), FALSE));
    std::vector<ListRow> expected = {{L"DEF", L"http://old/", 2}};
    for (const auto &pick : picks) {
        const std::string what = AnsiFromWide(pick.urls[0].c_str());
        ASSERT_TRUE(Choose(sheet, 3)) << what;
        HWND open = WaitOwnedDialog(sheet.Window());
        ASSERT_NE(nullptr, open) << what;
        EXPECT_TRUE(HasModule(m_app.Pid(), L"comdlg32.dll")) << what;
        HWND box = FileNameBox(open);
        ASSERT_NE(nullptr, box) << what;
        TypeText(box, JoinPath(m_local, "firefox-utf8-ja.html"));
        PressKey(box, VK_RETURN);
        HWND picker = WaitProcessWindow(m_app.Pid(), FIREFOX_TITLE);
        ASSERT_NE(nullptr, picker) << what;
        HWND list = ::GetDlgItem(picker, IDC_BOOKMARK_LIST);
        std::vector<int> rows;
        for (const std::wstring &url : pick.urls) {
            rows.push_back(FindRow(picker, url));
            ASSERT_LE(0, rows.back()) << "no entry for " << AnsiFromWide(url.c_str());
            expected.push_back({L"DEF", url, 2});
        }
        for (size_t i = 0; i < pick.names.size(); ++i)
            EXPECT_EQ(pick.names[i], ListRows(list)[static_cast<size_t>(rows[i])].kind) << what;
        SelectListRows(list, rows);
        ASSERT_TRUE(CloseDialog(picker, IDOK)) << what;
    }
    expected.push_back(NEW_ROW);
    EXPECT_EQ(expected, ListRows(sheet.Item(IDC_URL_LIST)));
    ASSERT_TRUE(CloseSettings(m_app, sheet, true));
    EXPECT_EQ("5", ReadIniValue("G1", "URL_Num"));
    for (size_t i = 1; i < expected.size() - 1; ++i)
        EXPECT_EQ("DEF " + Utf8FromWide(expected[i].url),
                  ReadIniValue("G1", ("UL" + std::to_string(i + 1)).c_str()));
}

// A browser's program chosen in the file-open dialog from the user's folder,
// whose name the code page cannot hold, is stored whole.
TEST_F(OtherBrowsers, AProgramChosenInTheFileOpenDialogIsStoredWhole)
{
    const std::string program = JoinPath(m_local, u8"ブラウザ é.exe");
    WriteBytes(program, "MZ");
    const SettingsSheet sheet = OpenSettingsPage(m_app, 2);
    ASSERT_NE(nullptr, sheet.Window());
    sheet.Click(IDC_BROWSER_ADD);
    HWND dialog = WaitProcessWindow(m_app.Pid(), Shown(L"ブラウザの設定", L"Browser"));
    ASSERT_NE(nullptr, dialog);
    SendWait(::GetDlgItem(dialog, IDC_BROWSER_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Mine"));
    ::PostMessageW(::GetDlgItem(dialog, IDC_BROWSER_BROWSE), BM_CLICK, 0, 0);
    HWND open = WaitOwnedDialog(dialog);
    ASSERT_NE(nullptr, open);
    TypeText(FileNameBox(open), program);
    PressKey(FileNameBox(open), VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return ControlText(::GetDlgItem(dialog, IDC_BROWSER_PROGRAM)) == WideFromUtf8(program); }));
    ASSERT_TRUE(CloseDialog(dialog, IDOK));
    ASSERT_TRUE(CloseSettings(m_app, sheet, true));
    EXPECT_EQ(program, ReadIniValue("Browser2", "Program"));
}

} // namespace
