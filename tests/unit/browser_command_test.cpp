// Browsers of the program's list: their tags in the settings file, their
// sections, and the command line that hands one a URL.
#include "core/app/AssocCommand.h"
#include "core/app/BrowserCommand.h"
#include "core/settings/BrowserList.h"
#include "core/settings/SettingsFile.h"

#include "TestIni.h"

namespace {

TEST(BrowserTags, ListedBrowsersRoundTripAndEverythingElseIsDefault)
{
    for (int kind : {int(BK_NN), int(BK_IE), int(BK_DEF), BK_LISTED, BK_LISTED + 9, BK_LISTED + MAX_BROWSERS - 1})
        EXPECT_EQ(kind, KindOfTag(BrowserTag(kind))) << kind;
    EXPECT_EQ("B1", BrowserTag(BK_LISTED));
    EXPECT_EQ("B16", BrowserTag(BK_LISTED + 15));
    EXPECT_EQ("DEF", BrowserTag(BK_LISTED + MAX_BROWSERS));
    EXPECT_EQ("DEF", BrowserTag(-1));
    for (const char *tag : {"B0", "B17", "B01", "B+1", "B", "b1", "B1x", "B100", "B99", "NNN", "", "DEF", "X"})
        EXPECT_EQ(BK_DEF, KindOfTag(tag)) << tag;
}

class BrowserSections : public IniTest {};

TEST_F(BrowserSections, WrittenBrowsersReadBackAndFreeNumbersAreReused)
{
    EXPECT_EQ(1, FreeBrowserNumber());
    ListedBrowser found{"Google Chrome - 仕事", "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", "", 1, 0, "Profile 1"};
    ListedBrowser byHand{"Portable", "D:\\表\\fox.exe", "-P \"work\"", 0, 1, ""};
    WriteListedBrowser(1, found);
    WriteListedBrowser(2, byHand);
    EXPECT_EQ(3, FreeBrowserNumber());
    ListedBrowser read;
    ASSERT_TRUE(ReadListedBrowser(1, read));
    EXPECT_EQ(found.name, read.name);
    EXPECT_EQ(found.program, read.program);
    EXPECT_EQ(1, read.bPrivate);
    EXPECT_EQ(0, read.bManual);
    EXPECT_EQ("Profile 1", read.profile);
    ASSERT_TRUE(ReadListedBrowser(2, read));
    EXPECT_EQ(byHand.program, read.program);
    EXPECT_EQ(byHand.args, read.args);
    EXPECT_EQ(1, read.bManual);
    EXPECT_EQ(0, read.bPrivate);
    RemoveListedBrowser(1);
    EXPECT_FALSE(ReadListedBrowser(1, read));
    EXPECT_EQ(1, FreeBrowserNumber());
    EXPECT_FALSE(ReadListedBrowser(0, read));
    EXPECT_FALSE(ReadListedBrowser(MAX_BROWSERS + 1, read));
    // The main section and the groups are not touched.
    EXPECT_EQ((std::vector<std::string>{"Browser2"}), SectionsInOrder(ReadIniText()));
}

TEST(BrowserCommand, FamilyComesFromTheProgramsFileName)
{
    EXPECT_EQ(FAMILY_CHROMIUM, FamilyOfProgram("C:\\Google\\Chrome\\Application\\CHROME.EXE"));
    EXPECT_EQ(FAMILY_CHROMIUM, FamilyOfProgram("brave.exe"));
    EXPECT_EQ(FAMILY_CHROMIUM, FamilyOfProgram("C:\\V\\vivaldi.exe"));
    EXPECT_EQ(FAMILY_EDGE, FamilyOfProgram("C:\\Edge\\msedge.exe"));
    EXPECT_EQ(FAMILY_FIREFOX, FamilyOfProgram("C:\\Mozilla Firefox\\firefox.exe"));
    EXPECT_EQ(FAMILY_OTHER, FamilyOfProgram("C:\\chrome.exe\\other.exe"));
    EXPECT_EQ(FAMILY_OTHER, FamilyOfProgram("C:\\x\\notchrome.exe"));
}

TEST(BrowserCommand, UrlIsOneArgumentThatNoBrowserTakesForASwitch)
{
    const ListedBrowser chrome{"Chrome", "C:\\c\\chrome.exe", "", 0, 0, ""};
    const ListedBrowser incognito{"Chrome", "C:\\c\\chrome.exe", "", 1, 0, ""};
    const ListedBrowser edge{"Edge", "C:\\e\\msedge.exe", "", 1, 0, ""};
    const ListedBrowser firefox{"Firefox", "C:\\f\\firefox.exe", "", 0, 0, ""};
    const ListedBrowser firefoxPrivate{"Firefox", "C:\\f\\firefox.exe", "", 1, 0, ""};
    const ListedBrowser byHand{"Mine", "C:\\m\\mine.exe", "--profile \"a b\"", 1, 1, ""};
    const ListedBrowser byHandChrome{"Work", "C:\\c\\chrome.exe", "--profile-directory=Work", 0, 1, ""};
    const ListedBrowser chromeWork{"Chrome - Work", "C:\\c\\chrome.exe", "", 0, 0, "Profile 1"};
    const ListedBrowser edgeWork{"Edge - Work", "C:\\e\\msedge.exe", "", 1, 0, "Profile 2"};
    const ListedBrowser firefoxWork{"Firefox - work", "C:\\f\\firefox.exe", "", 0, 0, "work"};
    const struct {
        int line;
        const ListedBrowser &browser;
        const char *url;
        int window;
        const char *command;
    } cases[] = {
        {__LINE__, chrome, "http://a/", WINDOW_TAB, "\"C:\\c\\chrome.exe\" \"http://a/\""},
        {__LINE__, chrome, "http://a/", WINDOW_NEW, "\"C:\\c\\chrome.exe\" --new-window \"http://a/\""},
        {__LINE__, incognito, "http://a/", WINDOW_TAB, "\"C:\\c\\chrome.exe\" --incognito \"http://a/\""},
        {__LINE__, edge, "http://a/", WINDOW_NEW, "\"C:\\e\\msedge.exe\" --inprivate --new-window \"http://a/\""},
        {__LINE__, firefox, "http://a/", WINDOW_TAB, "\"C:\\f\\firefox.exe\" \"http://a/\""},
        {__LINE__, firefox, "http://a/", WINDOW_NEW, "\"C:\\f\\firefox.exe\" -new-window \"http://a/\""},
        {__LINE__, firefoxPrivate, "http://a/", WINDOW_NEW, "\"C:\\f\\firefox.exe\" -private-window \"http://a/\""},
        {__LINE__, byHand, "http://a/", WINDOW_NEW, "\"C:\\m\\mine.exe\" --profile \"a b\" \"http://a/\""},
        {__LINE__, byHandChrome, "http://a/", WINDOW_NEW, "\"C:\\c\\chrome.exe\" --profile-directory=Work \"http://a/\""},
        {__LINE__, chrome, "", WINDOW_NEW, "\"C:\\c\\chrome.exe\" --new-window"},
        {__LINE__, byHand, "", WINDOW_TAB, "\"C:\\m\\mine.exe\" --profile \"a b\""},
        {__LINE__, chrome, "about:blank", WINDOW_TAB, "\"C:\\c\\chrome.exe\" \"about:blank\""},
        {__LINE__, chrome, "http://a/?q=\"x y\"", WINDOW_TAB, "\"C:\\c\\chrome.exe\" \"http://a/?q=%22x y%22\""},
        {__LINE__, chrome, "--gpu-launcher=calc", WINDOW_TAB, "\"C:\\c\\chrome.exe\" -- \"--gpu-launcher=calc\""},
        {__LINE__, edge, "-x", WINDOW_TAB, "\"C:\\e\\msedge.exe\" --inprivate -- \"-x\""},
        {__LINE__, firefox, "-x", WINDOW_TAB, "\"C:\\f\\firefox.exe\" -url \"-x\""},
        {__LINE__, byHandChrome, "-x", WINDOW_TAB, "\"C:\\c\\chrome.exe\" --profile-directory=Work -- \"-x\""},
        {__LINE__, chromeWork, "http://a/", WINDOW_TAB, "\"C:\\c\\chrome.exe\" --profile-directory=\"Profile 1\" \"http://a/\""},
        {__LINE__, edgeWork, "-x", WINDOW_NEW, "\"C:\\e\\msedge.exe\" --profile-directory=\"Profile 2\" --inprivate --new-window -- \"-x\""},
        {__LINE__, firefoxWork, "http://a/", WINDOW_NEW, "\"C:\\f\\firefox.exe\" -P \"work\" -new-window \"http://a/\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.command, BrowserCommandLine(c.browser, c.url, c.window)) << "case at line " << c.line;
}

// The command the association gives for "http", filled in with an entry's
// text: the program the command names is started, never the text.
TEST(AssocCommand, TheTextTakesThePlaceOfPercentOneAndTheProgramIsTheCommands)
{
    const char FIREFOX[] = "\"C:\\F F\\firefox.exe\" -osint -url \"%1\"";
    const struct {
        int line;
        const char *command, *text, *commandLine;    // commandLine "": nothing starts
    } cases[] = {
        {__LINE__, "\"C:\\G\\chrome.exe\" --single-argument %1", "C:\\x.exe", "\"C:\\G\\chrome.exe\" --single-argument C:\\x.exe"},
        {__LINE__, FIREFOX, "a\" -P \"evil", "\"C:\\F F\\firefox.exe\" -osint -url \"a%22 -P %22evil\""},
        {__LINE__, FIREFOX, "", "\"C:\\F F\\firefox.exe\""},
        {__LINE__, "C:\\Program Files\\IE\\iexplore.exe %1", "a/%1%%", "\"C:\\Program Files\\IE\\iexplore.exe\" a/%1%%"},
        {__LINE__, "b.exe %L %* %2 %% %I", "u", "\"b.exe\" u   % %I"},
        {__LINE__, "  run.bat -x", "u", "\"run.bat\" -x \"u\""},
        {__LINE__, "\"C:\\open ended %1", "u", "\"C:\\open ended %1\" \"u\""},
        {__LINE__, "", "u", ""},
        {__LINE__, "a\"b.exe %1", "u", ""},
    };
    for (const auto &c : cases) {
        const AssocLaunch launch = AssocCommandLine(c.command, c.text);
        EXPECT_EQ(c.commandLine, launch.line) << "case at line " << c.line;
        EXPECT_EQ(launch.line.empty(), launch.program.empty()) << "case at line " << c.line;
    }
}

} // namespace
