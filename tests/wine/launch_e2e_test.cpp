// Start in the real Orvanta.exe, with our stand-ins for the browsers: which
// browser gets which page, and when.
#include "LaunchFixture.h"

namespace {

// The milliseconds between two events, taken from the fakes' logs.
int Between(const FakeEvent &a, const FakeEvent &b) { return static_cast<int>(b.time - a.time); }

class LaunchEndToEnd : public LaunchTest {
protected:
    static void SetDefaultBrowser(const char *htmClass) { ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", htmClass)); }

    // Netscape Navigator that is not running yet: the program finds it
    // through App Paths and starts it; each copy registers after this long.
    void InstallNetscape(int registerAfter, const std::string &replies = "")
    {
        ASSERT_TRUE(m_netscape.Install(DdeServerSettings("NETSCAPE", replies, registerAfter)));
        ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    }
};

TEST_F(LaunchEndToEnd, NetscapeIsStartedAndWaitedForThenThePagesFollowEveryDelay)
{
    InstallNetscape(1500);
    // Navigator reads its command line in the code page: ✓ goes escaped.
    StartGroup({"NN http://one/", "NN http://two/✓", "IE http://three/"}, "Delay=3\r\n");
    EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(m_app.Window()); })) << "minimised while the pages open";
    // The dialog manager's own query of the default button, in the wait,
    // is not the news that the service is up.
    ASSERT_TRUE(m_netscape.WaitEvents("start"));
    SendWait(m_app.Window(), DM_GETDEFID);

    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000));
    const std::vector<FakeEvent> starts = m_netscape.Events("start");
    const std::vector<FakeEvent> registers = m_netscape.Events("register");
    ASSERT_EQ(2u, starts.size());
    ASSERT_GE(registers.size(), 1u);
    EXPECT_EQ(" http://one/", starts[0].args.at(1));
    EXPECT_EQ(" http://two/%E2%9C%93", starts[1].args.at(1));
    const FakeEvent navigate = m_explorer.Events("navigate").at(0);
    EXPECT_EQ((std::vector<std::string>{"1", "http://three/"}), navigate.args);
    // The step timer starts when the first copy registers. Internet
    // Explorer's page is asked for when COM starts its server.
    EXPECT_NEAR(3000, Between(registers[0], starts[1]), 400);
    EXPECT_NEAR(3000, Between(starts[1], m_explorer.Events("start").at(0)), 400);
    // The window comes back right after the last page.
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 2000));
    EXPECT_TRUE(::IsWindow(m_app.Window()));
}

TEST_F(LaunchEndToEnd, NotSurfEndsTheProgramAfterTheLastPage)
{
    InstallNetscape(0);
    StartGroup({"NN http://one/", "IE http://two/"}, "Delay=2\r\nNotSurf=1\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000));
    ASSERT_TRUE(m_app.WaitExit(5000));
    EXPECT_EQ("1", ReadIniValue("Orvanta", "G_PREV"));
    EXPECT_NE("<missing>", ReadIniValue("Orvanta", "XPOS"));
}

TEST_F(LaunchEndToEnd, ListedNetscapeWindowsTakeTheEntries)
{
    ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE", "WWW_ListWindows=11 12 0\r\nWWW_OpenURL=11", 0)));
    ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    // DDE carries the code page's text: a host beyond ASCII goes in punycode.
    StartGroup({"NN http://a/", "NN http://bücher.example/"}, "Delay=2\r\n");
    ASSERT_TRUE(WaitUntil([&] { return Items(m_netscape, "WWW_OpenURL").size() == 2; }, 10000));
    EXPECT_EQ((std::vector<std::string>{" http://a/,,11,0,,,", " http://xn--bcher-kva.example/,,12,0,,,"}),
              Items(m_netscape, "WWW_OpenURL"));
    EXPECT_EQ((std::vector<std::string>{"11", "12"}), Items(m_netscape, "WWW_GetFrameParent"));
    EXPECT_EQ(1u, m_netscape.Events("start").size()) << "no new Netscape Navigator";
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000));
}

TEST_F(LaunchEndToEnd, SingleWindowModeSendsLaterPagesToWindowMinusOne)
{
    ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE", "WWW_ListWindows=0", 0)));
    ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    StartGroup({"NN http://a/", "NN http://b/", "NN http://c/"}, "Delay=2\r\nWindowNum=1\r\n");
    ASSERT_TRUE(WaitUntil([&] { return Items(m_netscape, "WWW_OpenURL").size() == 2; }, 10000));
    const std::vector<FakeEvent> starts = m_netscape.Events("start");
    ASSERT_EQ(2u, starts.size()) << "the test's own copy and one for the first page";
    EXPECT_EQ(" http://a/", starts[1].args.at(1));
    EXPECT_EQ((std::vector<std::string>{" http://b/,,-1,0,,,", " http://c/,,-1,0,,,"}), Items(m_netscape, "WWW_OpenURL"));
}

TEST_F(LaunchEndToEnd, BrowserThatCannotBeStartedIsPassedOver)
{
    ASSERT_TRUE(SetKeyDefault(HKEY_LOCAL_MACHINE, APP_PATHS_NETSCAPE, "C:\\nowhere\\netscape.exe"));
    ASSERT_TRUE(DeleteKeyTree(HKEY_CLASSES_ROOT, "CLSID\\{EF5F7050-385A-11CE-8193-0020AF18F905}"));
    StartGroup({"NN http://lost/", "IE http://found/"}, "Delay=2\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    EXPECT_EQ((std::vector<std::string>{"1", "http://found/"}), m_explorer.Events("navigate").at(0).args);
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000));
}

TEST_F(LaunchEndToEnd, WaitsForTheDialUpConnection)
{
    ASSERT_TRUE(SetKeyValue(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                            "Enable Autodial", REG_BINARY, std::string("\x01\x00\x00\x00", 4)));
    WriteRasState("[ras]\r\nConnections=0\r\n");
    StartGroup({"IE http://after-dialup/"}, "Delay=2\r\nWait_Dialup=1\r\n");
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(m_app.Window()); }));
    // Nothing opens while no connection is up.
    ASSERT_TRUE(WaitUntil([] { return RasEvents("enum").size() >= 3; }, 10000));
    EXPECT_TRUE(m_explorer.Events("navigate").empty());
    const DWORD up = ::GetTickCount();
    WriteRasState("[ras]\r\nConnections=1\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 5000));
    // Polled once a second, and the first poll that finds the connection
    // opens the page. How long COM then takes to start the server is the
    // machine's, not the program's, so it is not timed.
    const std::vector<FakeEvent> after = EventsSince(RasEvents("enum"), up, m_explorer.Events("start").at(0).time);
    ASSERT_FALSE(after.empty());
    EXPECT_LE(static_cast<int>(after.back().time - up), 1300) << "one poll between the connection and the page";
}

// The launch commands of the system menu, as a user's choice sends them.

TEST_F(LaunchEndToEnd, OpenNextFromTheSystemMenuOpensTheNextPageNow)
{
    StartGroup({"IE http://one/", "IE http://two/", "IE http://three/"}, "Delay=30\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000));
    const DWORD asked = ::GetTickCount();
    ::PostMessageW(m_app.Window(), WM_SYSCOMMAND, IDM_OPEN_NEXT, 0);
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 2, 5000));
    EXPECT_LE(static_cast<int>(m_explorer.Events("navigate").at(1).time - asked), 1000);
    EXPECT_EQ("http://two/", m_explorer.Events("navigate").at(1).args.at(1));
    EXPECT_TRUE(::IsIconic(m_app.Window())) << "the third page is still to come";
    ::PostMessageW(m_app.Window(), WM_SYSCOMMAND, IDM_OPEN_NEXT, 0);
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 3, 5000));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000)) << "restored after the last page";
}

TEST_F(LaunchEndToEnd, StopFromTheSystemMenuOpensNothingMoreAndRestoresEvenWithNotSurf)
{
    StartGroup({"IE http://one/", "IE http://two/"}, "Delay=1\r\nNotSurf=1\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    ::PostMessageW(m_app.Window(), WM_SYSCOMMAND, IDM_STOP, 0);
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000));
    // Twice the delay: the second page would have opened by now.
    EXPECT_FALSE(m_explorer.WaitEvents("navigate", 2, 2000));
    EXPECT_FALSE(m_app.WaitExit(0)) << "stopped by the user, the program stays";
    EXPECT_TRUE(::IsWindowVisible(m_app.Window()));
}

} // namespace
