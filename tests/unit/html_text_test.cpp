// Character references and character sets of bookmark files.
#include "core/bookmarks/Charset.h"
#include "core/bookmarks/HtmlEntities.h"
#include "core/text/Unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HtmlEntities, ReferencesDecodedAndEverythingElseAsWritten)
{
    const struct {
        const char *text;
        const char *utf8;
    } cases[] = {
        {"&amp; &lt; &gt; &quot; &apos; &#39;", "& < > \" ' '"},
        {"&#26085;&#x672C;&#X672c;", "\xE6\x97\xA5\xE6\x9C\xAC\xE6\x9C\xAC"},
        {"&#x1F600; &#x7f; &#xE9;", "\xF0\x9F\x98\x80 \x7f \xC3\xA9"},
        {"&#0000000000000000000065;", "A"},
        {"&#00000000000000000000000000000065;", "&#00000000000000000000000000000065;"},
        {"& &amp &AMP; &nbsp; &unknown; &#; &#x; &#65 &#xZ;", "& &amp &AMP; &nbsp; &unknown; &#; &#x; &#65 &#xZ;"},
        {"&#0; &#xD800; &#x110000; &#99999999999999999999;", "&#0; &#xD800; &#x110000; &#99999999999999999999;"},
        {"&#150; &#x80; &#x81;", "\xE2\x80\x93 \xE2\x82\xAC \xC2\x81"},
        {"&&amp;;&", "&&;&"},
        {"&amp;amp;", "&amp;"},
        {"a&#38;b", "a&b"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.utf8, DecodeReferences(c.text)) << c.text;
}

std::string Marked(const std::string &utf8) { return "[" + utf8 + "]"; }

TEST(HtmlEntities, OnlyCharactersOutsideAsciiAreConverted)
{
    EXPECT_EQ("<[\xE2\x9C\x93]>&eacute;[\xC3\xA9]\xC3\xA9",
              DecodeReferences("&lt;&#x2713;&gt;&eacute;&#233;\xC3\xA9", Marked));
}

TEST(Charset, MetaDeclarations)
{
    const struct {
        const char *content;
        const char *charset;
        bool utf8;
    } cases[] = {
        {"text/html; charset=UTF-8", "", true},
        {"text/html;charset=utf-8", "", true},
        {"text/html; CHARSET=\"utf8\"", "", true},
        {"text/html; charset=UTF-8; x=y", "", true},
        {"", "utf-8", true},
        {"", " 'UTF-8' ", true},
        {"text/html; charset=Shift_JIS", "", false},
        {"text/html; charset=UTF-16", "", false},
        {"text/html", "", false},
        {"text/html; charset=", "", false},
        {"", "", false},
        {"default-src 'self'", "", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.utf8, MetaDeclaresUtf8(c.content, c.charset)) << c.content << "|" << c.charset;
    EXPECT_TRUE(StartsWithUtf8Bom("\xEF\xBB\xBF<"));
    EXPECT_FALSE(StartsWithUtf8Bom("\xEF\xBB"));
    EXPECT_FALSE(StartsWithUtf8Bom(" \xEF\xBB\xBF"));
}

TEST(Charset, NamesAndUrls)
{
    // UTF-8: the whole text converted; code page: its bytes kept, each
    // reference's character converted.
    EXPECT_EQ(Utf8ToAnsi("日本 & é"), BookmarkName("日本 &amp; &#xE9;", true));
    EXPECT_EQ("\x93\xfa & " + Utf8ToAnsi("é"), BookmarkName("\x93\xfa &amp; &#xE9;", false));
    EXPECT_EQ("http://a/?x=1&y=%E2%9C%93", BookmarkUrl("http://a/?x=1&amp;y=\xE2\x9C\x93\r\n", true));
    EXPECT_EQ("http://a/?x=1&y=%E2%9C%93", BookmarkUrl("http://a/?x=1&amp;y=&#x2713;\r\n", false));
    EXPECT_EQ("http://a/\x93\xfa", BookmarkUrl("http://a/\x93\xfa", false));
    EXPECT_EQ("http://a/b", BookmarkUrl("http://a/&#10;b", true));
}

TEST(Charset, WholeCharacters)
{
    EXPECT_EQ(3u, WholeCharsLength("abc", 5, true));
    EXPECT_EQ(1u, WholeCharsLength("a\xE6\x97\xA5", 3, true));
    EXPECT_EQ(4u, WholeCharsLength("a\xE6\x97\xA5z", 4, true));
    EXPECT_EQ(1u, WholeCharsLength("a\x95\x5c", 2, false));
    EXPECT_EQ(3u, WholeCharsLength("a\x95\x5cz", 3, false));
}

} // namespace
