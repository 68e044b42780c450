// The launcher window of the real Orvanta.exe, started against prepared
// settings files and driven like a user would.
#include "LauncherDriver.h"
#include "TestIni.h"
#include "res/resource.h"

namespace {

RECT WindowRect(HWND hwnd)
{
    RECT rc = {};
    ::GetWindowRect(hwnd, &rc);
    return rc;
}

using LauncherWindow = IniTest;

TEST_F(LauncherWindow, WithoutSettingsFileNothingIsWrittenBeforeClose)
{
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    EXPECT_TRUE(app.Groups().empty());
    EXPECT_EQ(CB_ERR, app.SelectedGroupIndex());
    EXPECT_FALSE(IniExists());

    app.Close();
    ASSERT_TRUE(app.WaitExit());
    EXPECT_EQ((std::vector<std::string>{"YPOS", "XPOS", "G_PREV"}), KeysInOrder(ReadIniText(), "Orvanta"));
    EXPECT_EQ("0", ReadIniValue("Orvanta", "G_PREV"));
}

TEST_F(LauncherWindow, GroupSelectorListsGroupsByNumberWithTheirNumbersAsData)
{
    // Group 1's name is 表示 in code page 932; group 5 has no section yet.
    WriteIniText("[Orvanta]\r\nG_NUM=5 1 3\r\nG_PREV=3\r\n[G1]\r\nGNAME=\x95\x5c\x8e\xa6\r\n"
                 "[G3]\r\nGNAME=three\r\n");
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    const std::vector<ComboItem> expected = {{"\x95\x5c\x8e\xa6", 1}, {"three", 3}, {"", 5}};
    EXPECT_EQ(expected, app.Groups());
    EXPECT_EQ(1, app.SelectedGroupIndex());
}

// Started with its manifest: aware of each monitor's scale, and with the
// visual-styles combo box, which sizes its list by its item count, not by
// the template's height: dropped, it shows the most groups there can be.
TEST_F(LauncherWindow, TheDroppedSelectorShowsSixteenGroupsWithoutScrolling)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\r\n");
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    // Wine 8 knows per-monitor awareness, not its second version.
    EXPECT_EQ(DPI_AWARENESS_PER_MONITOR_AWARE, ::GetAwarenessFromDpiAwarenessContext(::GetWindowDpiAwarenessContext(app.Window())));
    SendWait(app.Item(IDC_GROUP), CB_SHOWDROPDOWN, TRUE);
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        list = ::FindWindowW(L"ComboLBox", nullptr);
        return list && ::IsWindowVisible(list);
    }));
    RECT rc = {};
    ::GetClientRect(list, &rc);
    EXPECT_GE(rc.bottom / SendWait(list, LB_GETITEMHEIGHT), 16);
    SendWait(app.Item(IDC_GROUP), CB_SHOWDROPDOWN, FALSE);
}

TEST_F(LauncherWindow, CurrentGroupThatNoLongerExistsSelectsTheFirst)
{
    WriteIniText("[Orvanta]\r\nG_NUM=2 4\r\nG_PREV=9\r\n");
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    EXPECT_EQ(2u, app.Groups().size());
    EXPECT_EQ(0, app.SelectedGroupIndex());
}

TEST_F(LauncherWindow, LegacyListBecomesGroupOneAtStart)
{
    WriteIniText("[Orvanta]\r\nURL_Num=3\r\nUL1=NN http://nn/\r\nUL2=IE http://ie/\r\nUL3=DEF\r\n");
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    EXPECT_EQ((std::vector<ComboItem>{{"Default", 1}}), app.Groups());
    EXPECT_EQ(0, app.SelectedGroupIndex());
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"G_NUM"}), KeysInOrder(text, "Orvanta")) << text;
    EXPECT_EQ((std::vector<std::string>{"UL1", "UL2", "UL3", "URL_Num", "GNAME"}), KeysInOrder(text, "G1")) << text;
}

TEST_F(LauncherWindow, ReopensWhereItWasClosed)
{
    WriteIniText("[Orvanta]\r\nXPOS=200\r\nYPOS=150\r\n");
    {
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        const RECT rc = WindowRect(app.Window());
        EXPECT_EQ(200, rc.left);
        EXPECT_EQ(150, rc.top);
        ::SetWindowPos(app.Window(), nullptr, 310, 260, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] { return WindowRect(app.Window()).left == 310; }));
        app.Close();
        ASSERT_TRUE(app.WaitExit());
    }
    EXPECT_EQ("310", ReadIniValue("Orvanta", "XPOS"));
    EXPECT_EQ("260", ReadIniValue("Orvanta", "YPOS"));

    Launcher again;
    ASSERT_TRUE(again.Start());
    ASSERT_TRUE(again.WaitWindow());
    EXPECT_EQ(310, WindowRect(again.Window()).left);
    EXPECT_EQ(260, WindowRect(again.Window()).top);
}

TEST_F(LauncherWindow, PositionIsAppliedOnlyWhenBothCoordinatesAreSet)
{
    RECT unplaced;
    {
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        unplaced = WindowRect(app.Window());
    }
    for (const char *text : {"[Orvanta]\r\nXPOS=-1\r\nYPOS=120\r\n", "[Orvanta]\r\nXPOS=300\r\n"}) {
        WriteIniText(text);
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        EXPECT_EQ(unplaced.left, WindowRect(app.Window()).left) << text;
        EXPECT_EQ(unplaced.top, WindowRect(app.Window()).top) << text;
    }
}

TEST_F(LauncherWindow, EachWayOfClosingWritesItsOwnKeys)
{
    const std::string before = "[Orvanta]\r\nG_NUM=1 2\r\nG_PREV=2\r\n";
    struct {
        int command;    // 0: the close box
        std::vector<std::string> keys;
    } const cases[] = {
        {0, {"G_NUM", "G_PREV", "YPOS", "XPOS"}},
        {IDOK, {"G_NUM", "G_PREV"}},
        {IDCANCEL, {"G_NUM", "G_PREV"}},
    };
    for (const auto &c : cases) {
        WriteIniText(before);
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        if (c.command)
            app.Command(c.command);
        else
            app.Close();
        ASSERT_TRUE(app.WaitExit()) << c.command;
        const std::string text = ReadIniText();
        EXPECT_EQ(c.keys, KeysInOrder(text, "Orvanta")) << c.command;
        if (c.command == IDCANCEL)
            EXPECT_EQ(before, text) << "Escape writes nothing";
        else
            EXPECT_EQ("2", ReadIniValue("Orvanta", "G_PREV"));
    }
}

// The windows speak Windows' display language until the user chooses one on
// the options page, from the next start on.
TEST_F(LauncherWindow, SpeaksTheLanguageTheUserChoseFromTheNextStart)
{
    const wchar_t *windows = Shown(L"開始", L"&Start");
    // The button chosen on each start, and the Start button's text it gives.
    const std::pair<int, const wchar_t *> choices[] = {{IDC_UI_ENGLISH, L"&Start"}, {IDC_UI_JAPANESE, L"開始"}, {IDC_UI_AUTO, windows}, {0, nullptr}};
    std::wstring shown = windows;
    for (const auto &[button, start] : choices) {
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        EXPECT_EQ(shown, WindowText(app.Item(IDC_START)));
        if (button) {
            const SettingsSheet sheet = OpenSettingsPage(app, 0);
            sheet.Press(button);
            ASSERT_TRUE(CloseSettings(app, sheet, true));
            EXPECT_EQ(shown, WindowText(app.Item(IDC_START))) << "until the next start";
            shown = start;
        }
        app.Close();
        ASSERT_TRUE(app.WaitExit());
    }
    EXPECT_EQ("0", ReadIniValue("Orvanta", "UI_Language"));
}

TEST_F(LauncherWindow, SecondInstanceEndsAtOnce)
{
    Launcher first;
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.WaitWindow());
    Launcher second;
    ASSERT_TRUE(second.Start());
    EXPECT_TRUE(second.WaitExit(5000));
    EXPECT_EQ(nullptr, FindProcessWindow(second.Pid(), L"<Orvanta>"));
    EXPECT_TRUE(::IsWindow(first.Window()));
}

TEST_F(LauncherWindow, StartArgumentInAnyCaseStartsAtOnce)
{
    // With no group the start stops at its message, shown before the window.
    Launcher app;
    ASSERT_TRUE(app.Start("-START"));
    HWND box = WaitProcessWindow(app.Pid(), L"Orvanta");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(L"表示するURLを設定して下さい", MessageBoxText(box));
    PressButton(box, IDOK);
    ASSERT_TRUE(app.WaitWindow());
    EXPECT_FALSE(::IsIconic(app.Window()));
}

TEST_F(LauncherWindow, StartWithAnEmptyGroupAsksForUrls)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=empty\r\nURL_Num=0\r\n");
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    app.Click(IDC_START);
    HWND box = WaitProcessWindow(app.Pid(), L"Orvanta");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(L"表示するURLを設定して下さい", MessageBoxText(box));
    PressButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_FALSE(::IsIconic(app.Window()));
}

TEST_F(LauncherWindow, SystemMenuOpensTheAboutBox)
{
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    ::PostMessageW(app.Window(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = WaitProcessWindow(app.Pid(), L"ﾊﾞｰｼﾞｮﾝ情報 Orvanta");
    ASSERT_NE(nullptr, about);
    PressButton(about, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
    app.Close();
    EXPECT_TRUE(app.WaitExit());
}

} // namespace
