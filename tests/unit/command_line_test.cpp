#include "core/app/CommandLine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(CommandLine, StartIsTheFirstArgumentInAnyCase)
{
    EXPECT_EQ(1, IsStartArgument("-start"));
    EXPECT_EQ(1, IsStartArgument("-START"));
    EXPECT_EQ(1, IsStartArgument("  -Start  other"));
    EXPECT_EQ(1, IsStartArgument("\t-start\t"));
    EXPECT_EQ(0, IsStartArgument("other -start"));
    EXPECT_EQ(0, IsStartArgument("-started"));
    EXPECT_EQ(0, IsStartArgument("\"-start\""));
    EXPECT_EQ(0, IsStartArgument(""));
    EXPECT_EQ(0, IsStartArgument(nullptr));
}

TEST(CommandLine, LongTokenIsCutToTheBuffer)
{
    const std::string args = "-start" + std::string(5000, 'x') + " next";
    char token[1024];
    token[1023] = '#';
    EXPECT_EQ(1023u, ReadFirstToken(args.c_str(), token, sizeof token));
    EXPECT_EQ('\0', token[1023]);
    EXPECT_EQ(args.substr(0, 1023), token);
    EXPECT_EQ(0, IsStartArgument(args.c_str()));
}

TEST(CommandLine, TokenEndsAtWhiteSpace)
{
    char token[8];
    EXPECT_EQ(3u, ReadFirstToken(" abc def", token, sizeof token));
    EXPECT_STREQ("abc", token);
    EXPECT_EQ(0u, ReadFirstToken("   ", token, sizeof token));
    EXPECT_STREQ("", token);
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
