// A machine of today: ".htm" opens in a browser that is neither Navigator
// nor Explorer, so entries for the default browser go to the system's URL
// association. Our stand-in for that browser is the "http" handler of the
// prefix and logs the command line each copy is started with.
#include "LaunchFixture.h"

#include "res/resource.h"

namespace {

class DefaultBrowser : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", "ChromeHTML"));
        ASSERT_TRUE(m_today.Install(DdeServerSettings("TODAY", "", -1)));
        const std::string command = "\"" + m_today.Path() + "\" \"%1\"";
        for (const char *scheme : {"http", "https"}) {
            ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, scheme, std::string("URL:") + scheme));
            ASSERT_TRUE(SetKeyValue(HKEY_CLASSES_ROOT, scheme, "URL Protocol", REG_SZ, std::string(1, '\0')));
            ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, std::string(scheme) + "\\shell\\open\\command", command));
        }
    }
    void TearDown() override
    {
        m_today.Quit();
        LaunchTest::TearDown();
    }

    // The command lines the default browser was started with, in order.
    std::vector<std::string> StartLines() const
    {
        std::vector<std::string> lines;
        for (const FakeEvent &e : m_today.Events("start"))
            lines.push_back(e.args.at(1));
        return lines;
    }

    FakeProgram m_today{"today", "fake_browser.exe"};
};

TEST_F(DefaultBrowser, EntriesForTheDefaultBrowserOpenInItOnePerStep)
{
    StartGroup({"DEF https://news.example/?a=1&b=2", "IE http://old/", "DEF about:blank", "DEF"}, "Delay=2\r\n");
    ASSERT_TRUE(m_today.WaitEvents("start", 3, 20000));
    const std::string program = "\"" + m_today.Path() + "\"";
    EXPECT_EQ((std::vector<std::string>{program + " \"https://news.example/?a=1&b=2\"", program + " about:blank", program}),
              StartLines());
    // Internet Explorer's phase comes first, then a page every two seconds.
    const std::vector<FakeEvent> starts = m_today.Events("start");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate"));
    EXPECT_LT(m_explorer.Events("start").at(0).time, starts[0].time);
    EXPECT_NEAR(2000, static_cast<int>(starts[1].time - starts[0].time), 400);
    EXPECT_NEAR(2000, static_cast<int>(starts[2].time - starts[1].time), 400);
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000)) << "restored after the last page";
}

TEST_F(DefaultBrowser, UsingTheDefaultBrowserForAllSendsEveryEntryThere)
{
    StartGroup({"NN http://n/", "IE http://i/", "DEF http://d/?q=\"x\""}, "Delay=2\r\nUSE_Browser=4\r\n");
    ASSERT_TRUE(m_today.WaitEvents("start", 3, 20000));
    const std::string program = "\"" + m_today.Path() + "\" ";
    // A double quote would end the quoted argument early: it goes as %22,
    // which names the same address.
    EXPECT_EQ((std::vector<std::string>{program + "\"http://n/\"", program + "\"http://i/\"", program + "\"http://d/?q=%22x%22\""}),
              StartLines());
    EXPECT_TRUE(m_explorer.Events("navigate").empty()) << "nothing goes to Internet Explorer";
}

TEST_F(DefaultBrowser, EntriesStayOutWhenOnlyAnOldBrowserIsChosen)
{
    StartGroup({"DEF http://d/", "IE http://i/"}, "Delay=2\r\nUSE_Browser=2\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000));
    EXPECT_TRUE(StartLines().empty());
}

} // namespace
