// The Startup shortcut's path from the Startup folder and the program path.
#include "core/links/StartupLinkPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StartupLinkPath, NameIsTheFileNameUpToItsFirstDot)
{
    struct {
        const char *program;
        const char *expected;    // null: refused
    } const cases[] = {
        {"D:\\Tools\\Orvanta.exe", "S:\\Start\\Orvanta.lnk"},
        {"D:\\Program Files\\Orvanta\\Orvanta.exe", "S:\\Start\\Orvanta.lnk"},
        {"D:\\x\\My.Tool.exe", "S:\\Start\\My.lnk"},
        {".\\Orvanta.exe", "S:\\Start\\Orvanta.lnk"},
        {"D:\\x\\NoExtension", "S:\\Start\\NoExtension.lnk"},
        {"D:\\x\\", "S:\\Start\\.lnk"},
        {"D:\\x.y\\Orvanta", "S:\\Start\\Orvanta.lnk"},
        {"C:\\表\\表示.exe", "S:\\Start\\表示.lnk"},
        {"C:\\ソフト.exe", "S:\\Start\\ソフト.lnk"},
        {"Orvanta", nullptr},
        {"Orvanta.exe", nullptr},
        {"", nullptr},
        {"表.exe", nullptr},
    };
    for (const auto &c : cases) {
        char out[260] = "#";
        const int ok = MakeStartupLinkPath("S:\\Start", c.program, out, sizeof out);
        EXPECT_EQ(c.expected ? 1 : 0, ok) << c.program;
        EXPECT_STREQ(c.expected ? c.expected : "", out) << c.program;
    }
}

TEST(StartupLinkPath, PathThatDoesNotFitIsRefused)
{
    const std::string program = "C:\\Orvanta.exe";    // Orvanta.lnk, 11 characters
    struct {
        size_t folderLength;
        size_t size;
        int ok;
    } const cases[] = {
        {247, 260, 1},    // 247 + 1 + 11 = 259 characters and the terminator
        {248, 260, 0},
        {400, 260, 0},
        {0, 13, 1},
        {0, 12, 0},
        {0, 0, 0},
    };
    for (const auto &c : cases) {
        const std::string folder(c.folderLength, 'f');
        std::string out(c.size + 8, '#');
        EXPECT_EQ(c.ok, MakeStartupLinkPath(folder.c_str(), program.c_str(), &out[0], c.size)) << c.folderLength;
        EXPECT_EQ(std::string(8, '#'), out.substr(c.size)) << "written past the buffer";
        if (c.ok) {
            EXPECT_EQ(folder + "\\Orvanta.lnk", out.c_str());
        } else if (c.size) {
            EXPECT_EQ('\0', out[0]);
        }
    }
}

} // namespace
