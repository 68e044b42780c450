// What the program relies on from the private-profile functions. The same
// cases run natively against our implementation and under Wine against
// kernel32, so any difference between the two shows here.
#include "TestIni.h"

#include "core/settings/Profile.h"

#include <cstring>

namespace {

const char *const FILE_NAME = "Orvanta.ini";

struct StringCase {
    int line;
    const char *content;    // nullptr: no file at all
    const char *section;
    const char *key;
    const char *defaultValue;
    unsigned size;
    const char *expected;
};

const StringCase kStringCases[] = {
    {__LINE__, nullptr, "Orvanta", "Delay", "dflt", 64, "dflt"},
    {__LINE__, "[Orvanta]\r\nDelay=5\r\n", "Orvanta", "Delay", "", 64, "5"},
    {__LINE__, "[orvanta]\r\ndelay=7\r\n", "ORVANTA", "DELAY", "", 64, "7"},
    {__LINE__, "[Orvanta]\r\n  Key  =  some value  \r\n", "Orvanta", "Key", "", 64, "some value"},
    {__LINE__, "[Orvanta]\r\nKey=\r\n", "Orvanta", "Key", "dflt", 64, ""},
    {__LINE__, "[Orvanta]\r\nOther=1\r\n", "Orvanta", "Key", "dflt", 64, "dflt"},
    {__LINE__, "[Orvanta]\r\nKey=abcdefghij\r\n", "Orvanta", "Key", "", 5, "abcd"},
    {__LINE__, nullptr, "Orvanta", "Key", "abcdefghij", 5, "abcd"},
    {__LINE__, "[Orvanta]\r\nKey=\"quoted\"\r\n", "Orvanta", "Key", "", 64, "quoted"},
    {__LINE__, "[Orvanta]\r\nKey='single'\r\n", "Orvanta", "Key", "", 64, "single"},
    {__LINE__, "[Orvanta]\r\nKey=\"half\r\n", "Orvanta", "Key", "", 64, "\"half"},
    {__LINE__, "[Orvanta]\r\nKey=a=b\r\n", "Orvanta", "Key", "", 64, "a=b"},
    {__LINE__, "[Orvanta]\r\nKey=last", "Orvanta", "Key", "", 64, "last"},
    {__LINE__, "[Orvanta]\nKey=unix\n", "Orvanta", "Key", "", 64, "unix"},
    {__LINE__, "[Other]\r\nKey=v\r\n[Orvanta]\r\n", "Orvanta", "Key", "dflt", 64, "dflt"},
    {__LINE__, "[Orvanta]\r\nKey\r\n", "Orvanta", "Key", "dflt", 64, "dflt"},
    {__LINE__, "[Orvanta]\r\nKey=first\r\nKey=second\r\n", "Orvanta", "Key", "", 64, "first"},
    {__LINE__, "[ Orvanta ]\r\nKey=spaced\r\n", "Orvanta", "Key", "", 64, "spaced"},
    {__LINE__, "[Orvanta]\r\nKey=\x95\x5c\x8e\xa6\r\n", "Orvanta", "Key", "", 64, "\x95\x5c\x8e\xa6"},
    {__LINE__, "[Orvanta]\r\nKey=tab\there\r\n", "Orvanta", "Key", "", 64, "tab\there"},
    {__LINE__, "garbage\r\n[Orvanta]\r\nKey=v\r\n", "Orvanta", "Key", "", 64, "v"},
};

class IniStringRead : public IniTest, public ::testing::WithParamInterface<StringCase> {};

TEST_P(IniStringRead, ReadsAsKernel32Does)
{
    const StringCase &c = GetParam();
    if (c.content)
        WriteIniText(c.content);
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    const DWORD n = GetPrivateProfileStringA(c.section, c.key, c.defaultValue, buffer, c.size, FILE_NAME);
    EXPECT_STREQ(c.expected, buffer) << "case at line " << c.line;
    EXPECT_EQ(std::strlen(c.expected), n) << "case at line " << c.line;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniStringRead, ::testing::ValuesIn(kStringCases));

struct IntCase {
    int line;
    const char *value;    // nullptr: key missing
    int defaultValue;
    int expected;
};

const IntCase kIntCases[] = {
    {__LINE__, nullptr, -1, -1},   {__LINE__, nullptr, 3, 3},        {__LINE__, "", 9, 9},
    {__LINE__, "1", -1, 1},        {__LINE__, "-1", 5, -1},          {__LINE__, "+1", 5, 1},
    {__LINE__, "42A", -1, 42},     {__LINE__, "B42", -1, 0},         {__LINE__, "  12  ", -1, 12},
    {__LINE__, "007", -1, 7},      {__LINE__, "4294967297", -1, 1},  {__LINE__, "-4294967297", 1, -1},
    {__LINE__, "2147483648", 0, static_cast<int>(0x80000000u)},
};

class IniIntRead : public IniTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IniIntRead, ReadsLeadingDecimalNumber)
{
    const IntCase &c = GetParam();
    if (c.value)
        WriteIniText(std::string("[Orvanta]\r\nDelay=") + c.value + "\r\n");
    EXPECT_EQ(c.expected, static_cast<int>(GetPrivateProfileIntA("Orvanta", "Delay", c.defaultValue, FILE_NAME)))
        << "case at line " << c.line;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniIntRead, ::testing::ValuesIn(kIntCases));

using IniWrite = IniTest;

TEST_F(IniWrite, FirstWriteCreatesTheFile)
{
    ASSERT_FALSE(IniExists());
    EXPECT_NE(0, WritePrivateProfileStringA("Orvanta", "Delay", "4", FILE_NAME));
    EXPECT_TRUE(IniExists());
    EXPECT_EQ("4", ReadIniValue("Orvanta", "Delay"));
}

TEST_F(IniWrite, ExistingKeyIsReplacedInPlace)
{
    WriteIniText("[Orvanta]\r\nA=1\r\nB=2\r\nC=3\r\n");
    WritePrivateProfileStringA("Orvanta", "b", "9", FILE_NAME);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), KeysInOrder(text, "Orvanta")) << text;
    EXPECT_EQ("9", ReadIniValue("Orvanta", "B"));
}

TEST_F(IniWrite, NewKeyGoesToTheEndOfItsSection)
{
    WriteIniText("[S1]\r\nA=1\r\n\r\n[S2]\r\nX=1\r\n");
    WritePrivateProfileStringA("S1", "B", "2", FILE_NAME);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), KeysInOrder(text, "S1")) << text;
    EXPECT_EQ((std::vector<std::string>{"X"}), KeysInOrder(text, "S2")) << text;
    EXPECT_EQ((std::vector<std::string>{"S1", "S2"}), SectionsInOrder(text)) << text;
}

TEST_F(IniWrite, NewSectionGoesToTheEndOfTheFile)
{
    WriteIniText("[S1]\r\nA=1\r\n");
    WritePrivateProfileStringA("S0", "K", "v", FILE_NAME);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"S1", "S0"}), SectionsInOrder(text)) << text;
    EXPECT_EQ("v", ReadIniValue("S0", "K"));
}

TEST_F(IniWrite, NullValueRemovesTheKeyOnly)
{
    WriteIniText("[S1]\r\nA=1\r\nB=2\r\nC=3\r\n");
    WritePrivateProfileStringA("S1", "B", nullptr, FILE_NAME);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"A", "C"}), KeysInOrder(text, "S1")) << text;
    EXPECT_EQ("<missing>", ReadIniValue("S1", "B"));
}

TEST_F(IniWrite, NullKeyRemovesTheWholeSection)
{
    WriteIniText("[S1]\r\nA=1\r\n[G2]\r\nGNAME=x\r\nUL1=NN u\r\n[S3]\r\nC=3\r\n");
    WritePrivateProfileStringA("g2", nullptr, nullptr, FILE_NAME);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"S1", "S3"}), SectionsInOrder(text)) << text;
    EXPECT_EQ("<missing>", ReadIniValue("G2", "GNAME"));
    EXPECT_EQ("3", ReadIniValue("S3", "C"));
}

TEST_F(IniWrite, EmptyValueKeepsTheKey)
{
    WritePrivateProfileStringA("Orvanta", "G_NUM", "", FILE_NAME);
    EXPECT_EQ("", ReadIniValue("Orvanta", "G_NUM"));
    EXPECT_EQ((std::vector<std::string>{"G_NUM"}), KeysInOrder(ReadIniText(), "Orvanta"));
}

TEST_F(IniWrite, RemovingFromAMissingFileChangesNothing)
{
    WritePrivateProfileStringA("Orvanta", "URL_Num", nullptr, FILE_NAME);
    WritePrivateProfileStringA("G1", nullptr, nullptr, FILE_NAME);
    EXPECT_EQ("<missing>", ReadIniValue("Orvanta", "URL_Num"));
    EXPECT_TRUE(KeysInOrder(ReadIniText(), "Orvanta").empty());
}

TEST_F(IniWrite, BytesOfTheSystemCodePageSurvive)
{
    // 表示 in code page 932: the trail byte of 表 is a backslash.
    WritePrivateProfileStringA("G1", "GNAME", "\x95\x5c\x8e\xa6", FILE_NAME);
    EXPECT_EQ("\x95\x5c\x8e\xa6", ReadIniValue("G1", "GNAME"));
    EXPECT_NE(std::string::npos, ReadIniText().find("GNAME=\x95\x5c\x8e\xa6"));
}

TEST_F(IniWrite, ValueWithEqualsSignReadsBackWhole)
{
    WritePrivateProfileStringA("G1", "UL1", "NN http://a/?x=1&y=2", FILE_NAME);
    EXPECT_EQ("NN http://a/?x=1&y=2", ReadIniValue("G1", "UL1"));
}

} // namespace
