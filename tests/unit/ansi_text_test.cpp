// Walking code-page-932 text by characters. Under Wine the same tables run
// against CharNextA with the Japanese code page.
#include "core/text/AnsiText.h"

#include "Cp932.h"

#include <string>

namespace {

// 表 is 0x95 0x5C and ソ is 0x83 0x5C: their second bytes are backslashes.
const char HYOU[] = "\x95\x5c";
const char SO[] = "\x83\x5c";

TEST(AnsiText, LastBackslashIsACharacterOfItsOwn)
{
    REQUIRE_CP932();
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
        {std::string("C:\\x\\") + HYOU + "\x8e\xa6.exe", 4},
        {std::string(HYOU) + SO, -1},
        {std::string("\\") + HYOU + HYOU + "a", 0},
        {std::string("a\\") + SO + "\\", 4},
        // A lead byte at the very end stands alone.
        {"a\\\x95", 1},
        // Half-width katakana (0xA1..0xDF) are single bytes.
        {"\xb1\\\xb2", 1},
    };
    for (const auto &c : cases) {
        const char *found = FindLastBackslash(c.text.c_str());
        EXPECT_EQ(c.expected, found ? found - c.text.c_str() : -1) << c.text;
    }
}

TEST(AnsiText, PrefixEndsOnACharacterBoundary)
{
    REQUIRE_CP932();
    const std::string hyouji = std::string(HYOU) + "\x8e\xa6";    // 表示
    struct {
        std::string text;
        size_t max;
        size_t expected;
    } const cases[] = {
        {"abcdef", 3, 3},
        {"abc", 10, 3},
        {"abc", 0, 0},
        {"", 5, 0},
        {hyouji, 4, 4},
        {hyouji, 3, 2},
        {hyouji, 1, 0},
        {"a" + hyouji, 2, 1},
        {"a" + hyouji, 3, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, WholeCharsPrefix(c.text.c_str(), c.max)) << c.text << " " << c.max;
}

TEST(AnsiText, CharactersAreCountedAndTakenWhole)
{
    REQUIRE_CP932();
    const std::string hyouji = std::string(HYOU) + "\x8e\xa6";    // 表示
    const struct {
        std::string text;
        size_t count, maxChars, prefix;
    } cases[] = {
        {"", 0, 3, 0},
        {"abc", 3, 2, 2},
        {"abc", 3, 5, 3},
        {hyouji, 2, 1, 2},
        {"a" + hyouji + "\xb1", 4, 3, 5},
        {"a" + hyouji, 3, 0, 0},
        // A lead byte at the very end is a character of its own.
        {"a\x95", 2, 2, 2},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.count, CharCount(c.text.c_str())) << c.text;
        EXPECT_EQ(c.prefix, CharsPrefix(c.text.c_str(), c.maxChars)) << c.text << " " << c.maxChars;
    }
}

TEST(AnsiText, PathsJoinByCharacters)
{
    REQUIRE_CP932();
    const struct {
        const char *dir;
        const char *rest;
        const char *joined;
    } cases[] = {
        {"C:\\Fav", "A\\A2", "C:\\Fav\\A\\A2"},
        {"C:\\Fav\\", "A", "C:\\Fav\\A"},
        {"C:\\", "A", "C:\\A"},
        // 表 ends in 0x5C, which is not a backslash there.
        {"C:\\\x95\x5c", "A", "C:\\\x95\x5c\\A"},
        {"C:\\\x95\x5c\\", "A", "C:\\\x95\x5c\\A"},
        {"C:\\\x83\x5c\x95\x5c", "A", "C:\\\x83\x5c\x95\x5c\\A"},
        {"", "A", "A"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.joined, JoinPath(c.dir, c.rest)) << c.dir;
}

TEST(AnsiText, AsciiCaseIsIgnoredByCharacters)
{
    REQUIRE_CP932();
    const struct {
        const char *a;
        const char *b;
        bool equal;
    } cases[] = {
        {"News", "nEWS", true},
        {"News", "News ", false},
        {"", "", true},
        {"a", "", false},
        {"\x83\x6A a", "\x83\x6A A", true},
        // ニ and カ differ only in a second byte that reads as j and J.
        {"\x83\x6A", "\x83\x4A", false},
        {"\x83\x6A", "\x83", false},
        {"a\x83\x6A", "A\x83\x6A", true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.equal, EqualsAsciiNoCase(c.a, c.b)) << c.a << " / " << c.b;
        EXPECT_EQ(c.equal, EqualsAsciiNoCase(c.b, c.a)) << c.b << " / " << c.a;
    }
}

} // namespace
