#include "app/CommandLine.h"

#include <gtest/gtest.h>

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

} // namespace
