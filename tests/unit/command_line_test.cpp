#include "core/app/CommandLine.h"
#include "core/app/StartMessage.h"
#include "core/settings/GroupList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(CommandLine, StartIsTheFirstArgumentInAnyCaseAndMayNameAGroup)
{
    struct {
        const char *args;
        int start;
        const char *group;
    } const cases[] = {
        {"-start", 1, ""},
        {"-START", 1, ""},
        {"\t-start\t", 1, ""},
        {"  -Start  other", 1, "other"},
        {"-start 5", 1, "5"},
        {"-start 12 more", 1, "12"},
        {"-start ニュース", 1, "ニュース"},
        {"-start \"My News\"", 1, "My News"},
        {"-start \"My News\" 3", 1, "My News"},
        {"-start \"No end", 1, "No end"},
        {"-start \"\"", 1, ""},
        {"-start \"", 1, ""},
        {"-start\r\nnews", 1, "news"},
        {"-start news\"x", 1, "news\"x"},
        {"other -start", 0, ""},
        {"-started", 0, ""},
        {"-star", 0, ""},
        {"\"-start\"", 0, ""},
        {"", 0, ""},
        {nullptr, 0, ""},
    };
    for (const auto &c : cases) {
        const StartArguments start = ParseStartArguments(c.args);
        EXPECT_EQ(c.start, start.bStart) << (c.args ? c.args : "null");
        EXPECT_EQ(c.group, start.group) << (c.args ? c.args : "null");
    }
}

// No name longer than the file gives back can match, so the text is read
// no further, quoted or not.
TEST(CommandLine, GroupTextStopsPastTheLongestName)
{
    for (const char *quote : {"", "\""}) {
        const std::string args = std::string("-start ") + quote + std::string(100000, 'n') + quote;
        EXPECT_EQ(std::string(MAX_GROUP_NAME_CHARS + 1, 'n'), ParseStartArguments(args.c_str()).group) << quote;
    }
    const std::string longest(MAX_GROUP_NAME_CHARS, 'n');
    EXPECT_EQ(longest, ParseStartArguments(("-start \"" + longest + "\"").c_str()).group);
    // 表 is two bytes of the code page: one more than the longest name, whole.
    std::string hyou, expected;
    for (int i = 0; i < MAX_GROUP_NAME_CHARS; ++i)
        hyou += "表";
    for (int i = 0; i <= MAX_GROUP_NAME_CHARS / 2; ++i)
        expected += "表";
    EXPECT_EQ(expected, ParseStartArguments(("-start " + hyou).c_str()).group);
}

TEST(StartMessage, ArgumentsComeBackWhole)
{
    for (const char *args : {"-start 3", "", "-start \"My News\"", "-start ニュース"}) {
        const std::string message = PackStartMessage(args);
        std::string back = "#";
        EXPECT_TRUE(UnpackStartMessage(message.data(), message.size(), back)) << args;
        EXPECT_EQ(args, back);
    }
    std::string back;
    const std::string message = PackStartMessage(nullptr);
    EXPECT_TRUE(UnpackStartMessage(message.data(), message.size(), back));
    EXPECT_EQ("", back);
    // An older copy's "SRT1" carries the code page's bytes.
    std::string old = PackStartMessage("-start \x83\x6A\x83\x85\x81\x5B\x83\x58");
    old[3] = '1';
    EXPECT_TRUE(UnpackStartMessage(old.data(), old.size(), back));
    EXPECT_EQ("-start ニュース", back);
}

TEST(StartMessage, ArgumentsPastACommandLineAreLeftOff)
{
    const std::string args(START_MESSAGE_MAX_ARGS + 10, 'a');
    const std::string message = PackStartMessage(args.c_str());
    std::string back;
    ASSERT_TRUE(UnpackStartMessage(message.data(), message.size(), back));
    EXPECT_EQ(args.substr(0, START_MESSAGE_MAX_ARGS), back);
    // A character is left off whole.
    std::string hyou = "a";
    while (hyou.size() <= START_MESSAGE_MAX_ARGS)
        hyou += "表";
    EXPECT_EQ(START_MESSAGE_MAX_ARGS - 2, PackStartMessage(hyou.c_str()).size() - 8);
}

// What another process may send: only a message of ours, whole, is read.
TEST(StartMessage, ForeignOrDamagedMessagesAreRefused)
{
    const std::string good = PackStartMessage("-start 3");
    std::string cut = good.substr(0, good.size() - 1);
    std::string longer = good + "x";
    std::string signature = good;
    signature[0] ^= 1;
    std::string length = good;
    length[4] = 100;
    std::string huge = PackStartMessage(std::string(START_MESSAGE_MAX_ARGS, 'a').c_str()) + "a";
    huge[4] = static_cast<char>(huge.size() - 8);
    huge[5] = static_cast<char>((huge.size() - 8) >> 8);
    huge[6] = static_cast<char>((huge.size() - 8) >> 16);
    std::string zero = good;
    zero[9] = '\0';
    for (const std::string &message : {cut, longer, signature, length, huge, zero, good.substr(0, 8 - 1), std::string()}) {
        std::string back = "#";
        EXPECT_FALSE(UnpackStartMessage(message.data(), message.size(), back)) << message.size();
        EXPECT_EQ("", back);
    }
    std::string back;
    EXPECT_FALSE(UnpackStartMessage(nullptr, 100, back));
}

TEST(CommandLine, LongTokenIsCutToTheBuffer)
{
    const std::string args = "-start" + std::string(5000, 'x') + " next";
    char token[1024];
    token[1023] = '#';
    EXPECT_EQ(1023u, ReadFirstToken(args.c_str(), token, sizeof token));
    EXPECT_EQ('\0', token[1023]);
    EXPECT_EQ(args.substr(0, 1023), token);
    EXPECT_EQ(0, ParseStartArguments(args.c_str()).bStart);
}

TEST(CommandLine, TokenEndsAtWhiteSpace)
{
    char token[8];
    EXPECT_EQ(3u, ReadFirstToken(" abc def", token, sizeof token));
    EXPECT_STREQ("abc", token);
    EXPECT_EQ(0u, ReadFirstToken("   ", token, sizeof token));
    EXPECT_STREQ("", token);
    EXPECT_EQ(4u, ReadFirstToken("a表示", token, 6));
    EXPECT_STREQ("a表", token);
}

TEST(CommandLine, SelfPathIsTheQuotedTextOrTheFirstToken)
{
    struct {
        const char *commandLine;
        const char *path;
    } const cases[] = {
        {"\"D:\\Program Files\\Orvanta\\Orvanta.exe\" -start", "D:\\Program Files\\Orvanta\\Orvanta.exe"},
        {"D:\\Tools\\Orvanta.exe -start", "D:\\Tools\\Orvanta.exe"},
        {"D:\\Tools\\Orvanta.exe", "D:\\Tools\\Orvanta.exe"},
        {"\"D:\\No End", "D:\\No End"},
        {"\"\"", ""},
        {"\"", ""},
        {"Orvanta", "Orvanta"},
        {".\\Orvanta.exe\t-start", ".\\Orvanta.exe"},
        {"  D:\\x.exe  -start", "D:\\x.exe"},
        // A quoted token after white space loses its quotes, not its blanks.
        {"  \"D:\\x.exe\" -start", "D:\\x.exe"},
        {"  \"D:\\a b.exe\"", "D:\\a"},
        {"  \"D:\\x.exe", "D:\\x.exe"},
        {"D:\\x.exe\"", "D:\\x.exe\""},
        {"", ""},
        {"   ", ""},
        {nullptr, ""},
    };
    for (const auto &c : cases) {
        char path[1024] = "#";
        EXPECT_EQ(std::strlen(c.path), ParseSelfPath(c.commandLine, path, sizeof path)) << c.commandLine;
        EXPECT_STREQ(c.path, path) << (c.commandLine ? c.commandLine : "null");
    }
}

// A cut path would name another file: a path that does not fit is refused.
TEST(CommandLine, SelfPathLongerThanTheBufferIsRefused)
{
    struct {
        size_t length;
        bool quoted;
        size_t expected;
    } const cases[] = {
        {1023, false, 1023}, {1023, true, 1023}, {1024, false, 0}, {1024, true, 0}, {5000, true, 0}, {5000, false, 0},
    };
    for (const auto &c : cases) {
        const std::string path = "C:\\" + std::string(c.length - 3, 'p');
        const std::string commandLine = (c.quoted ? "\"" + path + "\"" : path) + " -start";
        std::string buffer(1024 + 8, '#');
        EXPECT_EQ(c.expected, ParseSelfPath(commandLine.c_str(), &buffer[0], 1024)) << c.length;
        EXPECT_EQ(std::string(8, '#'), buffer.substr(1024)) << "written past the buffer";
        EXPECT_EQ(c.expected ? path : std::string(), buffer.c_str()) << c.length;
    }
}

} // namespace
