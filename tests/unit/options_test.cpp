// The start-up options in "Orvanta.ini": read in their order with their
// defaults, and only the changed keys written back, in the file's order.
#include "core/settings/Options.h"
#include "core/settings/SettingsFile.h"

#include "TestIni.h"

#include <vector>

namespace {

class OptionsFile : public IniTest {};

TEST_F(OptionsFile, MissingFileGivesTheDefaultsAndWritesNothing)
{
    int x = 0, y = 0;
    const Options o = ReadOptions(x, y);
    EXPECT_EQ(UB_FOLLOW, o.nUseBrowser);
    EXPECT_EQ(3, o.nDelay);
    EXPECT_EQ(0, o.bNotSurf);
    EXPECT_EQ(1, o.bReuseBrowser);
    EXPECT_EQ(0, o.bWaitDialup);
    EXPECT_EQ(BK_DEF, o.nPrevSelBrowser);
    EXPECT_EQ(0, o.nWindowNum);
    EXPECT_EQ(0, o.bWaitNetwork);
    EXPECT_EQ(120, o.nWaitNetworkMax);
    EXPECT_EQ(-1, x);
    EXPECT_EQ(-1, y);
    EXPECT_FALSE(IniExists());
}

TEST_F(OptionsFile, StoredValuesAreReadAsHeldWhateverTheirCase)
{
    WriteIniText("[Orvanta]\r\nuse_browser=4\r\nDELAY=-7\r\nXPOS=12\r\nYPOS=34\r\nNotSurf=1\r\n"
                 "Reuse_Browser=0\r\nWait_Dialup=1\r\nPrev_Sel_Browser=1\r\nWindowNum=2147483647\r\n"
                 "wait_network=1\r\nWait_Network_Max=0\r\n");
    int x, y;
    const Options o = ReadOptions(x, y);
    EXPECT_EQ(UB_DEFAULT, o.nUseBrowser);
    EXPECT_EQ(-7, o.nDelay);
    EXPECT_EQ(12, x);
    EXPECT_EQ(34, y);
    EXPECT_EQ(1, o.bNotSurf);
    EXPECT_EQ(0, o.bReuseBrowser);
    EXPECT_EQ(1, o.bWaitDialup);
    EXPECT_EQ(BK_IE, o.nPrevSelBrowser);
    EXPECT_EQ(2147483647, o.nWindowNum);
    EXPECT_EQ(1, o.bWaitNetwork);
    EXPECT_EQ(0, o.nWaitNetworkMax);
}

TEST_F(OptionsFile, OnlyChangedKeysAreWrittenInTheFilesOrder)
{
    Options held;
    Options chosen = held;
    bool written = true;
    EXPECT_EQ(0u, UpdateOptions(held, chosen, OPT_ALL, written));
    EXPECT_FALSE(IniExists()) << "nothing changed, nothing written";

    // Changed in the reverse of the file's order: written in the file's.
    chosen.bWaitNetwork = 1;
    chosen.nWindowNum = 1;
    chosen.bWaitDialup = 1;
    chosen.nDelay = -1;
    EXPECT_EQ(unsigned(OPT_DELAY | OPT_WAIT_DIALUP | OPT_WINDOWNUM | OPT_WAIT_NETWORK), UpdateOptions(held, chosen, OPT_ALL, written));
    EXPECT_TRUE(written);
    EXPECT_EQ((std::vector<std::string>{KEY_DELAY, KEY_WAIT_DIALUP, KEY_WINDOWNUM, KEY_WAIT_NETWORK}),
              KeysInOrder(ReadIniText(), INI_MAIN));
    EXPECT_EQ("-1", ReadIniValue(INI_MAIN, KEY_DELAY));
    EXPECT_EQ(-1, held.nDelay);
    EXPECT_EQ(1, held.nWindowNum);
}

TEST_F(OptionsFile, FieldsOutsideTheMaskStayAsHeld)
{
    Options held;
    Options chosen = held;
    chosen.nUseBrowser = UB_NN;
    chosen.nPrevSelBrowser = BK_NN;
    bool written = true;
    EXPECT_EQ(unsigned(OPT_PREV_SEL_BROWSER), UpdateOptions(held, chosen, OPT_PREV_SEL_BROWSER | OPT_WINDOWNUM, written));
    EXPECT_EQ(UB_FOLLOW, held.nUseBrowser);
    EXPECT_EQ("<missing>", ReadIniValue(INI_MAIN, KEY_USE_BROWSER));
    EXPECT_EQ(unsigned(OPT_USE_BROWSER), UpdateOptions(held, chosen, OPT_ALL, written));
    EXPECT_EQ("1", ReadIniValue(INI_MAIN, KEY_USE_BROWSER));
}

TEST(Options, LaunchNamesReadTheHeldValues)
{
    s_options = Options();
    s_options.nDelay = 17;
    s_nWindowNum = 1;
    EXPECT_EQ(17, s_nDelay);
    EXPECT_EQ(1, s_options.nWindowNum);
    s_options = Options();
}

} // namespace
