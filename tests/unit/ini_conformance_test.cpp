// What the program relies on from the private-profile functions, and what
// Windows does with the files they meet, as Wine's own kernel32 tests assert
// it. The same cases run natively against our implementation and under Wine
// against kernel32's wide functions (Profile.h), so any difference between
// the two shows here. Texts are UTF-8; the file holds code page 932. Where Wine
// itself does not do what Windows does, the cases run against ours only (the
// tables at the end). Left out: a NULL file name, which Windows reads as
// win.ini.
#include "TestIni.h"

#include "core/settings/Profile.h"
#include "core/settings/SettingsFile.h"

#ifdef _WIN32
#include "core/text/WideText.h"

#include <windows.h>
#endif

#include <cstring>
#include <optional>
#include <string>
#include <tuple>

using namespace std::string_literals;

namespace {

// The file the program uses, where IniPath keeps it.
const char *FileName()
{
    IniPath();
    return SettingsFile();
}
const std::nullopt_t NO_FILE = std::nullopt;
const char FILL = '~';

// The tables end lines with "\n"; every case runs with each kind of line
// end in its place.
struct LineEnd {
    const char *name;
    const char *text;
};

const LineEnd kLineEnds[] = {{"CR LF", "\r\n"}, {"CR", "\r"}, {"LF", "\n"}};

std::string WithLineEnds(const std::string &text, const LineEnd &lineEnd)
{
    std::string out;
    for (const char c : text)
        out += c == '\n' ? std::string(lineEnd.text) : std::string(1, c);
    return out;
}

// Windows faults on an empty section or key name in read-only memory, so
// names go in as writable copies, which must come back unchanged.
class WritableName {
public:
    explicit WritableName(const char *name) : m_name(name), m_copy(name ? name : "") {}
    char *get() { return m_name ? &m_copy[0] : nullptr; }
    bool Unchanged() const { return !m_name || std::strcmp(m_copy.c_str(), m_name) == 0; }

private:
    const char *m_name;
    std::string m_copy;
};

// The position of the empty name that ends a list of NUL-ended names, or
// size when the list does not end inside the buffer.
size_t ListEnd(const char *buffer, size_t size)
{
    size_t i = 0;
    while (i < size && buffer[i]) {
        const void *nul = std::memchr(buffer + i, '\0', size - i);
        if (!nul)
            return size;
        i = static_cast<size_t>(static_cast<const char *>(nul) - buffer) + 1;
    }
    return i < size ? i : size;
}

// A group file: a quoted value, a line without an equals sign, an empty
// last section.
const char *const GROUPS = "[G1]\n"
                           "GNAME=Daily\n"
                           "UL1=\"NN http://a/\"\n"
                           "Comment\n"
                           "UL2=x\n"
                           "[G2]\n";
// A key before any section, a section without a name, a key without a name
// and a NUL after the last line.
const std::string ODD_NAMES = "\nDelay=1\n[]\nDelay=2\n[Orvanta]\n=no name\n[G1]\n\0"s;

struct StringCase {
    int line;
    std::optional<std::string> content;
    const char *section;    // nullptr: the list of sections
    const char *key;        // nullptr: the list of the section's keys
    const char *defaultValue;
    unsigned size;
    std::string expected;    // a list: every name ended by a NUL
};

const StringCase kStringCases[] = {
    {__LINE__, NO_FILE, "Orvanta", "Delay", "dflt", 64, "dflt"},
    {__LINE__, "[Orvanta]\nDelay=5\n", "Orvanta", "Delay", "", 64, "5"},
    {__LINE__, "[orvanta]\ndelay=7\n", "ORVANTA", "DELAY", "", 64, "7"},
    {__LINE__, "[Orvanta]\n  Key  =  some value  \n", "Orvanta", "Key", "", 64, "some value"},
    {__LINE__, "[Orvanta]\nKey=\n", "Orvanta", "Key", "dflt", 64, ""},
    {__LINE__, "[Orvanta]\nOther=1\n", "Orvanta", "Key", "dflt", 64, "dflt"},
    {__LINE__, "[Orvanta]\nKey=abcdefghij\n", "Orvanta", "Key", "", 5, "abcd"},
    {__LINE__, NO_FILE, "Orvanta", "Key", "abcdefghij", 5, "abcd"},
    {__LINE__, "[Orvanta]\nKey=\"quoted\"\n", "Orvanta", "Key", "", 64, "quoted"},
    {__LINE__, "[Orvanta]\nKey='single'\n", "Orvanta", "Key", "", 64, "single"},
    {__LINE__, "[Orvanta]\nKey=\"half\n", "Orvanta", "Key", "", 64, "\"half"},
    {__LINE__, "[Orvanta]\nKey=a=b\n", "Orvanta", "Key", "", 64, "a=b"},
    {__LINE__, "[Orvanta]\nKey=last", "Orvanta", "Key", "", 64, "last"},
    {__LINE__, "[Other]\nKey=v\n[Orvanta]\n", "Orvanta", "Key", "dflt", 64, "dflt"},
    {__LINE__, "[Orvanta]\nKey=first\nKey=second\n", "Orvanta", "Key", "", 64, "first"},
    {__LINE__, "[ Orvanta ]\nKey=spaced\n", "Orvanta", "Key", "", 64, "spaced"},
    {__LINE__, "[Orvanta]\nKey=\x95\x5c\x8e\xa6\n", "Orvanta", "Key", "", 64, "表示"},
    {__LINE__, "[Orvanta]\nKey=\x95\x5c\x8e\xa6\n", "Orvanta", "Key", "", 6, "表"},
    {__LINE__, "[Orvanta]\nKey=tab\there\n", "Orvanta", "Key", "", 64, "tab\there"},
    {__LINE__, "garbage\n[Orvanta]\nKey=v\n", "Orvanta", "Key", "", 64, "v"},
    // Empty and missing names; the default without its trailing blanks.
    {__LINE__, GROUPS, "", "GNAME", "dflt", 64, "dflt"},
    {__LINE__, GROUPS, "G9", "GNAME", "dflt", 64, "dflt"},
    {__LINE__, GROUPS, "", "GNAME", nullptr, 64, ""},
    {__LINE__, GROUPS, "", "GNAME", "", 64, ""},
    {__LINE__, GROUPS, "", "GNAME", "dflt  ", 64, "dflt"},
    {__LINE__, GROUPS, "", "GNAME", "one two  ", 64, "one two"},
    {__LINE__, GROUPS, "", "GNAME", "one two", 64, "one two"},
    {__LINE__, GROUPS, "G1", "", "dflt", 64, "dflt"},
    {__LINE__, GROUPS, "G1", "UL9", "dflt", 64, "dflt"},
    {__LINE__, GROUPS, "G1", "", nullptr, 64, ""},
    {__LINE__, GROUPS, "G1", "", "", 64, ""},
    {__LINE__, GROUPS, "G1", "", "dflt  ", 64, "dflt"},
    {__LINE__, GROUPS, "G1", "Comment", "dflt", 64, "dflt"},
    {__LINE__, GROUPS, "G2", "GNAME", "", 64, ""},
    {__LINE__, ODD_NAMES, "Orvanta", "", "dflt", 64, "no name"},
    // Buffer sizes: nothing at all into none, a NUL always.
    {__LINE__, GROUPS, "G1", "GNAME", "dflt", 0, ""},
    {__LINE__, GROUPS, "G1", "GNAME", "dflt", 5, "Dail"},
    {__LINE__, GROUPS, "G1", "GNAME", "dflt", 6, "Daily"},
    {__LINE__, GROUPS, "G1", "UL2", "dflt", 64, "x"},
    {__LINE__, GROUPS, "G1", "UL2", "dflt", 1, ""},
    {__LINE__, GROUPS, "G1", "UL1", "dflt", 64, "NN http://a/"},
    {__LINE__, GROUPS, "g1", "gName", "dflt", 64, "Daily"},
    // Lists: only lines with an equals sign are keys.
    {__LINE__, GROUPS, nullptr, "GNAME", "dflt", 64, "G1\0G2\0"s},
    {__LINE__, GROUPS, "G1", nullptr, "dflt", 64, "GNAME\0UL1\0UL2\0"s},
    {__LINE__, "[G1]\nGNAME=a\nUL1=\nNote\nUL2=b\n\0"s, "G1", nullptr, "", 64, "GNAME\0UL1\0UL2\0"s},
};

class IniStringRead : public IniTest,
                      public ::testing::WithParamInterface<std::tuple<StringCase, LineEnd>> {};

TEST_P(IniStringRead, ReadsAsWindowsDoes)
{
    const StringCase &c = std::get<0>(GetParam());
    SCOPED_TRACE("case at line " + std::to_string(c.line) + ", line end " + std::get<1>(GetParam()).name);
    if (c.content)
        WriteIniText(WithLineEnds(*c.content, std::get<1>(GetParam())));
    char buffer[64];
    std::memset(buffer, FILL, sizeof buffer);
    WritableName section(c.section), key(c.key);
    const size_t n = ProfileReadString(section.get(), key.get(), c.defaultValue, buffer, c.size, FileName());
    ASSERT_LT(n, sizeof buffer);
    EXPECT_EQ(c.expected, std::string(buffer, n));
    if (c.size > 0) {
        EXPECT_EQ('\0', buffer[n]);
        const bool list = !c.section || !c.key;
        EXPECT_TRUE(!list || ListEnd(buffer, c.size) < c.size) << "the list does not end inside the buffer";
    }
    EXPECT_EQ(std::string(sizeof buffer - c.size, FILL), std::string(buffer + c.size, sizeof buffer - c.size))
        << "written past the size given";
    EXPECT_TRUE(section.Unchanged() && key.Unchanged());
}

INSTANTIATE_TEST_SUITE_P(Cases, IniStringRead,
                         ::testing::Combine(::testing::ValuesIn(kStringCases), ::testing::ValuesIn(kLineEnds)));

using IniFileName = IniTest;

TEST_F(IniFileName, EmptyOrMissingNameIsNoFile)
{
    WriteIniText("[G1]\r\nGNAME=Daily\r\n");
    for (const char *name : {"", "Missing.ini"}) {
        SCOPED_TRACE(name);
        char buffer[64];
        EXPECT_EQ(4u, ProfileReadString("G1", "GNAME", "dflt", buffer, sizeof buffer, name));
        EXPECT_STREQ("dflt", buffer);
    }
    EXPECT_FALSE(ProfileWriteString("G1", "GNAME", "x", ""));
    EXPECT_EQ("Daily", ReadIniValue("G1", "GNAME"));
}

struct IntCase {
    int line;
    const char *value;    // nullptr: no file
    const char *section;
    const char *key;
    int defaultValue;
    int expected;
};

const char *const S = "Orvanta";
const char *const K = "Delay";

const IntCase kIntCases[] = {
    {__LINE__, nullptr, S, K, -1, -1},
    {__LINE__, nullptr, S, K, 3, 3},
    {__LINE__, nullptr, nullptr, nullptr, -1, -1},
    {__LINE__, nullptr, nullptr, nullptr, 1, 1},
    {__LINE__, nullptr, S, nullptr, -1, -1},
    {__LINE__, nullptr, S, nullptr, 1, 1},
    {__LINE__, nullptr, nullptr, K, -1, -1},
    {__LINE__, nullptr, nullptr, K, 1, 1},
    {__LINE__, "", S, K, 9, 9},
    {__LINE__, "1", S, K, -1, 1},
    {__LINE__, "-1", S, K, 5, -1},
    {__LINE__, "+1", S, K, 5, 1},
    {__LINE__, "42A94967297", S, K, -1, 42},
    {__LINE__, "B4294967297", S, K, -1, 0},
    {__LINE__, "  12  ", S, K, -1, 12},
    {__LINE__, "007", S, K, -1, 7},
    {__LINE__, "4294967296", S, K, -1, 0},
    {__LINE__, "4294967297", S, K, -1, 1},
    {__LINE__, "-4294967297", S, K, 1, -1},
    {__LINE__, "2147483648", S, K, 0, static_cast<int>(0x80000000u)},
};

class IniIntRead : public IniTest, public ::testing::WithParamInterface<IntCase> {};

TEST_P(IniIntRead, ReadsLeadingDecimalNumber)
{
    const IntCase &c = GetParam();
    if (c.value)
        WriteIniText(std::string("[Orvanta]\r\nDelay=") + c.value + "\r\n");
    EXPECT_EQ(c.expected, static_cast<int>(ProfileReadInt(c.section, c.key, c.defaultValue, FileName())))
        << "case at line " << c.line;
}

INSTANTIATE_TEST_SUITE_P(Cases, IniIntRead, ::testing::ValuesIn(kIntCases));

const std::string TWO_GROUPS = "[G1]\r\nk1=a\r\nk2=b\r\nk3=c\r\n[G2]\r\nk4=d\r\n";
const std::string THREE_GROUPS = TWO_GROUPS + "[G3]\r\nk5=e\r\n";

struct WriteCase {
    int line;
    std::optional<std::string> before;
    const char *section;
    const char *key;
    const char *value;
    bool written;
    std::optional<std::string> after;    // a missing file reads as ""
};

// The whole file after each write: where new keys and sections go, that no
// blank line comes with them, and what removing leaves.
const WriteCase kWriteCases[] = {
    {__LINE__, NO_FILE, nullptr, "K", "v", false, NO_FILE},
    {__LINE__, "", nullptr, "K", "v", false, ""},
    {__LINE__, NO_FILE, "G1", nullptr, "v", true, ""},
    {__LINE__, NO_FILE, "G1", "K", nullptr, true, ""},
    {__LINE__, NO_FILE, "G1", "K", "", true, "[G1]\r\nK=\r\n"},
    {__LINE__, NO_FILE, "G1", "K", "v", true, "[G1]\r\nK=v\r\n"},
    {__LINE__, "[G1]\r\nk1=a\r\n", "G1", "k2", "b", true, "[G1]\r\nk1=a\r\nk2=b\r\n"},
    {__LINE__, TWO_GROUPS, "G3", "k5", "e", true, THREE_GROUPS},
    {__LINE__, THREE_GROUPS, "G1", "k2", nullptr, true, "[G1]\r\nk1=a\r\nk3=c\r\n[G2]\r\nk4=d\r\n[G3]\r\nk5=e\r\n"},
    {__LINE__, "[G1]\r\nk1=a\r\n[G3]\r\nk5=e\r\n", "G1", "k2", nullptr, true, "[G1]\r\nk1=a\r\n[G3]\r\nk5=e\r\n"},
    {__LINE__, THREE_GROUPS, "g1", nullptr, "x", true, "[G2]\r\nk4=d\r\n[G3]\r\nk5=e\r\n"},
    {__LINE__, THREE_GROUPS, "G2", nullptr, nullptr, true, "[G1]\r\nk1=a\r\nk2=b\r\nk3=c\r\n[G3]\r\nk5=e\r\n"},
    {__LINE__, "[G3]\r\nk5=e\r\n", "G3", "k5", nullptr, true, "[G3]\r\n"},
};

class IniWrite : public IniTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(IniWrite, WritesTheFileAsWindowsDoes)
{
    const WriteCase &c = GetParam();
    SCOPED_TRACE("case at line " + std::to_string(c.line));
    if (c.before)
        WriteIniText(*c.before);
    EXPECT_EQ(c.written, ProfileWriteString(c.section, c.key, c.value, FileName()));
    if (c.after)
        EXPECT_EQ(*c.after, ReadIniText());
    else
        EXPECT_FALSE(IniExists());
}

INSTANTIATE_TEST_SUITE_P(Cases, IniWrite, ::testing::ValuesIn(kWriteCases));

// Every section and key with its value, as the functions read the file.
std::string Meaning()
{
    char sections[1024], keys[1024], value[256];
    ProfileReadString(nullptr, nullptr, "", sections, sizeof sections, FileName());
    std::string out;
    for (const char *s = sections; *s; s += std::strlen(s) + 1) {
        out += std::string("[") + s + "]\n";
        ProfileReadString(s, nullptr, "", keys, sizeof keys, FileName());
        for (const char *k = keys; *k; k += std::strlen(k) + 1) {
            ProfileReadString(s, k, "", value, sizeof value, FileName());
            out += std::string(k) + "=" + value + "\n";
        }
    }
    return out;
}

struct RewriteCase {
    int line;
    std::string before;
    const char *section;
    const char *key;
    const char *value;
    const char *meaning;
};

// A write into a file of any line ends, or with odd bytes in its lines,
// keeps what the file says and adds the one value.
const RewriteCase kRewriteCases[] = {
    {__LINE__, "[G1]\nGNAME=Daily\nUL1=NN x\n", "G1", "URL_Num", "1", "[G1]\nGNAME=Daily\nUL1=NN x\nURL_Num=1\n"},
    {__LINE__, "[G1]\nGNAME=Daily\nUL1=NN x\n", "G1", "UL1", "IE y", "[G1]\nGNAME=Daily\nUL1=IE y\n"},
    {__LINE__, "[G1]\nGNAME=Daily\nUL1=NN x", "G2", "GNAME", "Work", "[G1]\nGNAME=Daily\nUL1=NN x\n[G2]\nGNAME=Work\n"},
    {__LINE__, "[G1]\nGNAME=a\nUL1=\nNote\nUL2=b\n\0"s, "G1", "UL3", "c", "[G1]\nGNAME=a\nUL1=\nUL2=b\nUL3=c\n"},
};

class IniRewrite : public IniTest,
                   public ::testing::WithParamInterface<std::tuple<RewriteCase, LineEnd>> {};

TEST_P(IniRewrite, KeepsWhatTheFileSays)
{
    const RewriteCase &c = std::get<0>(GetParam());
    SCOPED_TRACE("case at line " + std::to_string(c.line) + ", line end " + std::get<1>(GetParam()).name);
    WriteIniText(WithLineEnds(c.before, std::get<1>(GetParam())));
    EXPECT_TRUE(ProfileWriteString(c.section, c.key, c.value, FileName()));
    EXPECT_EQ(c.meaning, Meaning());
}

INSTANTIATE_TEST_SUITE_P(Cases, IniRewrite,
                         ::testing::Combine(::testing::ValuesIn(kRewriteCases), ::testing::ValuesIn(kLineEnds)));

TEST_F(IniTest, ExistingKeyIsReplacedInPlace)
{
    WriteIniText("[Orvanta]\r\nA=1\r\nB=2\r\nC=3\r\n");
    ProfileWriteString("Orvanta", "b", "9", FileName());
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), KeysInOrder(text, "Orvanta")) << text;
    EXPECT_EQ("9", ReadIniValue("Orvanta", "B"));
}

TEST_F(IniTest, NewKeyGoesToTheEndOfItsSection)
{
    WriteIniText("[S1]\r\nA=1\r\n\r\n[S2]\r\nX=1\r\n");
    ProfileWriteString("S1", "B", "2", FileName());
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"A", "B"}), KeysInOrder(text, "S1")) << text;
    EXPECT_EQ((std::vector<std::string>{"X"}), KeysInOrder(text, "S2")) << text;
    EXPECT_EQ((std::vector<std::string>{"S1", "S2"}), SectionsInOrder(text)) << text;
}

TEST_F(IniTest, TextIsStoredInTheSystemCodePage)
{
    // 表示 in code page 932: the trail byte of 表 is a backslash.
    ProfileWriteString("G1", "GNAME", "表示", FileName());
    EXPECT_EQ("表示", ReadIniValue("G1", "GNAME"));
    EXPECT_NE(std::string::npos, ReadIniText().find("GNAME=\x95\x5c\x8e\xa6"));
}

// A value the code page cannot hold converts the file once, whole, to
// UTF-16LE, the one form in which Windows keeps Unicode: every value reads
// back exactly, and an older copy, which reads through the code page, still
// reads every key.
TEST_F(IniTest, ValueOutsideTheCodePageTurnsTheFileIntoUtf16)
{
    WriteIniText("[Orvanta]\r\nG_NUM=1 2\r\n[G1]\r\nGNAME=\x95\x5c\x8e\xa6\r\n[G2]\r\nGNAME=two\r\n");
    EXPECT_TRUE(ProfileWriteString("G2", "GNAME", "📰 Café", FileName()));
    EXPECT_TRUE(ProfileWriteString("G3", "GNAME", "x", FileName()));
    EXPECT_EQ("\xFF\xFE", ReadIniText().substr(0, 2));
    const struct {
        const char *section, *key, *value;
    } values[] = {{"Orvanta", "G_NUM", "1 2"}, {"G1", "GNAME", "表示"}, {"G2", "GNAME", "📰 Café"}, {"G3", "GNAME", "x"}};
    for (const auto &v : values) {
        EXPECT_EQ(v.value, ReadIniValue(v.section, v.key));
#ifdef _WIN32
        char ansi[64] = "", expected[64] = "";
        ::GetPrivateProfileStringA(v.section, v.key, "", ansi, sizeof ansi, FileName());
        const std::wstring wide = WideFromUtf8(v.value);
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, expected, sizeof expected, nullptr, nullptr);
        EXPECT_STREQ(expected, ansi) << v.section;
#endif
    }
}

TEST_F(IniTest, ValueWithEqualsSignReadsBackWhole)
{
    ProfileWriteString("G1", "UL1", "NN http://a/?x=1&y=2", FileName());
    EXPECT_EQ("NN http://a/?x=1&y=2", ReadIniValue("G1", "UL1"));
}

#ifndef _WIN32
// What Windows does and Wine does not: a list cut to the buffer still ends
// with two NULs, a section may have an empty name, an untouched line keeps
// its NULs, and removing from a missing file leaves an empty one.
const StringCase kWindowsOnlyStringCases[] = {
    {__LINE__, GROUPS, nullptr, "GNAME", "dflt", 6, "G1\0G"s},
    {__LINE__, GROUPS, "G1", nullptr, "dflt", 10, "GNAME\0UL"s},
    {__LINE__, ODD_NAMES, "", "Delay", "dflt", 64, "2"},
};

INSTANTIATE_TEST_SUITE_P(WindowsOnly, IniStringRead,
                         ::testing::Combine(::testing::ValuesIn(kWindowsOnlyStringCases), ::testing::ValuesIn(kLineEnds)));

const std::string NUL_NOTES("Notes \0 kept \0 whole", 20);

const WriteCase kWindowsOnlyWriteCases[] = {
    {__LINE__, NUL_NOTES, "G1", "GNAME", "Daily", true, NUL_NOTES + "\r\n[G1]\r\nGNAME=Daily\r\n"},
};

INSTANTIATE_TEST_SUITE_P(WindowsOnly, IniWrite, ::testing::ValuesIn(kWindowsOnlyWriteCases));

TEST_F(IniTest, RemovingFromAMissingFileLeavesAnEmptyOne)
{
    EXPECT_TRUE(ProfileWriteString("G1", nullptr, nullptr, FileName()));
    EXPECT_TRUE(IniExists());
    EXPECT_EQ("", ReadIniText());
}
#endif

} // namespace
