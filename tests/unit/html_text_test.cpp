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

TEST(Charset, MetaDeclarations)
{
    const struct {
        const char *content;
        const char *charset;
        unsigned codePage;
    } cases[] = {
        {"text/html; charset=UTF-8", "", 65001},
        {"text/html;charset=utf-8", "", 65001},
        {"text/html; CHARSET=\"utf8\"", "", 65001},
        {"text/html; charset=UTF-8; x=y", "", 65001},
        {"", "utf-8", 65001},
        {"", " 'UTF-8' ", 65001},
        {"text/html; charset=Shift_JIS", "", 932},
        {"", "windows-31j", 932},
        {"text/html; charset=EUC-JP", "", 20932},
        {"text/html; charset=iso-2022-jp", "", 50220},
        {"text/html; charset=windows-1252", "", 1252},
        {"", "CP1250", 1250},
        {"", "windows-1259", 0},
        {"", "windows-12520", 0},
        {"text/html; charset=ISO-8859-1", "", 28591},
        {"", "iso8859-15", 28605},
        {"", "ISO_8859-13", 28603},
        {"", "iso-8859-10", 0},
        {"", "iso-8859-", 0},
        {"text/html; charset=x-mac-roman", "", 10000},
        {"", "Macintosh", 10000},
        {"", "latin1", 28591},
        {"text/html; charset=UTF-16", "", 0},
        {"text/html", "", 0},
        {"text/html; charset=", "", 0},
        {"", "", 0},
        {"default-src 'self'", "", 0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.codePage, MetaCodePage(c.content, c.charset)) << c.content << "|" << c.charset;
    EXPECT_TRUE(StartsWithUtf8Bom("\xEF\xBB\xBF<"));
    EXPECT_FALSE(StartsWithUtf8Bom("\xEF\xBB"));
    EXPECT_FALSE(StartsWithUtf8Bom(" \xEF\xBB\xBF"));
}

TEST(Charset, Iso2022JpBecomesEucJp)
{
    const struct {
        const char *jis;
        bool ok;
        const char *euc;
    } cases[] = {
        {"plain", true, "plain"},
        {"a\x1B$BF|K\\\x1B(Bz", true, "a\xC6\xFC\xCB\xDCz"},     // 日本, JIS X 0208-1983
        {"\x1B$@F| \x1B(Jx", true, "\xC6\xFC x"},                  // 1978 set, a blank, JIS-Roman
        {"\x1B(I1\x1B(B", true, "\x8E\xB1"},                       // half-width katakana
        {"\x1B$BF", false, ""},                                       // half a character
        {"\x1B$BF\x80", false, ""},
        {"\x1B$(D", false, ""},                                       // a set it does not know
        {"\x1B$", false, ""},
        {"caf\xE9", false, ""},
    };
    for (const auto &c : cases) {
        std::string euc;
        EXPECT_EQ(c.ok, Iso2022JpToEucJp(c.jis, euc)) << c.jis;
        if (c.ok) {
            EXPECT_EQ(c.euc, euc) << c.jis;
        }
    }
}

TEST(Charset, NamesAndUrls)
{
    // References decoded, every character kept; a byte that is not UTF-8 is
    // U+FFFD in a name and its escape in a URL.
    EXPECT_EQ(u8"日本 & é ✓", BookmarkName(u8"日本 &amp; &#xE9; &#x2713;"));
    EXPECT_EQ("\xEF\xBF\xBD & x", BookmarkName("\x93 &amp; x"));
    EXPECT_EQ("http://a/?x=1&y=\xE2\x9C\x93", BookmarkUrl("http://a/?x=1&amp;y=\xE2\x9C\x93\r\n"));
    EXPECT_EQ("http://a/?x=1&y=\xE2\x9C\x93", BookmarkUrl("http://a/?x=1&amp;y=&#x2713;\r\n"));
    EXPECT_EQ("http://a/%93%FA", BookmarkUrl("http://a/\x93\xfa"));
    EXPECT_EQ("http://a/b", BookmarkUrl("http://a/&#10;b"));
}

} // namespace
