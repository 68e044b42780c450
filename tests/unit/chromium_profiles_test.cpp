// Finding the Chromium-family profiles in the layouts of tests/data/chromium
// (each a stand-in for the local application data folder), and the kind
// their entries take.
#include "FileTree.h"
#include "TestIni.h"
#include "core/app/BrowserProfiles.h"
#include "core/bookmarks/ChromiumProfiles.h"
#include "core/settings/GroupList.h"
#include "core/text/Utf8Text.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// "browser | label | the directory's last two names".
std::vector<std::string> Profiles(const std::string &layout)
{
    std::vector<std::string> found;
    for (const ChromiumProfile &p : FindChromiumProfiles(TestDataPath("chromium/" + layout))) {
        const size_t profile = p.dir.find_last_of('\\');
        const size_t userData = p.dir.find_last_of('\\', profile - 1);
        found.push_back(std::string(ChromiumBrowserName(p.browser)) + " | " + p.label + " | " +
                        p.dir.substr(userData + 1));
    }
    return found;
}

TEST(ChromiumProfiles, EveryProfileWithBookmarksOfEveryBrowserByTheNameTheUserGaveIt)
{
    EXPECT_EQ((std::vector<std::string>{"Google Chrome | Google Chrome - Taro | User Data\\Default"}),
              Profiles("default-only"));
    EXPECT_EQ((std::vector<std::string>{
                  "Google Chrome | Google Chrome - Taro | User Data\\Default",
                  "Google Chrome | Google Chrome - 仕事 | User Data\\Profile 1",
                  "Google Chrome | Google Chrome - Ten | User Data\\Profile 10",
                  "Microsoft Edge | Microsoft Edge - Profile 1 | User Data\\Default",
                  "Brave | Brave - Brave user | User Data\\Default",
                  "Vivaldi | Vivaldi - Vivaldi user | User Data\\Default",
                  "Chromium | Chromium - Chromium user | User Data\\Default",
              }),
              Profiles("several"))
        << "no guest or system profile, none without a bookmark file, Profile 10 after Profile 1";
    EXPECT_EQ((std::vector<std::string>{"Google Chrome | Google Chrome - Default | User Data\\Default",
                                        "Google Chrome | Google Chrome - Profile 3 | User Data\\Profile 3"}),
              Profiles("no-local-state"));
    EXPECT_TRUE(Profiles("no such folder").empty());
}

TEST(ChromiumProfiles, ANameComesFromLocalStateWhenItHoldsOne)
{
    const std::string state = R"({"profile":{"info_cache":{"Default":{"name":"Taro"},"Profile 1":{"name":7},
                                 "Profile 2":{"name":""},"Profile 3":"x"}}})";
    EXPECT_EQ("Taro", ProfileName(state, "Default"));
    for (const char *dir : {"Profile 1", "Profile 2", "Profile 3", "Profile 4"})
        EXPECT_EQ(dir, ProfileName(state, dir));
    for (const char *bad : {"", "{", "[]", R"({"profile":[]})", R"({"profile":{"info_cache":5}})"})
        EXPECT_EQ("Default", ProfileName(bad, "Default")) << bad;
}

TEST(ChromiumProfiles, ABrowsersProgramIsKnownByItsFileName)
{
    const struct {
        const char *program;
        int browser;    // CHROMIUM_BROWSERS: none
    } cases[] = {
        {"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", CHROME},
        {"C:\\PROGRA~1\\Google\\Chrome\\Application\\CHROME.EXE", CHROME},
        {"C:\\Program Files (x86)\\Microsoft\\Edge\\Application\\msedge.exe", EDGE},
        {"C:\\Program Files\\BraveSoftware\\Brave-Browser\\Application\\brave.exe", BRAVE},
        {"C:\\Users\\taro\\AppData\\Local\\Vivaldi\\Application\\vivaldi.exe", VIVALDI},
        {"C:\\Users\\taro\\AppData\\Local\\Chromium\\Application\\chrome.exe", CHROMIUM},
        {"D:\\tools\\chromium.exe", CHROMIUM},
        {"C:\\Program Files\\Mozilla Firefox\\firefox.exe", CHROMIUM_BROWSERS},
        {"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe.bak", CHROMIUM_BROWSERS},
        {"C:\\Chromium-tools\\notchrome.exe", CHROMIUM_BROWSERS},
    };
    for (const auto &c : cases)
        for (int browser = 0; browser < CHROMIUM_BROWSERS; ++browser)
            EXPECT_EQ(browser == c.browser, ProgramIsBrowser(c.program, browser))
                << c.program << " as " << ChromiumBrowserName(browser);
}

using ChromiumKinds = IniTest;

TEST_F(ChromiumKinds, EntriesTakeTheListedBrowsersKindOfTheirProfileElseTheDefaultBrowsers)
{
    WriteIniText("[Browser1]\r\nName=Firefox\r\nProgram=C:\\Firefox\\firefox.exe\r\n"
                 "[Browser2]\r\nName=Chrome private\r\nProgram=C:\\Google\\Chrome\\chrome.exe\r\nPrivate=1\r\n"
                 "[Browser3]\r\nName=Chrome kiosk\r\nProgram=C:\\Google\\Chrome\\chrome.exe\r\nWindow=kiosk\r\n"
                 "[Browser4]\r\nName=Chrome\r\nProgram=C:\\Google\\Chrome\\chrome.exe\r\n"
                 "[Browser5]\r\nName=Edge private\r\nProgram=C:\\Edge\\msedge.exe\r\nPrivate=1\r\n"
                 "[Browser6]\r\nName=Chrome again\r\nProgram=C:\\Google\\Chrome\\chrome.exe\r\n"
                 "[Browser7]\r\nName=Chrome - Work\r\nProgram=C:\\Google\\Chrome\\chrome.exe\r\nProfile=Profile 3\r\n"
                 "[Browser8]\r\nName=Chrome - Home\r\nProgram=C:\\Google\\Chrome\\chrome.exe\r\nProfile=Profile 1\r\nPrivate=1\r\n");
    EXPECT_EQ(BK_LISTED + 3, ChromiumEntryKind(CHROME, "Default")) << "the first tab of ordinary windows";
    EXPECT_EQ(BK_LISTED + 6, ChromiumEntryKind(CHROME, "Profile 3")) << "the profile's own";
    EXPECT_EQ(BK_LISTED + 7, ChromiumEntryKind(CHROME, "Profile 1")) << "the profile's, though private";
    EXPECT_EQ(BK_LISTED + 4, ChromiumEntryKind(EDGE, "Default")) << "a private one when it is the only one";
    EXPECT_EQ(BK_DEF, ChromiumEntryKind(BRAVE, "Default"));
    EXPECT_EQ(BK_DEF, ChromiumEntryKind(CHROMIUM, "Default")) << "Chrome's chrome.exe is not Chromium's";
    RemoveIni();
    EXPECT_EQ(BK_DEF, ChromiumEntryKind(CHROME, "Default")) << "no list";
}

// The browsers page offers each profile of an installed browser as a
// browser of its own; a start checks that a listed one is still there.
TEST(BrowserProfiles, EachProfileOfChromeAndFirefoxIsABrowserOfItsOwn)
{
    const std::string roaming = MakeTempDir("roaming");
    MakeDir(JoinPath(roaming, "Mozilla"));
    MakeDir(JoinPath(roaming, "Mozilla\\Firefox"));
    WriteBytes(JoinPath(roaming, "Mozilla\\Firefox\\profiles.ini"),
               "[General]\r\nName=not one\r\n[Profile1]\r\nName=work\r\nPath=Profiles/a.work\r\n"
               "[Profile0]\r\nName=default-release\r\nDefault=1\r\n[Profile2]\r\nName=say \"hi\"\r\n");
    const UserFolders folders{TestDataPath("chromium/several"), roaming};
    const ListedBrowser chrome{"Google Chrome", "C:\\G\\chrome.exe", "", 0, 0, "", FORM_TAB, ""};
    const ListedBrowser firefox{"Firefox", "C:\\F\\firefox.exe", "", 1, 0, "", FORM_TAB, ""};
    std::vector<std::string> offered;
    for (const ListedBrowser &browser : {chrome, firefox})
        for (const ListedBrowser &b : BrowserProfiles(browser, folders))
            offered.push_back(b.name + " | " + b.profile + (b.bPrivate ? " | private" : ""));
    EXPECT_EQ((std::vector<std::string>{"Google Chrome - Taro | Default", "Google Chrome - 仕事 | Profile 1",
                                        "Google Chrome - Ten | Profile 10", "Firefox - work | work | private",
                                        "Firefox - default-release | default-release | private"}),
              offered);
    for (const auto &[browser, profile, exists] : {std::make_tuple(chrome, "Profile 1", true), std::make_tuple(chrome, "Profile 7", false),
                                                   std::make_tuple(chrome, "", true), std::make_tuple(firefox, "work", true),
                                                   std::make_tuple(firefox, "not one", false)}) {
        ListedBrowser listed = browser;
        listed.profile = profile;
        EXPECT_EQ(exists, ProfileExists(listed, folders)) << profile;
    }
    RemoveTree(roaming);
}

} // namespace
