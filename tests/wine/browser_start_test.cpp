// Starting a new browser: a Netscape Navigator process with the entry's
// text as its command line, and Internet Explorer windows through the
// automation server (our fake, registered as CLSID_InternetExplorer's
// local server in the test's prefix).
#include "FakeBrowsers.h"
#include "app/BrowserLocation.h"
#include "app/BrowserStart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StartProgramTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_netscape.Install(DdeServerSettings("NETSCAPE", "", -1))); }

    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
};

TEST_F(StartProgramTest, ProcessGetsTheEntryTextAsItsWholeCommandLine)
{
    const std::vector<std::string> texts = {" http://www.example.com/", " \x95\x5c\x8e\xa6.html", " ", " http://a/ b \"c\""};
    for (const std::string &text : texts)
        EXPECT_EQ(0, StartProgram(m_netscape.Path().c_str(), text.c_str())) << text;
    ASSERT_TRUE(m_netscape.WaitEvents("start", texts.size()));
    std::vector<std::string> received;
    for (const FakeEvent &e : m_netscape.Events("start"))
        received.push_back(e.args.at(1));
    std::sort(received.begin(), received.end());
    std::vector<std::string> expected = texts;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, received);
}

TEST_F(StartProgramTest, StartsShownNormallyAtDefaultPlaceWithNormalPriority)
{
    ASSERT_EQ(0, StartProgram(m_netscape.Path().c_str(), " http://a/"));
    ASSERT_TRUE(m_netscape.WaitEvents("startup"));
    const std::string useDefault = std::to_string(static_cast<LONG>(CW_USEDEFAULT));
    EXPECT_EQ((std::vector<std::string>{std::to_string(STARTF_USESHOWWINDOW), std::to_string(SW_SHOWNORMAL), useDefault, useDefault,
                                        useDefault, useDefault, std::to_string(NORMAL_PRIORITY_CLASS)}),
              m_netscape.Events("startup").at(0).args);
}

TEST_F(StartProgramTest, LocatedNetscapeStartsWithTheUrl)
{
    ASSERT_TRUE(RegisterAsNetscape(m_netscape));
    char path[NETSCAPE_PATH_SIZE] = "";
    ASSERT_EQ(0, LocateNetscape(path));
    ASSERT_EQ(0, StartProgram(path, " http://located/"));
    ASSERT_TRUE(m_netscape.WaitEvents("start"));
    EXPECT_EQ(" http://located/", m_netscape.Events("start").at(0).args.at(1));
}

TEST_F(StartProgramTest, NothingToStartIsMinusOne)
{
    EXPECT_EQ(-1, StartProgram("C:\\fakes\\missing.exe", " http://a/"));
    EXPECT_EQ(-1, StartProgram("", " http://a/"));
    EXPECT_EQ(-1, StartProgram("\"C:\\fakes\\netscape.exe\" -automation", " http://a/"));
}

TEST_F(StartProgramTest, KeepsNoHandleOfTheNewProcess)
{
    ASSERT_EQ(0, StartProgram(m_netscape.Path().c_str(), " http://a/"));
    ASSERT_TRUE(m_netscape.WaitEvents("start"));
    const size_t before = ProcessHandleCount();
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(0, StartProgram(m_netscape.Path().c_str(), " http://a/"));
    ASSERT_TRUE(m_netscape.WaitEvents("start", 11));
    EXPECT_LE(ProcessHandleCount(), before + 1);
}

// Internet Explorer windows, each the fake server's next numbered object.
class ExplorerWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.Install(""));
        ASSERT_TRUE(RegisterAsExplorerServer(m_server));
        ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
        ResetIeBrowsers();
    }
    void TearDown() override
    {
        ReleaseIeBrowsers();
        ::CoUninitialize();
        EXPECT_TRUE(m_server.Quit());
    }

    // The server's events after its start, as "kind args...".
    std::vector<std::string> Calls() const
    {
        std::vector<std::string> calls;
        for (const FakeEvent &e : m_server.Events()) {
            if (e.kind == "start" || e.kind == "exit")
                continue;
            std::string call = e.kind;
            for (const std::string &arg : e.args)
                call += " " + arg;
            calls.push_back(call);
        }
        return calls;
    }

    FakeProgram m_server{"explorer", "fake_explorer.exe"};
};

TEST_F(ExplorerWindows, NewWindowNavigatesThenShows)
{
    IWebBrowser2 *browser = CreateExplorerWindow("http://www.example.com/");
    ASSERT_NE(nullptr, browser);
    EXPECT_EQ(browser, s_pIeBrowsers[0]);
    EXPECT_EQ(browser, IeBrowserAt(0));
    EXPECT_EQ(1, s_nIeBrowserCount);
    EXPECT_EQ((std::vector<std::string>{"create 1", "navigate 1 http://www.example.com/", "visible 1 -1"}), Calls());
    const std::vector<FakeEvent> starts = m_server.Events("start");
    ASSERT_EQ(1u, starts.size());
    EXPECT_NE(std::string::npos, starts[0].args.at(1).find("Embedding"));
}

TEST_F(ExplorerWindows, EmptyUrlShowsTheHomePage)
{
    ASSERT_NE(nullptr, CreateExplorerWindow(""));
    EXPECT_EQ((std::vector<std::string>{"create 1", "gohome 1", "visible 1 -1"}), Calls());
}

TEST_F(ExplorerWindows, UrlReachesTheBrowserInTheSystemCodePage)
{
    ASSERT_NE(nullptr, CreateExplorerWindow("http://a/\x95\x5c\x8e\xa6.html"));
    EXPECT_EQ("navigate 1 http://a/\x95\x5c\x8e\xa6.html", Calls().at(1));
}

TEST_F(ExplorerWindows, EightSlotsAndNoNinthWindow)
{
    std::vector<IWebBrowser2 *> made;
    for (int i = 0; i < IE_BROWSER_SLOTS; ++i)
        made.push_back(CreateExplorerWindow(("http://" + std::to_string(i) + "/").c_str()));
    for (int i = 0; i < IE_BROWSER_SLOTS; ++i) {
        EXPECT_NE(nullptr, made[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(made[static_cast<size_t>(i)], s_pIeBrowsers[i]) << i;
    }
    EXPECT_EQ(nullptr, CreateExplorerWindow("http://ninth/"));
    EXPECT_EQ(IE_BROWSER_SLOTS, s_nIeBrowserCount);
    EXPECT_EQ(static_cast<size_t>(IE_BROWSER_SLOTS), m_server.Events("create").size());

    // A freed slot takes the next window; the count only rises.
    ReleaseIeBrowser(3);
    EXPECT_EQ(nullptr, s_pIeBrowsers[3]);
    IWebBrowser2 *again = CreateExplorerWindow("http://again/");
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(again, s_pIeBrowsers[3]);
    EXPECT_EQ(IE_BROWSER_SLOTS + 1, s_nIeBrowserCount);
}

TEST_F(ExplorerWindows, ServerThatCannotStartLeavesTheSlotEmptyButCounts)
{
    ASSERT_TRUE(SetKeyDefault(HKEY_CLASSES_ROOT, CLSID_EXPLORER_SERVER, "C:\\fakes\\missing.exe"));
    EXPECT_EQ(nullptr, CreateExplorerWindow("http://a/"));
    EXPECT_EQ(nullptr, s_pIeBrowsers[0]);
    EXPECT_EQ(1, s_nIeBrowserCount);
}

TEST_F(ExplorerWindows, NavigateReportsWhetherTheWindowTookTheUrl)
{
    IWebBrowser2 *first = CreateExplorerWindow("http://a/");
    IWebBrowser2 *second = CreateExplorerWindow("http://b/");
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(1, NavigateExplorer("http://c/", first));
    EXPECT_EQ(1, NavigateExplorer("", first));
    m_server.Configure("[closed]\r\n2=1\r\n");
    EXPECT_EQ(0, NavigateExplorer("http://d/", second));
    EXPECT_EQ(1, NavigateExplorer("http://e/", first));
    const std::vector<std::string> calls = Calls();
    EXPECT_EQ((std::vector<std::string>{"navigate 1 http://c/", "navigate 1 ", "navigate-failed 2 http://d/", "navigate 1 http://e/"}),
              std::vector<std::string>(calls.end() - 4, calls.end()));
}

TEST_F(ExplorerWindows, NavigateOnAWindowWhoseServerEndedFails)
{
    IWebBrowser2 *browser = CreateExplorerWindow("http://a/");
    ASSERT_NE(nullptr, browser);
    ASSERT_TRUE(m_server.Quit());
    EXPECT_EQ(0, NavigateExplorer("http://b/", browser));
    ReleaseIeBrowser(0);
    EXPECT_EQ(nullptr, s_pIeBrowsers[0]);
}

TEST_F(ExplorerWindows, CloseReleasesEverySlot)
{
    ASSERT_NE(nullptr, CreateExplorerWindow("http://a/"));
    ASSERT_NE(nullptr, CreateExplorerWindow("http://b/"));
    ASSERT_NE(nullptr, CreateExplorerWindow("http://c/"));
    ReleaseIeBrowser(1);
    EXPECT_EQ(1u, m_server.Events("release").size());
    ReleaseIeBrowsers();
    ASSERT_TRUE(m_server.WaitEvents("release", 3));
    for (int i = 0; i < IE_BROWSER_SLOTS; ++i)
        EXPECT_EQ(nullptr, IeBrowserAt(i)) << i;
    EXPECT_EQ(nullptr, IeBrowserAt(-1));
    EXPECT_EQ(nullptr, IeBrowserAt(IE_BROWSER_SLOTS));
    EXPECT_EQ(3, s_nIeBrowserCount);
    ReleaseIeBrowser(1);
    ReleaseIeBrowsers();
}

TEST_F(ExplorerWindows, ResetEmptiesTheSlotsAndTheCount)
{
    ASSERT_NE(nullptr, CreateExplorerWindow("http://a/"));
    ReleaseIeBrowsers();
    ResetIeBrowsers();
    EXPECT_EQ(0, s_nIeBrowserCount);
    EXPECT_EQ(nullptr, s_pIeBrowsers[0]);
}

} // namespace
