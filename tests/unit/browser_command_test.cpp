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
    ListedBrowser found{"Google Chrome - 仕事", "C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", "", 1, 0, "Profile 1",
                        FORM_APP, "\\\\.\\DISPLAY2"};
    ListedBrowser byHand{"Portable", "D:\\表\\fox.exe", "-P \"work\"", 0, 1, "", FORM_TAB, ""};
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
    EXPECT_EQ(FORM_APP, read.form);
    EXPECT_EQ(found.monitor, read.monitor);
    ASSERT_TRUE(ReadListedBrowser(2, read));
    EXPECT_EQ(byHand.program, read.program);
    EXPECT_EQ(byHand.args, read.args);
    EXPECT_EQ(1, read.bManual);
    EXPECT_EQ(0, read.bPrivate);
    EXPECT_EQ(FORM_TAB, read.form);
    // A form this copy does not know opens as a tab.
    WriteIniString("Browser1", "Window", "hologram");
    ASSERT_TRUE(ReadListedBrowser(1, read));
    EXPECT_EQ(FORM_TAB, read.form);
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
    const ListedBrowser chrome{"Chrome", "C:\\c\\chrome.exe", "", 0, 0, "", FORM_TAB, ""};
    const ListedBrowser incognito{"Chrome", "C:\\c\\chrome.exe", "", 1, 0, "", FORM_TAB, ""};
    const ListedBrowser edge{"Edge", "C:\\e\\msedge.exe", "", 1, 0, "", FORM_TAB, ""};
    const ListedBrowser firefox{"Firefox", "C:\\f\\firefox.exe", "", 0, 0, "", FORM_TAB, ""};
    const ListedBrowser firefoxPrivate{"Firefox", "C:\\f\\firefox.exe", "", 1, 0, "", FORM_TAB, ""};
    const ListedBrowser byHand{"Mine", "C:\\m\\mine.exe", "--profile \"a b\"", 1, 1, "", FORM_TAB, ""};
    const ListedBrowser byHandChrome{"Work", "C:\\c\\chrome.exe", "--profile-directory=Work", 0, 1, "", FORM_TAB, ""};
    const ListedBrowser chromeWork{"Chrome - Work", "C:\\c\\chrome.exe", "", 0, 0, "Profile 1", FORM_TAB, ""};
    const ListedBrowser edgeWork{"Edge - Work", "C:\\e\\msedge.exe", "", 1, 0, "Profile 2", FORM_TAB, ""};
    const ListedBrowser firefoxWork{"Firefox - work", "C:\\f\\firefox.exe", "", 0, 0, "work", FORM_TAB, ""};
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

// Three monitors as Windows reports them: the primary at 200 % with the
// taskbar below, one at 100 % to its right, one at 150 % to its left,
// ending level with its bottom edge; each browser gets the right one's
// work area in its own terms.
const std::vector<MonitorArea> WALL = {
    {"\\\\.\\DISPLAY2", {3840, 0, 5760, 1080}, {3840, 0, 5760, 1080}, 96, false},
    {"\\\\.\\DISPLAY1", {0, 0, 3840, 2160}, {0, 0, 3840, 2064}, 192, true},
    {"\\\\.\\DISPLAY3", {-2560, 720, 0, 2160}, {-2560, 720, 0, 2112}, 144, false},
};

TEST(MonitorLayout, ChromiumSeesEachMonitorScaledAndTouchingTheOneItTouches)
{
    const std::vector<ScreenRect> dip = DipLayout(WALL);
    EXPECT_EQ((ScreenRect{1920, 0, 3840, 1080}), dip[0]);
    EXPECT_EQ((ScreenRect{0, 0, 1920, 1080}), dip[1]);
    EXPECT_EQ((ScreenRect{-1706, 120, 0, 1080}), dip[2]);
    EXPECT_EQ((ScreenRect{0, 0, 1920, 1032}), DipWorkArea(WALL, 1));
    EXPECT_EQ((ScreenRect{-1706, 120, 0, 1048}), DipWorkArea(WALL, 2));
    // Above a 125 % primary, a third of the way along: the offset scales
    // with the primary.
    const std::vector<MonitorArea> above = {
        {"\\\\.\\DISPLAY1", {0, 0, 2560, 1440}, {0, 0, 2560, 1380}, 120, true},
        {"\\\\.\\DISPLAY2", {480, -1080, 2400, 0}, {480, -1080, 2400, 0}, 96, false},
        {"\\\\.\\DISPLAY3", {9000, 0, 10000, 800}, {9000, 0, 10000, 800}, 192, false},
    };
    EXPECT_EQ((ScreenRect{384, -1080, 2304, 0}), DipLayout(above)[1]);
    EXPECT_EQ((ScreenRect{4500, 0, 5000, 400}), DipLayout(above)[2]);    // touches none: as it is
    EXPECT_EQ(1, FirefoxScreenIndex(WALL, 0));
    EXPECT_EQ(0, FirefoxScreenIndex(WALL, 1));
    EXPECT_EQ(2, FirefoxScreenIndex(WALL, 2));
    EXPECT_EQ(2, MonitorIndex(WALL, "\\\\.\\DISPLAY3"));
    EXPECT_EQ(1, MonitorIndex(WALL, "\\\\.\\DISPLAY9"));
    EXPECT_EQ(-1, MonitorIndex({}, "\\\\.\\DISPLAY1"));
    for (const auto &n : {std::make_pair("\\\\.\\DISPLAY2", 2), {"\\\\.\\DISPLAY12", 12}, {"", 0}, {"X", 0}, {"D12345678901", 0}})
        EXPECT_EQ(n.second, MonitorNumber(n.first)) << n.first;
}

TEST(BrowserCommand, EachFormAndMonitorInTheFamilysOwnSwitches)
{
    const char *DISPLAY3 = "\\\\.\\DISPLAY3";
    const struct {
        int line;
        const char *program;
        int isPrivate, form;
        const char *monitor, *url;
        const char *switches;    // between the program and the end
    } cases[] = {
        {__LINE__, "chrome.exe", 0, FORM_WINDOW, "", "http://a/", " --new-window \"http://a/\""},
        {__LINE__, "chrome.exe", 0, FORM_APP, "", "-a\"b", " --app=\"-a%22b\""},
        {__LINE__, "chrome.exe", 0, FORM_APP, "", "", " --new-window"},
        {__LINE__, "chrome.exe", 1, FORM_APP, DISPLAY3, "http://a/",
         " --incognito --window-position=-1706,120 --window-size=1706,928 --app=\"http://a/\""},
        {__LINE__, "brave.exe", 0, FORM_FULLSCREEN, "\\\\.\\DISPLAY7", "http://a/",
         " --new-window --start-fullscreen --window-position=0,0 --window-size=1920,1032 \"http://a/\""},
        {__LINE__, "msedge.exe", 0, FORM_KIOSK, "\\\\.\\DISPLAY2", "http://a/",
         " --kiosk --edge-kiosk-type=fullscreen --window-position=1920,0 --window-size=1920,1080 \"http://a/\""},
        {__LINE__, "chrome.exe", 0, FORM_KIOSK, "", "http://a/", " --kiosk \"http://a/\""},
        {__LINE__, "chrome.exe", 0, FORM_TAB, DISPLAY3, "http://a/", " \"http://a/\""},
        {__LINE__, "firefox.exe", 0, FORM_KIOSK, "\\\\.\\DISPLAY2", "http://a/", " --kiosk --kiosk-monitor 1 \"http://a/\""},
        {__LINE__, "firefox.exe", 1, FORM_KIOSK, "", "-x", " --kiosk -private-window -url \"-x\""},
        {__LINE__, "firefox.exe", 0, FORM_WINDOW, DISPLAY3, "http://a/", " -new-window \"http://a/\""},
        {__LINE__, "firefox.exe", 0, FORM_APP, DISPLAY3, "http://a/", " \"http://a/\""},
        {__LINE__, "firefox.exe", 0, FORM_FULLSCREEN, "", "http://a/", " \"http://a/\""},
        {__LINE__, "other.exe", 0, FORM_KIOSK, DISPLAY3, "http://a/", " \"http://a/\""},
    };
    for (const auto &c : cases) {
        const ListedBrowser browser{"B", c.program, "", c.isPrivate, 0, "", c.form, c.monitor};
        // Every form but the tab wins over what the launch options ask; a
        // form the family lacks is a tab.
        const bool ownWindow = c.form != FORM_TAB && FamilyHasForm(FamilyOfProgram(c.program), c.form);
        for (int window : {WINDOW_TAB, WINDOW_NEW}) {
            if (window == WINDOW_NEW && !ownWindow)
                continue;
            EXPECT_EQ("\"" + std::string(c.program) + "\"" + c.switches, BrowserCommandLine(browser, c.url, window, WALL))
                << "case at line " << c.line;
        }
    }
    // What the browser dialog offers each family: a letter a form, capital
    // when it takes a monitor, "-" when it is not offered.
    std::string offered;
    for (BrowserFamily family : {FAMILY_CHROMIUM, FAMILY_EDGE, FAMILY_FIREFOX, FAMILY_OTHER}) {
        for (int form = 0; form < FORM_COUNT; ++form)
            offered += !FamilyHasForm(family, form) ? '-' : FamilyPlaces(family, form) ? "TWAFK"[form] : "twafk"[form];
        offered += ' ';
    }
    EXPECT_EQ("tWAFK tWAFK tw--K t---- ", offered);
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
