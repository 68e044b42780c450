// Browsers and system libraries that misbehave: the program keeps going,
// or keeps waiting as it should, and can always be closed.
#include "LaunchFixture.h"

namespace {

class HostileLinks : public LaunchTest {
protected:
    // The group with Delay 2 and these options.
    void StartGroup(const std::vector<std::string> &entries, const std::string &options = "")
    {
        LaunchTest::StartGroup(entries, "Delay=2\r\n" + options);
    }
};

TEST_F(HostileLinks, ServerThatNeverAnswersCostsATimeOutPerExchange)
{
    ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE",
                                                             "WWW_ListWindows=11 12 0\r\nWWW_GetFrameParent=block\r\n"
                                                             "WWW_OpenURL=block",
                                                             0)));
    ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    StartGroup({"NN http://a/", "NN http://b/", "IE http://c/"});
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 20000));
    EXPECT_EQ((std::vector<std::string>{"1", "http://c/"}), m_explorer.Events("navigate").at(0).args);
    EXPECT_EQ((std::vector<std::string>{" http://a/,,11,0,,,", " http://b/,,12,0,,,"}), Items(m_netscape, "WWW_OpenURL"));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
    m_app.Close();
    EXPECT_TRUE(m_app.WaitExit());
}

TEST_F(HostileLinks, NetscapeThatEndsWithoutRegisteringHoldsTheRestUntilTheUserCloses)
{
    ASSERT_TRUE(m_netscape.Install("[fake]\r\nService=NETSCAPE\r\nRegister=-1\r\nLifetime=0\r\n"));
    ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    StartGroup({"NN http://a/", "IE http://b/"});
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
    StartGroup({"IE http://a/"}, "Wait_Dialup=0\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    EXPECT_TRUE(RasEvents("enum").empty());
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
}

TEST_F(HostileLinks, EntryOfFiveThousandCharactersOpensAsFarAsItWasRead)
{
    const std::string url = "http://long.example/" + std::string(5000 - 20, 'a');
    StartGroup({"IE " + url});
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 10000));
    // A value is read up to 1022 characters, "IE " included.
    EXPECT_EQ(url.substr(0, 1019), m_explorer.Events("navigate").at(0).args.at(1));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 5000));
}

} // namespace
