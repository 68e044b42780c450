// "-start" with a group, in the real Orvanta.exe, and a second start that
// hands its command line to the running launcher. Each group holds one
// Internet Explorer entry, so the automation stand-in's first navigation
// names the group that started.
#include "LaunchFixture.h"

namespace {

// "ニュース" in code page 932.
const char NEWS[] = "\x83\x6A\x83\x85\x81\x5B\x83\x58";

class StartGroup : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        WriteIniText(std::string("[Orvanta]\r\nG_NUM=1 2 3 5\r\nG_PREV=1\r\nDelay=2\r\n") +
                     "[G1]\r\nGNAME=day\r\nUL1=IE http://one/\r\nURL_Num=1\r\n" +
                     "[G2]\r\nGNAME=My News\r\nUL1=IE http://two/\r\nURL_Num=1\r\n" +
                     "[G3]\r\nGNAME=" + NEWS + "\r\nUL1=IE http://three/\r\nURL_Num=1\r\n" +
                     "[G5]\r\nGNAME=empty\r\nURL_Num=0\r\n");
    }

    // The URL of the first page opened, "" when none opened within ms.
    std::string FirstPage(DWORD ms = 10000) const
    {
        if (!m_explorer.WaitEvents("navigate", 1, ms))
            return "";
        return m_explorer.Events("navigate").at(0).args.at(1);
    }

    LPARAM SelectedGroup() const { return m_app.Groups().at(static_cast<size_t>(m_app.SelectedGroupIndex())).data; }

    void ExpectNoUrlMessage(const Launcher &app) const
    {
        HWND box = WaitProcessWindow(app.Pid(), L"Orvanta");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(L"表示するURLを設定して下さい", MessageBoxText(box));
        PressButton(box, IDOK);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
        EXPECT_TRUE(m_explorer.Events("navigate").empty());
    }
};

TEST_F(StartGroup, NumberStartsThatGroup)
{
    ASSERT_TRUE(m_app.Start("-start 2"));
    EXPECT_EQ("http://two/", FirstPage());
    ASSERT_TRUE(m_app.WaitWindow());
    m_app.Close();
    ASSERT_TRUE(m_app.WaitExit());
    EXPECT_EQ("2", ReadIniValue("Orvanta", "G_PREV"));
}

TEST_F(StartGroup, NameStartsThatGroup)
{
    ASSERT_TRUE(m_app.Start("-start ニュース"));
    EXPECT_EQ("http://three/", FirstPage());
}

TEST_F(StartGroup, QuotedNameInOtherCaseStartsThatGroup)
{
    ASSERT_TRUE(m_app.Start("-START \"my news\""));
    EXPECT_EQ("http://two/", FirstPage());
}

TEST_F(StartGroup, StartAloneStartsTheLastGroup)
{
    ASSERT_TRUE(m_app.Start("-start"));
    EXPECT_EQ("http://one/", FirstPage());
}

TEST_F(StartGroup, MissingOrEmptyGroupStartsNothing)
{
    for (const char *args : {"-start 4", "-start nowhere", "-start 5"}) {
        Launcher app;
        ASSERT_TRUE(app.Start(args));
        ExpectNoUrlMessage(app);
        ASSERT_TRUE(app.WaitWindow());
        EXPECT_FALSE(::IsIconic(app.Window())) << args;
    }
}

TEST_F(StartGroup, SecondStartHandsItsGroupToTheRunningLauncherAndEnds)
{
    ASSERT_TRUE(m_app.Start());
    ASSERT_TRUE(m_app.WaitWindow());
    const DWORD before = ::GetTickCount();
    Launcher second;
    ASSERT_TRUE(second.Start("-start 3"));
    ASSERT_TRUE(second.WaitExit(5000)) << "a launcher of its own: "
                                       << (FindProcessWindow(second.Pid(), L"<Orvanta>") != nullptr);
    const DWORD ended = ::GetTickCount() - before;
    EXPECT_LT(ended, 1000u) << "the second start ended after " << ended << " ms";
    EXPECT_EQ("http://three/", FirstPage());
    EXPECT_EQ(3, SelectedGroup()) << "chosen as if by hand";
    EXPECT_EQ(L"<Orvanta>", WindowText(m_app.Window()));
}

// Two starts at the same moment (the Startup shortcut and a task at logon):
// one launcher every time, and the other's "-start" handed to it.
TEST_F(StartGroup, TwoStartsAtOnceMakeOneLauncher)
{
    for (size_t round = 1; round <= 5; ++round) {
        Launcher plain, third;
        ASSERT_TRUE(plain.Start());
        ASSERT_TRUE(third.Start("-start 3"));
        ASSERT_TRUE(WaitUntil([&] { return plain.WaitExit(0) || third.WaitExit(0); })) << "two launchers, round " << round;
        const Launcher &launcher = plain.WaitExit(0) ? third : plain;
        ASSERT_TRUE(m_explorer.WaitEvents("navigate", round)) << round;
        EXPECT_EQ("http://three/", m_explorer.Events("navigate").back().args.at(1)) << round;
        EXPECT_FALSE(launcher.WaitExit(0)) << round;
        ::PostMessageW(FindProcessWindow(launcher.Pid(), L"<Orvanta>"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(launcher.WaitExit()) << round;
    }
}

TEST_F(StartGroup, SecondStartOfAMissingGroupStartsNothing)
{
    ASSERT_TRUE(m_app.Start());
    ASSERT_TRUE(m_app.WaitWindow());
    Launcher second;
    ASSERT_TRUE(second.Start("-start 9"));
    ASSERT_TRUE(second.WaitExit(5000));
    ExpectNoUrlMessage(m_app);
    EXPECT_EQ(1, SelectedGroup()) << "the choice stays";
}

TEST_F(StartGroup, SecondStartWithoutStartBringsTheLauncherToTheFront)
{
    ASSERT_TRUE(m_app.Start());
    ASSERT_TRUE(m_app.WaitWindow());
    ::PostMessageW(m_app.Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(m_app.Window()); }));
    Launcher second;
    ASSERT_TRUE(second.Start());
    ASSERT_TRUE(second.WaitExit(5000));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }));
    EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == m_app.Window(); }));
    ASSERT_TRUE(m_app.Sync());
    EXPECT_TRUE(m_explorer.Events("navigate").empty());
    EXPECT_TRUE(m_explorer.Events("start").empty());
}

} // namespace
