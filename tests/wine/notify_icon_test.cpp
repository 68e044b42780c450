// The launch's icon in the notification area, in the real Orvanta.exe and
// Wine's taskbar: there while a sequence runs, its tooltip read as a user
// hovering over it sees it, its menu clicked and picked from by keyboard.
#include "LaunchFixture.h"
#include "TrayIcon.h"

namespace {

// A group as a user of the system's code page names it: ニュース in 932,
// Café in 1252. The tooltip shows it with the program's Japanese sentence
// whole under either.
struct GroupName {
    const char *ansi;
    const wchar_t *wide;
};
const GroupName NEWS = ::GetACP() == 932 ? GroupName{"\x83\x6a\x83\x85\x81\x5b\x83\x58", L"ニュース"}
                                         : GroupName{"Caf\xe9", L"Café"};

class NotifyIcon : public NetworkListTest {
protected:
    // Starts the group NEWS with these options, the network up.
    void StartNews(const std::vector<std::string> &entries, const std::string &options, const char *network = INTERNET)
    {
        m_netlist.Configure(network);
        std::string ini = GroupIni(entries, options);
        ini.replace(ini.find("GNAME=day"), 9, std::string("GNAME=") + NEWS.ansi);
        WriteIniText(ini);
        ASSERT_TRUE(m_app.Start());
        ASSERT_TRUE(m_app.WaitWindow());
        m_app.Click(IDC_START);
        ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(m_app.Window()); }));
    }

    bool Shown() const { return TrayIconShown(m_app.Window(), ID_NOTIFY_ICON); }
    bool WaitShown(bool shown, DWORD ms = 5000) const
    {
        return WaitUntil([&] { return Shown() == shown; }, ms);
    }
};

// "<group>: n/m ページ、次は s 秒後" ("<group>: n/m pages, next in s s")
// with n/m as given: s, else -1.
int SecondsIn(const std::wstring &tip, const std::wstring &pages)
{
    const std::wstring head = NEWS.wide + (L": " + pages) + Shown(L" ページ、次は ", L" pages, next in ");
    const std::wstring suffix = Shown(L" 秒後", L" s");
    const size_t tail = suffix.size();
    if (tip.size() <= head.size() + tail || tip.compare(0, head.size(), head) != 0 ||
        tip.compare(tip.size() - tail, tail, suffix) != 0)
        return -1;
    const std::wstring digits = tip.substr(head.size(), tip.size() - head.size() - tail);
    return digits.find_first_not_of(L"0123456789") == std::wstring::npos ? std::stoi(digits) : -1;
}

// What the tooltip should say of the seconds at now, for a step timer of
// delay seconds started at start (ms of the same clock).
int SecondsLeft(int delay, DWORD start, DWORD now)
{
    const int left = delay * 1000 - static_cast<int>(now - start);
    return (left + 999) / 1000;
}

TEST_F(NotifyIcon, TooltipTellsTheNetworkWaitThenThePagesAndTheSeconds)
{
    StartNews({"IE http://one/", "IE http://two/", "IE http://three/"}, "Delay=30\r\nWait_Network=1\r\n", LOCAL_ONLY);
    ASSERT_TRUE(WaitShown(true)) << "the icon shows while the sequence waits";
    const std::wstring waiting = NEWS.wide + std::wstring(::Shown(L": ネットワークの接続を待っています", L": waiting for the network"));
    EXPECT_EQ(waiting, HoverFirstTrayIcon([&](const std::wstring &tip) { return tip == waiting; }));
    EXPECT_EQ(L"<Orvanta>", WindowText(m_app.Window())) << "the title stays: a second start looks for it";

    m_netlist.Configure(INTERNET);
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    // The step timer starts once Internet Explorer has taken the page.
    const DWORD opened = m_explorer.Events("navigate").at(0).time;
    const std::wstring stepping = HoverFirstTrayIcon([](const std::wstring &tip) { return SecondsIn(tip, L"1/3") >= 0; });
    const DWORD read = ::GetTickCount();
    ASSERT_GE(SecondsIn(stepping, L"1/3"), 0) << "read: " << AnsiFromWide(stepping.c_str());
    EXPECT_NEAR(SecondsLeft(30, opened, read), SecondsIn(stepping, L"1/3"), 1);
    EXPECT_TRUE(Shown());
}

TEST_F(NotifyIcon, MenuOpensTheNextPageNowAndStopsEvenWithNotSurf)
{
    StartNews({"IE http://one/", "IE http://two/", "IE http://three/"}, "Delay=30\r\nNotSurf=1\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000));
    ASSERT_TRUE(WaitShown(true));

    // "次のページを今すぐ開く", the first item, from a right click.
    ASSERT_TRUE(ClickFirstTrayIcon(true, m_app.Pid())) << "a right click opens the menu";
    const DWORD asked = ::GetTickCount();
    PressKeys({VK_DOWN, VK_RETURN});
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 2, 5000));
    const DWORD second = m_explorer.Events("navigate").at(1).time;
    EXPECT_LE(static_cast<int>(second - asked), 1000);
    EXPECT_EQ("http://two/", m_explorer.Events("navigate").at(1).args.at(1));
    const std::wstring tip = HoverFirstTrayIcon([](const std::wstring &text) { return SecondsIn(text, L"2/3") >= 0; });
    EXPECT_NEAR(SecondsLeft(30, second, ::GetTickCount()), SecondsIn(tip, L"2/3"), 1)
        << "the step timer starts again from the page: " << AnsiFromWide(tip.c_str());

    // The keyboard's choice of the icon (Wine has no Win+B to reach it)
    // opens the menu at the icon, wherever the mouse is.
    POINT icon;
    ASSERT_TRUE(FirstTrayIconPoint(icon));
    ::SetCursorPos(0, 0);
    ::PostMessageW(m_app.Window(), WM_NOTIFY_ICON, MAKEWPARAM(icon.x, icon.y), MAKELPARAM(NIN_KEYSELECT, ID_NOTIFY_ICON));
    HWND menu = WaitMenu(m_app.Pid(), 5000);
    RECT at = {};
    ::GetWindowRect(menu, &at);
    ::InflateRect(&at, 2, 2);
    EXPECT_TRUE(::PtInRect(&at, icon)) << at.left << "," << at.top << " " << icon.x << "," << icon.y;
    PressKeys({VK_ESCAPE});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(menu); }, 3000));

    // "中止", the second item, from a left click.
    ASSERT_TRUE(ClickFirstTrayIcon(false, m_app.Pid())) << "a left click opens the menu too";
    PressKeys({VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000)) << "restored";
    EXPECT_TRUE(WaitShown(false)) << "the icon goes with the sequence";
    EXPECT_FALSE(m_app.WaitExit(1000)) << "stopped by the user, the program stays";
    EXPECT_EQ(2u, m_explorer.Events("navigate").size());
}

TEST_F(NotifyIcon, GoesWhenTheLastPageHasOpened)
{
    StartNews({"IE http://one/", "IE http://two/"}, "Delay=2\r\n");
    ASSERT_TRUE(WaitShown(true));
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 2, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000));
    EXPECT_TRUE(WaitShown(false));
}

TEST_F(NotifyIcon, GoesWhenTheProgramClosesDuringASequence)
{
    StartNews({"IE http://one/", "IE http://two/"}, "Delay=30\r\n");
    ASSERT_TRUE(WaitShown(true));
    const HWND window = m_app.Window();
    m_app.Close();
    ASSERT_TRUE(m_app.WaitExit());
    EXPECT_FALSE(TrayIconShown(window, ID_NOTIFY_ICON));
}

TEST_F(NotifyIcon, ComesBackWhenTheTaskbarIsMadeAnewWhileASequenceRuns)
{
    StartNews({"IE http://one/", "IE http://two/"}, "Delay=30\r\n");
    ASSERT_TRUE(WaitShown(true));
    const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    ASSERT_TRUE(DeleteTrayIcon(m_app.Window(), ID_NOTIFY_ICON));
    ASSERT_FALSE(Shown());
    ::PostMessageW(m_app.Window(), taskbarCreated, 0, 0);
    ASSERT_TRUE(WaitShown(true));
    EXPECT_GE(SecondsIn(HoverFirstTrayIcon([](const std::wstring &tip) { return SecondsIn(tip, L"1/2") >= 0; }), L"1/2"), 0)
        << "with its tooltip";

    ::PostMessageW(m_app.Window(), WM_SYSCOMMAND, IDM_STOP, 0);
    ASSERT_TRUE(WaitShown(false));
    ::PostMessageW(m_app.Window(), taskbarCreated, 0, 0);
    m_app.Sync();
    EXPECT_FALSE(Shown()) << "no sequence, no icon";
}

} // namespace
