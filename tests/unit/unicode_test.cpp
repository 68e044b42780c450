// Unicode text turned into what entries and names keep. Natively against
// iconv and libidn2, under Wine against the system's conversions with the
// Japanese code page: both must give these answers.
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

TEST(Unicode, NamesTakeTheCodePageAndNeverTheUtf8Bytes)
{
    REQUIRE_CP932();
    EXPECT_EQ("", Utf8ToAnsi(""));
    EXPECT_EQ("Market & Sell", Utf8ToAnsi("Market & Sell"));
    EXPECT_EQ(std::string(NIHON_932) + " news", Utf8ToAnsi(std::string(NIHON_UTF8) + " news"));
    // Bytes that are not UTF-8 do not pass through as code page bytes.
    EXPECT_EQ("a?b", Utf8ToAnsi("a\xff" "b"));
    // A character 932 cannot hold: a look-alike or '?', one byte either way.
    const std::string check = Utf8ToAnsi("\xe2\x9c\x93");
    EXPECT_TRUE(check == "?" || (check.size() == 1 && static_cast<unsigned char>(check[0]) < 0x80)) << check;
    const std::string accented = Utf8ToAnsi("caf\xc3\xa9");
    EXPECT_TRUE(accented == "cafe" || accented == "caf?") << accented;
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
