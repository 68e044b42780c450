// Text turned into UTF-8 from where it comes, and into what the old
// browsers' interfaces take. Natively against iconv and libidn2, under Wine
// against the system's conversions with the Japanese code page: both must
// give these answers.
#include "core/text/Unicode.h"

#include "Cp932.h"

#include <string>

namespace {

// 日本 in code page 932, and in UTF-8.
const char NIHON_932[] = "\x93\xfa\x96\x7b";
const char NIHON_UTF8[] = "\xe6\x97\xa5\xe6\x9c\xac";

TEST(Unicode, Utf8CharLengthAcceptsOnlyWellFormedCharacters)
{
    struct {
        std::string text;
        size_t expected;
    } const cases[] = {
        {"a", 1},
        {"\xc3\xa9", 2},                // é
        {"\xe2\x9c\x93", 3},            // ✓
        {"\xf0\x9f\x98\x80", 4},        // an emoji, past the BMP
        {"\xc3", 0},                    // cut off
        {"\xe2\x9c", 0},
        {"\xc0\xaf", 0},                // overlong '/'
        {"\xe0\x80\xaf", 0},
        {"\xf0\x80\x80\xaf", 0},
        {"\xed\xa0\x80", 0},            // a surrogate
        {"\xf4\x90\x80\x80", 0},        // past U+10FFFF
        {"\x80", 0},                    // a continuation byte alone
        {"\xff", 0},
        {"\xc3\x28", 0},                // a second byte that does not continue
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, Utf8CharLength(c.text, 0)) << c.text;
}

TEST(Unicode, TextKeepsItsUtf8AndNothingElse)
{
    EXPECT_EQ("", ValidUtf8(""));
    EXPECT_EQ(std::string(NIHON_UTF8) + " \xF0\x9F\x98\x80", ValidUtf8(std::string(NIHON_UTF8) + " \xF0\x9F\x98\x80"));
    EXPECT_EQ("a\xEF\xBF\xBD\xEF\xBF\xBD" "b", ValidUtf8("a\xE6\x97" "b"));
    EXPECT_EQ("http://a/%E6%97b%FF/\xE2\x9C\x93", Utf8Url("http://a/\xE6\x97" "b\xFF/\xE2\x9C\x93"));
    EXPECT_EQ("http://b\xC3\xBC" "cher.example/", Utf8Url("http://b\xC3\xBC" "cher.example/"));
}

TEST(Unicode, CodePageTextBecomesUtf8WithNothingDropped)
{
    REQUIRE_CP932();
    EXPECT_EQ(std::string(NIHON_UTF8) + " news", AnsiToUtf8(std::string(NIHON_932) + " news"));
    // 表 ends in a backslash byte; a lead byte at the end, or before a byte
    // that cannot follow it, is no character.
    EXPECT_EQ("C:\\\xE8\xA1\xA8\\a", AnsiToUtf8("C:\\\x95\x5C\\a"));
    EXPECT_EQ("a\xEF\xBF\xBD", AnsiToUtf8("a\x95"));
    EXPECT_EQ("\xEF\xBF\xBD\x0A\xE6\x97\xA5", AnsiToUtf8("\x81\x0A\x93\xFA"));
}

TEST(Unicode, StoredLengthIsTheCodePagesWhenItHoldsTheText)
{
    REQUIRE_CP932();
    const std::string check = "\xE2\x9C\x93";    // ✓, which 932 does not hold
    EXPECT_EQ(4u, StoredLength(NIHON_UTF8));
    EXPECT_EQ(1u, StoredLength("\xEF\xBD\xB1"));    // half-width ｱ, one byte
    EXPECT_EQ(9u, StoredLength(std::string(NIHON_UTF8) + check));
    EXPECT_EQ(3u, StoredPrefix(std::string(NIHON_UTF8) + check, 3));
    EXPECT_EQ(6u, StoredPrefix(std::string(NIHON_UTF8) + check, 8));
    EXPECT_EQ(9u, StoredPrefix(std::string(NIHON_UTF8) + check, 9));
    EXPECT_EQ(2u, StoredPrefix("ab\xFF", 2));
}

TEST(Unicode, ExactCharactersAreOnlyThoseTheCodePageHolds)
{
    REQUIRE_CP932();
    std::string ansi;
    EXPECT_TRUE(CharToAnsiExact("\xe6\x97\xa5", ansi));
    EXPECT_EQ("\x93\xfa", ansi);
    EXPECT_FALSE(CharToAnsiExact("\xe2\x9c\x93", ansi)) << "no check mark in 932";
    EXPECT_FALSE(CharToAnsiExact("\xc3\xa9", ansi)) << "é is no e";
}

TEST(Unicode, UrlsKeepEveryCharacter)
{
    REQUIRE_CP932();
    struct {
        std::string url, expected;
    } const cases[] = {
        {"http://example.com/a?b=c#d", "http://example.com/a?b=c#d"},
        {"http://example.com/\xe2\x9c\x93", "http://example.com/%E2%9C%93"},
        {"http://example.com/caf\xc3\xa9", "http://example.com/caf%C3%A9"},
        {"http://example.com/\xf0\x9f\x98\x80", "http://example.com/%F0%9F%98%80"},
        // What the code page holds stays readable.
        {std::string("http://example.com/") + NIHON_UTF8, std::string("http://example.com/") + NIHON_932},
        // A host outside ASCII is spelt in punycode, whatever follows it.
        {"http://b\xc3\xbc" "cher.example/", "http://xn--bcher-kva.example/"},
        {"https://user@b\xc3\xbc" "cher.example:8080/\xe2\x9c\x93?q=1",
         "https://user@xn--bcher-kva.example:8080/%E2%9C%93?q=1"},
        {std::string("http://") + NIHON_UTF8 + ".jp", "http://xn--wgv71a.jp"},
        // Non-ASCII before the host is no host of its own.
        {"http://\xc3\xa9@example.com/", "http://%C3%A9@example.com/"},
        // Bytes that are not UTF-8 are escaped as they are.
        {"http://example.com/\xff\xc3", "http://example.com/%FF%C3"},
        {"mailto:caf\xc3\xa9@example.com", "mailto:caf%C3%A9@example.com"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, Utf8UrlToAnsi(c.url)) << c.url;
}

TEST(Unicode, AHostThatIsNoNameIsEscapedInstead)
{
    REQUIRE_CP932();
    // With sixty ASCII letters beside it, the label is longer than DNS's 63
    // characters in punycode.
    const std::string letters(60, 'a');
    const std::string label = "\xc3\xa9" + letters, escaped = "%C3%A9" + letters;
    std::string ascii;
    EXPECT_FALSE(HostToAscii(label + ".example", ascii));
    EXPECT_EQ("http://" + escaped + ".example/", Utf8UrlToAnsi("http://" + label + ".example/"));
}

TEST(Unicode, Utf7OfAnInternetShortcut)
{
    std::string utf8;
    ASSERT_TRUE(Utf7ToUtf8("http://example.com/+JxM-", utf8));
    EXPECT_EQ("http://example.com/\xe2\x9c\x93", utf8);
    ASSERT_TRUE(Utf7ToUtf8("http://example.com/+ZeVnLA-", utf8));
    EXPECT_EQ(std::string("http://example.com/") + NIHON_UTF8, utf8);
    ASSERT_TRUE(Utf7ToUtf8("a+-b", utf8));
    EXPECT_EQ("a+b", utf8);
}

} // namespace
