// The registry of a stock Windows 10/11: ".htm" and the "http" class stay
// Internet Explorer's, the user's choice for "http" links names another
// browser's class. Our stand-ins log the command line of each copy.
#include "LaunchFixture.h"

#include "res/resource.h"

namespace {

const char URL_CHOICES[] = "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\";

class DefaultBrowser : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", "htmlfile"));
        for (FakeProgram *fake : {&m_today, &m_iexplore, &m_evil})
            ASSERT_TRUE(fake->Install(DdeServerSettings("NONE", "", -1)));
        for (const char *scheme : {"http", "https"}) {
            ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, std::string(scheme) + "\\shell\\open\\command",
                                      "\"" + m_iexplore.Path() + "\" %1"));
            ASSERT_TRUE(SetKeyValue(HKEY_CURRENT_USER, URL_CHOICES + std::string(scheme) + "\\UserChoice", "ProgId", REG_SZ,
                                    std::string("TodayHTML", 10)));
        }
        // Firefox's form: the browser's own guard before the text.
        ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, "TodayHTML\\shell\\open\\command",
                                  "\"" + m_today.Path() + "\" -osint -url \"%1\""));
    }
    void TearDown() override
    {
        for (FakeProgram *fake : {&m_today, &m_iexplore, &m_evil})
            fake->Quit();
        LaunchTest::TearDown();
    }
    FakeProgram m_today{"today", "fake_browser.exe"};
    FakeProgram m_iexplore{"iexplore", "fake_browser.exe"};
    FakeProgram m_evil{"evil", "fake_browser.exe"};
};

TEST_F(DefaultBrowser, TheChosenBrowserOpensEveryTextOnePerStepAndNoTextRunsAProgram)
{
    const std::string evil = m_evil.Path();
    StartGroup({"DEF https://news.example/?a=1&b=2", "IE http://old/", "DEF " + evil, "DEF file:///C:/fakes/evil.exe",
                "DEF", "DEF http://after/"},
               "Delay=2\r\n");
    ASSERT_TRUE(m_today.WaitEvents("start", 5, 25000));
    EXPECT_EQ((std::vector<std::string>{" -osint -url \"https://news.example/?a=1&b=2\"", " -osint -url \"" + evil + "\"",
                                        " -osint -url \"file:///C:/fakes/evil.exe\"", "", " -osint -url \"http://after/\""}),
              Arguments(m_today));
    EXPECT_TRUE(m_evil.Events("start").empty()) << "a program's path is an address to the browser";
    EXPECT_TRUE(m_iexplore.Events("start").empty()) << "not the \"http\" class's own command";
    // Internet Explorer's phase comes first, then a page every two seconds.
    const std::vector<FakeEvent> starts = m_today.Events("start");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate"));
    EXPECT_EQ((std::vector<std::string>{"1", "http://old/"}), m_explorer.Events("navigate").at(0).args);
    EXPECT_LT(m_explorer.Events("start").at(0).time, starts[0].time);
    for (size_t i = 1; i < starts.size(); ++i)
        EXPECT_NEAR(2000, static_cast<int>(starts[i].time - starts[i - 1].time), 400) << i;
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000)) << "restored after the last page";
}

TEST_F(DefaultBrowser, UsingTheDefaultBrowserForAllSendsEveryEntryThere)
{
    StartGroup({"NN http://n/", "IE http://i/", "DEF http://d/?q=\"x\""}, "Delay=2\r\nUSE_Browser=4\r\n");
    ASSERT_TRUE(m_today.WaitEvents("start", 3, 20000));
    // A double quote would end the quoted argument early: it goes as %22,
    // which names the same address.
    EXPECT_EQ((std::vector<std::string>{" -osint -url \"http://n/\"", " -osint -url \"http://i/\"",
                                        " -osint -url \"http://d/?q=%22x%22\""}),
              Arguments(m_today));
    EXPECT_TRUE(m_explorer.Events("navigate").empty()) << "nothing goes to Internet Explorer";
}

TEST_F(DefaultBrowser, EntriesStayOutWhenOnlyAnOldBrowserIsChosen)
{
    StartGroup({"DEF http://d/", "IE http://i/"}, "Delay=2\r\nUSE_Browser=2\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000));
    EXPECT_TRUE(Arguments(m_today).empty());
}

} // namespace
