// Walking UTF-8 text by characters, the same on every platform.
#include "core/text/Utf8Text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 表 and 示 in UTF-8; in code page 932 the second byte of 表 was a backslash.
const char HYOU[] = "\xE8\xA1\xA8";
const char JI[] = "\xE7\xA4\xBA";

TEST(Utf8Text, LastBackslashIsACharacterOfItsOwn)
{
    struct {
        std::string text;
        long expected;    // offset, -1 for none
    } const cases[] = {
        {"", -1},
        {"abc", -1},
        {"\\", 0},
        {"a\\b\\c", 3},
        {"C:\\tools\\", 8},
        {std::string("C:\\") + HYOU, 2},
        {std::string("C:\\x\\") + HYOU + JI + ".exe", 4},
        {std::string("\\") + HYOU + HYOU + "a", 0},
        // A byte that starts no character stands alone.
        {"a\\\xE8", 1},
        {"\xE8\\\xA1", 1},
    };
    for (const auto &c : cases) {
        const char *found = FindLastBackslash(c.text.c_str());
        EXPECT_EQ(c.expected, found ? found - c.text.c_str() : -1) << c.text;
    }
}

TEST(Utf8Text, PrefixEndsOnACharacterBoundary)
{
    const std::string hyouji = std::string(HYOU) + JI;    // 表示
    struct {
        std::string text;
        size_t max;
        size_t expected;
    } const cases[] = {
        {"abcdef", 3, 3},
        {"abc", 10, 3},
        {"abc", 0, 0},
        {"", 5, 0},
        {hyouji, 6, 6},
        {hyouji, 5, 3},
        {hyouji, 2, 0},
        {"a" + hyouji, 3, 1},
        {"a" + hyouji, 4, 4},
        {"\xF0\x9F\x98\x80", 3, 0},
        {"a\xFF\xE8", 2, 2},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.expected, WholeCharsPrefix(c.text.c_str(), c.max)) << c.text << " " << c.max;
        EXPECT_EQ(c.expected, WholeCharsLength(c.text, c.max)) << c.text << " " << c.max;
    }
    EXPECT_EQ(7u, WholeCharsLength(std::string("a\0b\0\xE8\xA1\xA8", 7), 7));
}

TEST(Utf8Text, PathsJoinByCharacters)
{
    const std::string hyou = std::string("C:\\") + HYOU;
    const struct {
        std::string dir;
        const char *rest;
        std::string joined;
    } cases[] = {
        {"C:\\Fav", "A\\A2", "C:\\Fav\\A\\A2"},
        {"C:\\Fav\\", "A", "C:\\Fav\\A"},
        {"C:\\", "A", "C:\\A"},
        // A folder named 表 ends in a character, not a backslash.
        {hyou, "A", hyou + "\\A"},
        {hyou + "\\", "A", hyou + "\\A"},
        {"", "A", "A"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.joined, JoinPath(c.dir, c.rest)) << c.dir;
}

TEST(Utf8Text, AsciiCaseIsIgnoredByCharacters)
{
    const struct {
        const char *a;
        const char *b;
        bool equal;
    } cases[] = {
        {"News", "nEWS", true},
        {"News", "News ", false},
        {"", "", true},
        {"a", "", false},
        {"\xE3\x83\x8B a", "\xE3\x83\x8B A", true},
        // ニ and カ: other characters are compared exactly.
        {"\xE3\x83\x8B", "\xE3\x82\xAB", false},
        {"\xE3\x83\x8B", "\xE3\x83", false},
        {"a\xC3\xA9", "A\xC3\xA9", true},
        {"\xC3\xA9", "\xC3\x89", false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.equal, EqualsAsciiNoCase(c.a, c.b)) << c.a << " / " << c.b;
        EXPECT_EQ(c.equal, EqualsAsciiNoCase(c.b, c.a)) << c.b << " / " << c.a;
    }
}

} // namespace
