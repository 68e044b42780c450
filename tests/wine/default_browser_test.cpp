// The default browser on a machine of today, with the registry a stock
// Windows 10/11 has: ".htm" keeps Internet Explorer's "htmlfile" and the
// "http" class its command, while the user's choice for "http" links names
// another browser's class. Entries for the default browser go to the chosen
// browser, through its class's command; our stand-ins log the command line
// each copy is started with.
#include "LaunchFixture.h"

#include "res/resource.h"

namespace {

const char URL_CHOICES[] = "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\";
const char CHOICE[] = "\\UserChoice";
const char CHOICE_LATEST[] = "\\UserChoiceLatest\\ProgId";

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
            Choose(CHOICE, scheme, "TodayHTML");
        }
        // Firefox's form: the browser's own guard before the text.
        ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, "TodayHTML\\shell\\open\\command",
                                  "\"" + m_today.Path() + "\" -osint -url \"%1\""));
    }
    void TearDown() override
    {
        for (FakeProgram *fake : {&m_today, &m_iexplore, &m_evil})
            fake->Quit();
        DeleteKeyTree(HKEY_CURRENT_USER, std::string(URL_CHOICES) + "http");
        DeleteKeyTree(HKEY_CURRENT_USER, std::string(URL_CHOICES) + "https");
        LaunchTest::TearDown();
    }
    static void Choose(const char *key, const char *scheme, const char *progId)
    {
        const std::string name = std::string(URL_CHOICES) + scheme + key;
        if (progId)
            ASSERT_TRUE(SetKeyValue(HKEY_CURRENT_USER, name, "ProgId", REG_SZ, std::string(progId) + '\0'));
        else
            DeleteKeyTree(HKEY_CURRENT_USER, name);
    }

    // What each copy of the chosen browser was given after its program.
    std::vector<std::string> TodayArguments() const
    {
        std::vector<std::string> args;
        const std::string program = "\"" + m_today.Path() + "\"";
        for (const FakeEvent &e : m_today.Events("start"))
            args.push_back(e.args.at(1).substr(e.args.at(1).compare(0, program.size(), program) == 0 ? program.size() : 0));
        return args;
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
              TodayArguments());
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
              TodayArguments());
    EXPECT_TRUE(m_explorer.Events("navigate").empty()) << "nothing goes to Internet Explorer";
}

// Internet Explorer as the choice, the newer key before a stale older one,
// and no choice at all, where ".htm" decides as it always did.
TEST_F(DefaultBrowser, WhereTheChoiceOrElseHtmNamesInternetExplorerItsEntriesRideWithIt)
{
    const struct {
        const char *choice, *latest;
        bool explorer;
    } cases[] = {
        {"IE.HTTP", nullptr, true},
        {"IE.HTTP", "TodayHTML", false},
        {nullptr, nullptr, true},
    };
    for (const auto &c : cases) {
        const std::string name = std::string(c.choice ? c.choice : "-") + "/" + (c.latest ? c.latest : "-");
        Choose(CHOICE, "http", c.choice);
        Choose(CHOICE_LATEST, "http", c.latest);
        ASSERT_TRUE(m_explorer.Install(""));
        ASSERT_TRUE(m_today.Install(DdeServerSettings("NONE", "", -1)));
        StartGroup({"DEF http://d/", "IE http://i/"}, "Delay=2\r\n");
        ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000)) << name;
        ASSERT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 8000)) << name;
        // The browser's copy logs its start after the launcher has moved on.
        ASSERT_TRUE(c.explorer || m_today.WaitEvents("start")) << name;
        std::vector<std::string> navigated;
        for (const FakeEvent &e : m_explorer.Events("navigate"))
            navigated.push_back(e.args.at(1));
        const std::vector<std::string> both{"http://d/", "http://i/"}, own{"http://i/"}, today{" -osint -url \"http://d/\""};
        EXPECT_EQ(c.explorer ? both : own, navigated) << name;
        EXPECT_EQ(c.explorer ? std::vector<std::string>() : today, TodayArguments()) << name;
        m_app.Close();
        ASSERT_TRUE(m_app.WaitExit()) << name;
        m_explorer.Quit();
        m_today.Quit();
    }
}

TEST_F(DefaultBrowser, EntriesStayOutWhenOnlyAnOldBrowserIsChosen)
{
    StartGroup({"DEF http://d/", "IE http://i/"}, "Delay=2\r\nUSE_Browser=2\r\n");
    ASSERT_TRUE(m_explorer.WaitEvents("navigate", 1, 15000));
    EXPECT_TRUE(WaitUntil([&] { return !::IsIconic(m_app.Window()); }, 3000));
    EXPECT_TRUE(TodayArguments().empty());
}

} // namespace
