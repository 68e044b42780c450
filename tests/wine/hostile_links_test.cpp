// Browsers and system libraries that misbehave: the program keeps going,
// or keeps waiting as it should, and can always be closed.
#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "TestIni.h"

namespace {

const int IDC_START = 1000;

class HostileLinks : public IniTest {
protected:
    void SetUp() override
    {
        IniTest::SetUp();
        ASSERT_TRUE(m_explorer.Install(""));
        ASSERT_TRUE(RegisterAsExplorerServer(m_explorer));
        ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", "NetscapeMarkup"));
    }

    void StartGroup(const std::string &entries, const std::string &options)
    {
        WriteIniText("[Orvanta]\r\nG_NUM=1\r\nDelay=2\r\n" + options + "[G1]\r\nGNAME=g\r\n" + entries);
        ASSERT_TRUE(m_app.Start());
        ASSERT_TRUE(m_app.WaitWindow());
        m_app.Click(IDC_START);
    }

    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
    FakeProgram m_explorer{"explorer", "fake_explorer.exe"};
    Launcher m_app;
};

TEST_F(HostileLinks, ServerThatNeverAnswersCostsATimeOutPerExchange)
{
    ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE",
                                                             "WWW_ListWindows=11 12 0\r\nWWW_GetFrameParent=block\r\n"
                                                             "WWW_OpenURL=block",
                                                             0)));
    ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    StartGroup("UL1=NN http://a/\r\nUL2=NN http://b/\r\nUL3=IE http://c/\r\nURL_Num=3\r\n", "");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 20000));
    EXPECT_EQ((std::vector<std::string>{"1", "http://c/"}), m_explorer.Events("navigate").at(0).args);
    std::vector<std::string> opened;
    for (const FakeEvent &e : m_netscape.Events("request"))
        if (e.args.at(0) == "WWW_OpenURL")
            opened.push_back(e.args.at(2));
    EXPECT_EQ((std::vector<std::string>{" http://a/,,11,0,,,", " http://b/,,12,0,,,"}), opened);
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
    m_app.Close();
    EXPECT_TRUE(m_app.WaitExit());
}

TEST_F(HostileLinks, NetscapeThatEndsWithoutRegisteringHoldsTheRestUntilTheUserCloses)
{
    ASSERT_TRUE(m_netscape.Install("[fake]\r\nService=NETSCAPE\r\nRegister=-1\r\nLifetime=0\r\n"));
    ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    StartGroup("UL1=NN http://a/\r\nUL2=IE http://b/\r\nURL_Num=2\r\n", "G_PREV=1\r\n");
    ASSERT_TRUE(m_netscape.WaitEvents("exit"));
    EXPECT_TRUE(::IsIconic(m_app.Window()));
    EXPECT_TRUE(m_explorer.Events("navigate").empty());
    ::PostMessageW(m_app.Window(), WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }));
    m_app.Close();
    ASSERT_TRUE(m_app.WaitExit());
    EXPECT_EQ("1", ReadIniValue("Orvanta", "G_PREV"));
}

TEST_F(HostileLinks, MissingDialUpLibraryDoesNotMatterWithoutWaiting)
{
    WriteRasState("[ras]\r\nLoad=0\r\n");
    StartGroup("UL1=IE http://a/\r\nURL_Num=1\r\n", "Wait_Dialup=0\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    EXPECT_TRUE(RasEvents("enum").empty());
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
}

} // namespace

namespace {

TEST_F(HostileLinks, EntryOfFiveThousandCharactersOpensAsFarAsItWasRead)
{
    const std::string url = "http://long.example/" + std::string(5000 - 20, 'a');
    StartGroup("UL1=IE " + url + "\r\nURL_Num=1\r\n", "");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    // A value is read up to 1022 characters, "IE " included.
    EXPECT_EQ(url.substr(0, 1019), m_explorer.Events("navigate").at(0).args.at(1));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
}

} // namespace
