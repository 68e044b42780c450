// The group store against the real settings file: what LoadGroups,
// LoadGroupUrls and SaveGroup leave in "Orvanta.ini" and in theUrlTable.
#include "Cp932.h"
#include "TestIni.h"

#include "core/settings/GroupList.h"
#include "core/settings/SettingsFile.h"

#include <cstring>

namespace {

using GroupStore = IniTest;

std::vector<int> ExistingGroups(const CGroupList &groups)
{
    std::vector<int> numbers;
    for (int n = 0; n <= MAX_GROUPS + 1; ++n)
        if (groups.IsGroup(n))
            numbers.push_back(n);
    return numbers;
}

void SetEntry(int i, int kind, const char *url)
{
    theUrlTable.kind[i] = kind;
    std::snprintf(theUrlTable.text[i], URL_TEXT_SIZE, " %s", url);
}

TEST_F(GroupStore, LegacyListMovesIntoGroupOne)
{
    WriteIniText("[Orvanta]\r\nDelay=5\r\nURL_Num=3\r\nUL1=NN http://nn.example/\r\n"
                 "UL2=IE http://ie.example/\r\nUL3=DEF\r\n");
    CGroupList groups;
    EXPECT_EQ(0, groups.LoadGroups());
    EXPECT_EQ(std::vector<int>{1}, ExistingGroups(groups));

    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"Delay", "G_NUM"}), KeysInOrder(text, "Orvanta")) << text;
    EXPECT_EQ("1", ReadIniValue("Orvanta", "G_NUM"));
    EXPECT_EQ((std::vector<std::string>{"UL1", "UL2", "UL3", "URL_Num", "GNAME"}), KeysInOrder(text, "G1")) << text;
    EXPECT_EQ("Default", ReadIniValue("G1", "GNAME"));
    EXPECT_EQ("3", ReadIniValue("G1", "URL_Num"));
    EXPECT_EQ("NN http://nn.example/", ReadIniValue("G1", "UL1"));

    ASSERT_EQ(3, groups.LoadGroupUrls(1));
    EXPECT_EQ(BK_DEF, theUrlTable.kind[2]);
    EXPECT_STREQ(" ", theUrlTable.text[2]);
}

TEST_F(GroupStore, LegacyListKeepsItsGaps)
{
    WriteIniText("[Orvanta]\r\nURL_Num=3\r\nUL1=NN a\r\nUL3=IE c\r\n");
    CGroupList groups;
    groups.LoadGroups();
    EXPECT_EQ((std::vector<std::string>{"UL1", "UL3", "URL_Num", "GNAME"}), KeysInOrder(ReadIniText(), "G1"));
}

TEST_F(GroupStore, NoMigrationOnceAGroupIndexExists)
{
    const std::string before = "[Orvanta]\r\nG_PREV=2\r\nURL_Num=1\r\nUL1=NN a\r\n";
    WriteIniText(before);
    CGroupList groups;
    EXPECT_EQ(2, groups.LoadGroups());
    EXPECT_TRUE(ExistingGroups(groups).empty());
    EXPECT_EQ(before, ReadIniText());
}

TEST_F(GroupStore, NoFileMeansNoGroupsAndNothingWritten)
{
    CGroupList groups;
    EXPECT_EQ(0, groups.LoadGroups());
    EXPECT_TRUE(ExistingGroups(groups).empty());
    EXPECT_FALSE(IniExists());
}

struct GroupIndexCase {
    int line;
    const char *value;
    std::vector<int> groups;
};

class GroupIndex : public IniTest, public ::testing::WithParamInterface<GroupIndexCase> {};

TEST_P(GroupIndex, ParsesNumbersFromOneToSixteen)
{
    const GroupIndexCase &c = GetParam();
    WriteIniText(std::string("[Orvanta]\r\nG_NUM=") + c.value + "\r\n");
    CGroupList groups;
    groups.LoadGroups();
    EXPECT_EQ(c.groups, ExistingGroups(groups)) << "case at line " << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupIndex,
    ::testing::Values(GroupIndexCase{__LINE__, "3 1 17 0 x", {1, 3}}, GroupIndexCase{__LINE__, "16\t2", {2, 16}},
                      GroupIndexCase{__LINE__, "1\x82\x4f" "5", {1, 5}}, GroupIndexCase{__LINE__, "4\x80" "5", {4, 5}},
                      GroupIndexCase{__LINE__, "7x 8", {7, 8}}, GroupIndexCase{__LINE__, "-3 +4", {}},
                      GroupIndexCase{__LINE__, "99999999999999999999 2", {2}},
                      GroupIndexCase{__LINE__, "1  1   1", {1}}));

TEST_F(GroupStore, IndexIsRewrittenInAscendingOrder)
{
    WriteIniText("[Orvanta]\r\nG_NUM=3 1 17 0 x\r\n");
    CGroupList groups;
    groups.LoadGroups();
    groups.WriteGroupNumbers();
    EXPECT_EQ("1 3", ReadIniValue("Orvanta", "G_NUM"));
}

TEST_F(GroupStore, LongIndexIsReadUpTo510Characters)
{
    // 255 times "1 " and then a 2 that lies beyond the read.
    std::string value;
    for (int i = 0; i < 255; ++i)
        value += "1 ";
    WriteIniText("[Orvanta]\r\nG_NUM=" + value + "2\r\n");
    CGroupList groups;
    groups.LoadGroups();
    EXPECT_EQ(std::vector<int>{1}, ExistingGroups(groups));
}

TEST_F(GroupStore, NewGroupsTakeTheLowestFreeNumber)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1 2 4\r\n");
    CGroupList groups;
    groups.LoadGroups();
    EXPECT_EQ(3, groups.AllocGroup(0));
    EXPECT_EQ("1 2 4", ReadIniValue("Orvanta", "G_NUM"));
    EXPECT_EQ(3, groups.AllocGroup(1));
    EXPECT_EQ(5, groups.AllocGroup(1));
    EXPECT_EQ("1 2 3 4 5", ReadIniValue("Orvanta", "G_NUM"));
    EXPECT_EQ("<missing>", ReadIniValue("G3", "GNAME"));
}

TEST_F(GroupStore, NoSeventeenthGroup)
{
    CGroupList groups;
    for (int n = 1; n <= MAX_GROUPS; ++n)
        ASSERT_EQ(n, groups.AllocGroup(1));
    EXPECT_EQ(-1, groups.AllocGroup(1));
    EXPECT_EQ("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16", ReadIniValue("Orvanta", "G_NUM"));
}

TEST_F(GroupStore, DeletingTheLastGroupLeavesAnEmptyIndex)
{
    WriteIniText("[Orvanta]\r\nG_NUM=2\r\n[G2]\r\nGNAME=two\r\nURL_Num=0\r\n");
    CGroupList groups;
    groups.LoadGroups();
    groups.DeleteGroup(5);
    EXPECT_EQ("2", ReadIniValue("Orvanta", "G_NUM"));
    groups.DeleteGroup(2);
    EXPECT_EQ("", ReadIniValue("Orvanta", "G_NUM"));
    EXPECT_EQ((std::vector<std::string>{"Orvanta"}), SectionsInOrder(ReadIniText()));
}

TEST_F(GroupStore, EntriesAreTakenApartAtWhiteSpace)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nURL_Num=9\r\n"
                 "UL1=nn http://lower/\r\nUL2=IE http://a/ word\r\nUL3=NN\thttp://tab/\r\n"
                 "UL5=DEF \r\nUL6=XYZ http://other/\r\nUL7=NN about:blank\r\n");
    CGroupList groups;
    groups.LoadGroups();
    ASSERT_EQ(6, groups.LoadGroupUrls(1));
    const int kinds[] = {BK_DEF, BK_IE, BK_NN, BK_DEF, BK_DEF, BK_NN};
    const char *texts[] = {" http://lower/", " http://a/", " http://tab/", " ", " http://other/", " about:blank"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(kinds[i], theUrlTable.kind[i]) << i;
        EXPECT_STREQ(texts[i], theUrlTable.text[i]) << i;
    }
}

TEST_F(GroupStore, OnlyKeysUpToUrlNumAreRead)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1 2\r\n[G1]\r\nURL_Num=5\r\nUL2=NN b\r\nUL5=IE e\r\nUL6=IE f\r\n"
                 "[G2]\r\nUL1=NN a\r\n");
    CGroupList groups;
    groups.LoadGroups();
    ASSERT_EQ(2, groups.LoadGroupUrls(1));
    EXPECT_STREQ(" b", theUrlTable.text[0]);
    EXPECT_STREQ(" e", theUrlTable.text[1]);
    EXPECT_EQ(0, groups.LoadGroupUrls(2));
    EXPECT_EQ(-1, groups.LoadGroupUrls(3));
}

TEST_F(GroupStore, LoadingStopsAtEightEntries)
{
    std::string text = "[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nURL_Num=10\r\n";
    for (int k = 1; k <= 10; ++k)
        text += "UL" + std::to_string(k) + "=NN u" + std::to_string(k) + "\r\n";
    WriteIniText(text);
    CGroupList groups;
    groups.LoadGroups();
    ASSERT_EQ(MAX_URLS, groups.LoadGroupUrls(1));
    EXPECT_STREQ(" u8", theUrlTable.text[7]);
}

// Found by the fuzzer: each used to read some two thousand million keys.
TEST_F(GroupStore, HugeUrlNumReadsNoFurtherThanTheLastPossibleKey)
{
    WriteIniText("[Orvanta]\r\nURL_Num=7777777777777777773\r\nUL3=NN http://l/\r\nUL256=IE http://last/\r\n");
    CGroupList groups;
    EXPECT_EQ(0, groups.LoadGroups());
    EXPECT_EQ("NN http://l/", ReadIniValue("G1", "UL3"));
    EXPECT_EQ("IE http://last/", ReadIniValue("G1", "UL256"));
    ASSERT_EQ(2, groups.LoadGroupUrls(1));
    EXPECT_STREQ(" http://last/", theUrlTable.text[1]);

    WriteIniText("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nURL_Num=2147483647\r\nUL257=NN http://beyond/\r\n");
    groups.LoadGroups();
    EXPECT_EQ(0, groups.LoadGroupUrls(1));
}

TEST_F(GroupStore, OverlongValueIsCutAt1022Characters)
{
    const std::string url(5000, 'u');
    WriteIniText("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=" + std::string(3000, 'n') + "\r\nURL_Num=1\r\nUL1=IE " + url + "\r\n");
    CGroupList groups;
    groups.LoadGroups();
    ASSERT_EQ(1, groups.LoadGroupUrls(1));
    EXPECT_EQ(1 + 1022 - 3, std::strlen(theUrlTable.text[0]));
    char name[GROUP_NAME_SIZE];
    ASSERT_EQ(1, groups.ReadGroupName(1, name));
    EXPECT_EQ(1022u, std::strlen(name));
}

TEST_F(GroupStore, SaveRewritesTheWholeSection)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1 3\r\n[G1]\r\nGNAME=old\r\nUL1=NN a\r\nUL2=NN b\r\nUL3=NN c\r\n"
                 "UL4=NN d\r\nUL5=NN e\r\nUL6=NN f\r\nURL_Num=6\r\n[G3]\r\nGNAME=three\r\n");
    CGroupList groups;
    groups.LoadGroups();
    SetEntry(0, BK_IE, "http://ie/");
    SetEntry(1, BK_DEF, "");
    EXPECT_TRUE(groups.SaveGroup(1, "new name", 2));
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"Orvanta", "G1", "G3"}), SectionsInOrder(text)) << "replaced where it was";
    EXPECT_EQ((std::vector<std::string>{"GNAME", "UL1", "UL2", "URL_Num"}), KeysInOrder(text, "G1")) << text;
    EXPECT_EQ("IE http://ie/", ReadIniValue("G1", "UL1"));
    EXPECT_EQ("DEF", ReadIniValue("G1", "UL2"));
    EXPECT_EQ("2", ReadIniValue("G1", "URL_Num"));
    EXPECT_EQ("new name", ReadIniValue("G1", "GNAME"));
    EXPECT_EQ("three", ReadIniValue("G3", "GNAME"));
    EXPECT_EQ(2, groups.LoadGroupUrls(1));
}

TEST_F(GroupStore, SaveNeverBreaksTheLineStructure)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1\r\n");
    CGroupList groups;
    groups.LoadGroups();
    SetEntry(0, BK_NN, "http://a/\r\n[Orvanta]\r\nDelay=99");
    groups.SaveGroup(1, "two\r\nlines\x7f", 1);
    EXPECT_EQ("twolines", ReadIniValue("G1", "GNAME"));
    EXPECT_EQ("NN http://a/[Orvanta]Delay=99", ReadIniValue("G1", "UL1"));
    EXPECT_EQ("<missing>", ReadIniValue("Orvanta", "Delay"));
    EXPECT_EQ((std::vector<std::string>{"Orvanta", "G1"}), SectionsInOrder(ReadIniText()));
}

TEST_F(GroupStore, CurrentGroupIsWrittenAsGPrev)
{
    CGroupList groups;
    groups.WriteCurrentGroup(7);
    EXPECT_EQ("7", ReadIniValue("Orvanta", "G_PREV"));
    WriteMainInt("XPOS", -1);
    EXPECT_EQ("-1", ReadIniValue("Orvanta", "XPOS"));
}

TEST_F(GroupStore, GroupIsFoundByNumberThenExactNameThenNameInAnyAsciiCase)
{
    REQUIRE_CP932();
    // G5 "news", G7 "News", G9 "5" and G12 "ニュース a" (in the file in code
    // page 932, read in UTF-8).
    WriteIniText("[Orvanta]\r\nG_NUM=5 7 9 12\r\n[G5]\r\nGNAME=news\r\n[G7]\r\nGNAME=News\r\n"
                 "[G9]\r\nGNAME=5\r\n[G12]\r\nGNAME=\x83\x6A\x83\x85\x81\x5B\x83\x58 a\r\n");
    CGroupList groups;
    groups.LoadGroups();
    struct {
        const char *text;
        int group;
    } const cases[] = {
        {"5", 5},  {"05", 5}, {"7", 7},  {"12", 12}, {"9", 9},  {"1", 0},     {"17", 0},   {"0", 0},
        {"005", 0}, {"news", 5}, {"News", 7}, {"NEWS", 5}, {"nEwS", 5}, {"new", 0}, {"news ", 0}, {"", 0},
        {"ニュース a", 12}, {"ニュース A", 12},
        // Only ASCII letters have a case: カ (0x83 0x4A in code page 932) is
        // not ニ (0x83 0x6A).
        {"カュース a", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.group, groups.FindGroup(c.text)) << c.text;
}

} // namespace
