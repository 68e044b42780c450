#include "BookmarkDump.h"
#include "core/bookmarks/BookmarkFile.h"
#include "core/settings/GroupList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Hands out one byte per read call, as reading the file byte by byte did.
class CTrickleStream : public CMemoryStream {
public:
    using CMemoryStream::CMemoryStream;
    long Read(void *buffer, size_t size) override { return CMemoryStream::Read(buffer, size < 1 ? size : 1); }
};

std::string Load(const std::string &file)
{
    CMemoryStream stream(file.data(), file.size());
    CMemoryBookmarks bookmarks;
    EXPECT_EQ(1, ReadBookmarks(stream, bookmarks));
    return Dump(bookmarks);
}

std::string LoadTrickled(const std::string &file)
{
    CTrickleStream stream(file.data(), file.size());
    CMemoryBookmarks bookmarks;
    ReadBookmarks(stream, bookmarks);
    return Dump(bookmarks);
}

const char EXPORTED[] = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
                        "<!-- This is an automatically generated file. -->\r\n"
                        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
                        "<TITLE>Bookmarks for Taro</TITLE>\r\n"
                        "<H1>Bookmarks for Taro</H1>\r\n"
                        "\r\n"
                        "<DL><p>\r\n"
                        "    <DT><H3 ADD_DATE=\"900000000\">News</H3>\r\n"
                        "    <DL><p>\r\n"
                        "        <DT><A HREF=\"http://news.example/\" ADD_DATE=\"1\" LAST_VISIT=\"2\">Daily news</A>\r\n"
                        "        <DT><H3>Sports</H3>\r\n"
                        "        <DL><p>\r\n"
                        "            <DT><A HREF=\"http://sports.example/\">Scores</A>\r\n"
                        "        </DL><p>\r\n"
                        "<DD>A folder's description, with <B>tags</B> and text\r\n"
                        "        <DT><A HREF=\"http://weather.example/\">Weather</A>\r\n"
                        "    </DL><p>\r\n"
                        "    <HR>\r\n"
                        "    <DT><H3>Empty</H3>\r\n"
                        "    <DL><p>\r\n"
                        "    </DL><p>\r\n"
                        "    <DT><A HREF=\"http://top.example/\">Top</A>\r\n"
                        "</DL><p>\r\n";

struct FileCase {
    const char *what;
    std::string file;
    std::string tree;
};

const FileCase FILE_CASES[] = {
    {"an exported file: nested folders, with other tags and text between the items", EXPORTED,
     "+Bookmarks for Taro #0\n"
     " - Top | http://top.example/\n"
     " +News #1\n"
     "  - Daily news | http://news.example/\n"
     "  - Weather | http://weather.example/\n"
     "  +Sports #2\n"
     "   - Scores | http://sports.example/\n"
     " +Empty #3\n"},
    {"tag and attribute names in lower case count",
     "<h1>Mine</h1><dl><dt><h3>Sub</h3><dl><dt><a href=\"http://lower/\">Lower</a><dt><A HREF=\"http://upper/\">Upper</A>"
     "<dt><a Href=\"http://mixed/\">Mixed</a></dl></dl>",
     "+Mine #0\n"
     " +Sub #1\n"
     "  - Lower | http://lower/\n"
     "  - Upper | http://upper/\n"
     "  - Mixed | http://mixed/\n"},
    {"a '>' inside a quoted attribute value does not end the tag",
     "<H1>R</H1><DL><DT><A TITLE=\"a>b\" HREF=\"http://q/?x=>\" X=\">\">Quoted > text</A></DL>",
     "+R #0\n"
     " - Quoted > text | http://q/?x=>\n"},
    {"titles keep their blanks and line breaks; character references are decoded",
     "<H1>  Root &amp; co\r\n</H1><DL><DT><H3>\tA&lt;B </H3><DL><DT><A HREF=\"u\"> name\n&quot;x&quot; </A></DL></DL>",
     "+  Root & co\r\n #0\n"
     " +\tA<B  #1\n"
     "  -  name\n\"x\"  | u\n"},
    {"a heading after the first list adds nothing; folders and bookmarks before it add nothing",
     "<DT><H3>Early</H3><DT><A HREF=\"http://early/\">Early</A><H1>Root</H1><DL><H1>Late</H1>"
     "<DT><A HREF=\"http://in/\">In</A></DL>",
     "+Root #0\n"
     " - In | http://in/\n"},
    {"a bookmark title that runs to the end of the file is not added, and the load ends",
     "<H1>R</H1><DL><DT><A HREF=\"http://kept/\">Kept</A><DT><A HREF=\"http://lost/\">Lost to the end",
     "+R #0\n"
     " - Kept | http://kept/\n"},
    {"a folder title that runs to the end of the file is not added",
     "<H1>R</H1><DL><DT><A HREF=\"http://kept/\">Kept</A><DT><H3>Lost", "+R #0\n - Kept | http://kept/\n"},
    {"a heading title that runs to the end adds nothing", "<H1>Lost", ""},
    {"a bookmark without HREF is added with an empty URL", "<H1>R</H1><DL><DT><A NAME=\"x\">No link</A></DL>",
     "+R #0\n - No link | \n"},
    {"without a heading the outermost list's bookmarks belong to folder 0",
     "<DL><DT><A HREF=\"http://a/\">A</A><DT><H3>F</H3><DL><DT><A HREF=\"http://b/\">B</A></DL></DL>",
     "+F #1\n - B | http://b/\n(#0)\n - A | http://a/\n"},
    {"more closes than opens stay at the top; a later bookmark goes to folder 0",
     "<H1>R</H1><DL></DL></DL></DL><DT><A HREF=\"http://after/\">After</A><DT><H3>F</H3>",
     "+R #0\n - After | http://after/\n+F #1\n"},
    {"an item tag other than a folder or bookmark is nothing, also a list end",
     "<H1>R</H1><DL><DT><H3>F</H3><DL><DT></DL><DT><A HREF=\"http://f/\">Still in F</A></DL>",
     "+R #0\n +F #1\n  - Still in F | http://f/\n"},
    {"several headings before the list nest, all with id 0",
     "<H1>One</H1><H1>Two</H1><DL><DT><A HREF=\"http://x/\">X</A></DL>", "+One #0\n - X | http://x/\n +Two #0\n"},
    {"an empty file", "", ""},
    {"a tag cut off by the end of the file", "<H1>R</H1><DL><DT><A HREF=\"http://cut", "+R #0\n"},
};

TEST(BookmarkFile, ReadsFoldersAndBookmarks)
{
    for (const FileCase &c : FILE_CASES)
        EXPECT_EQ(c.tree, Load(c.file)) << c.what;
}

TEST(BookmarkFile, ByteByByteReadsGiveTheSameResult)
{
    for (const FileCase &c : FILE_CASES)
        EXPECT_EQ(c.tree, LoadTrickled(c.file)) << c.what;
}

TEST(BookmarkFile, ResultDoesNotDependOnWhereTheBufferEnds)
{
    // Pushing back a '<' that is the first byte of a refill must work too.
    for (size_t pad = 65536 - 40; pad < 65536 + 8; ++pad) {
        const std::string file = std::string(pad, ' ') + "<H1>R</H1><DL><DT><A HREF=\"http://x/\">X</A></DL>";
        ASSERT_EQ("+R #0\n - X | http://x/\n", Load(file)) << pad;
    }
}

std::vector<BookmarkTag> ReadTags(const std::string &input, bool &ended)
{
    CMemoryStream stream(input.data(), input.size());
    CByteReader in(stream);
    std::vector<BookmarkTag> tags;
    ended = false;
    for (int i = 0; i < 10 && !ended; ++i) {
        BookmarkTag t;
        ReadTag(in, t, ended);
        if (!ended)
            tags.push_back(t);
    }
    return tags;
}

BookmarkTag OneTag(const std::string &input)
{
    bool ended = false;
    const auto tags = ReadTags(input, ended);
    return tags.empty() ? BookmarkTag() : tags[0];
}

struct HrefCase {
    const char *tag;
    bool present;
    const char *value;    // as written
};

TEST(BookmarkFile, HrefValueIsTheFirstHrefAttributeAsWritten)
{
    const HrefCase cases[] = {
        {"<A HREF=\"http://a/\" ADD_DATE=\"1\">", true, "http://a/"},
        {"<A HREF = \" http://b/ c\">", true, " http://b/ c"},
        {"<A HREF=http://c/ ADD_DATE=1>", true, "http://c/"},
        {"<A HREF=http://d/>", true, "http://d/"},
        {"<A HREF=\"\" ADD_DATE=\"1\">", true, ""},
        {"<A href=\"http://lower/\">", true, "http://lower/"},
        {"<A\nhref\n=\n'x'>", true, "'x'"},
        {"<A NAME=\"x\">", false, ""},
        {"<A HREF>", false, ""},
        {"<A HREF", false, ""},
        {"<A HREF=", false, ""},
        {"<A XHREF=\"http://e/\">", false, ""},
        {"<A HREFLANG=\"ja\" HREF=\"http://e2/\">", true, "http://e2/"},
        {"<A HREF=\"http://f/\" HREF=\"http://g/\">", true, "http://f/"},
        {"<A HREF=\"http://h/\r\n?q=1\t\">", true, "http://h/\r\n?q=1\t"},
        {"<A HREF=\"http://\x95\x5c\x8e\xa6/\">", true, "http://\x95\x5c\x8e\xa6/"},
        {"<A HREF=\"http://unclosed", true, "http://unclosed"},
        {"<A TITLE=\"HREF=http://inside/\" HREF=\"http://out/\">", true, "http://out/"},
        {"<A ICON_URI=\"x.ico?HREF=y\" ICON=\"data:HREF=z\">", false, ""},
        {"<A TITLE=\"a>b\" HREF=\"http://q/?x=>\" X=\">\">", true, "http://q/?x=>"},
        {"<A HREF=\"a&amp;b\">", true, "a&amp;b"},
    };
    for (const HrefCase &c : cases) {
        const BookmarkTag tag = OneTag(c.tag);
        EXPECT_EQ("<A", tag.name) << c.tag;
        EXPECT_EQ(c.present, tag.href.present) << c.tag;
        EXPECT_EQ(c.value, tag.href.text) << c.tag;
        EXPECT_FALSE(tag.href.cut) << c.tag;
    }
}

TEST(BookmarkFile, MetaValuesAreKept)
{
    const BookmarkTag meta = OneTag("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">");
    EXPECT_EQ("<meta", meta.name);
    EXPECT_EQ("text/html; charset=UTF-8", meta.content.text);
    EXPECT_FALSE(meta.charset.present);
    EXPECT_EQ("utf-8", OneTag("<META CHARSET=utf-8>").charset.text);
}

TEST(BookmarkFile, TagNameEndsAtBlankTabLineBreakOrClose)
{
    bool ended = false;
    const auto tags = ReadTags("x<DL>y<DT\t><A\nHREF=\"a\"><H3\rB></a ><p\x0c>", ended);
    ASSERT_EQ(6u, tags.size());
    EXPECT_EQ("<DL", tags[0].name);
    EXPECT_EQ("<DT", tags[1].name);
    EXPECT_EQ("<A", tags[2].name);
    EXPECT_EQ("a", tags[2].href.text);
    EXPECT_EQ("<H3", tags[3].name);
    EXPECT_EQ("</a", tags[4].name);
    EXPECT_EQ("<p", tags[5].name);
    EXPECT_TRUE(ended);
}

TEST(BookmarkFile, TagCutByTheEndIsHandedOnAndTheNextReadEnds)
{
    for (const char *input : {"<DL", "<A HREF=\"x", "<A HREF=\"x>\" "}) {
        bool ended = false;
        const auto tags = ReadTags(input, ended);
        ASSERT_EQ(1u, tags.size()) << input;
        EXPECT_TRUE(ended) << input;
    }
    EXPECT_EQ("x>", OneTag("<A HREF=\"x>\" ").href.text);
}

TEST(BookmarkFile, LongTagNameIsCut)
{
    const std::string longName(5000, 'D');
    const BookmarkTag tag = OneTag("<" + longName + " X>");
    EXPECT_EQ(size_t(TAG_NAME_MAX), tag.name.size());
    EXPECT_EQ("<" + longName.substr(0, TAG_NAME_MAX - 1), tag.name);
    // A long name that starts like a known one is not that name.
    EXPECT_EQ("+R #0\n", Load("<H1>R</H1><DL><DT" + longName + "><A HREF=\"x\">X</A></DL>"));
}

TEST(BookmarkFile, TextIsReadUpToTheNextTagWhichStaysUnread)
{
    const std::string input = " a\r\nb <X>";
    CMemoryStream stream(input.data(), input.size());
    CByteReader in(stream);
    std::string text;
    BookmarkTag tag;
    bool end = true;
    ReadText(in, text, end);
    EXPECT_EQ(" a\r\nb ", text);
    EXPECT_FALSE(end);
    ReadTag(in, tag, end);
    EXPECT_EQ("<X", tag.name);
    ReadText(in, text, end);
    EXPECT_EQ("", text);
    EXPECT_TRUE(end);
}

TEST(BookmarkFile, ABookmarkWhoseUrlAnEntryCannotKeepWholeIsLeftOut)
{
    const auto url = [](size_t length) { return "http://x/" + std::string(length - 9, 'a'); };
    const auto bookmark = [](const std::string &href, const char *title) {
        return "<DT><A HREF=\"" + href + "\">" + title + "</A>";
    };
    // A blank inside is stored as %20: two bytes more.
    const std::string blank = "http://x/ " + std::string(MAX_URL_CHARS - 12, 'a');
    const std::string file = "<H1>R</H1><DL>" + bookmark(url(MAX_URL_CHARS), "Most") +
                             bookmark(url(MAX_URL_CHARS + 1), "Over") + bookmark(url(5000), "Long") +
                             bookmark(blank, "Blank") + bookmark(blank + "a", "BlankOver") +
                             bookmark("http://after/", "After") + "</DL>";
    EXPECT_EQ("+R #0\n - Most | " + url(MAX_URL_CHARS) + "\n - Blank | " + blank + "\n - After | http://after/\n",
              Load(file));
}

TEST(BookmarkFile, FolderIdsStopAt255AndLaterFoldersEntriesGoToTheirParent)
{
    std::string file = "<H1>R</H1><DL>";
    for (int i = 1; i <= 300; ++i) {
        const std::string n = std::to_string(i);
        file += "<DT><H3>F" + n + "</H3><DL><DT><A HREF=\"http://" + n + "/\">B" + n + "</A></DL>";
    }
    file += "<DT><A HREF=\"http://last/\">Last</A></DL>";
    CMemoryStream stream(file.data(), file.size());
    CMemoryBookmarks b;
    ReadBookmarks(stream, b);
    ASSERT_EQ(256u, b.m_tree.m_folders.size());
    EXPECT_EQ("F255", b.m_tree.m_folders.back().title);
    EXPECT_EQ(255, b.m_tree.m_folders.back().id);
    EXPECT_EQ(1, b.m_tables.m_nCount[255]);
    EXPECT_EQ("http://255/", b.m_tables.m_urls[255][0]);
    // The bookmarks of folders 256 to 300 and the last one lie in the root.
    ASSERT_EQ(46, b.m_tables.m_nCount[0]);
    EXPECT_EQ("B256", b.m_tables.m_names[0][0]);
    EXPECT_EQ("Last", b.m_tables.m_names[0][45]);
}

TEST(BookmarkFile, NestingStopsAtTheTablesDepth)
{
    std::string file = "<H1>R</H1><DL>";
    for (int i = 1; i <= 300; ++i)
        file += "<DT><H3>F" + std::to_string(i) + "</H3><DL>";
    file += "<DT><A HREF=\"http://deep/\">Deep</A>";
    for (int i = 300; i >= 1; --i)
        file += "</DL><DT><A HREF=\"http://" + std::to_string(i) + "/\">After" + std::to_string(i) + "</A>";
    file += "</DL>";
    CMemoryStream stream(file.data(), file.size());
    CMemoryBookmarks b;
    ReadBookmarks(stream, b);
    // The root and 254 folders fill the 255 levels the table holds.
    ASSERT_EQ(255u, b.m_tree.m_folders.size());
    EXPECT_EQ(254, b.m_tree.m_folders.back().id);
    // Deep and the bookmarks after folders 300..255 closed lie in folder 254.
    ASSERT_EQ(47, b.m_tables.m_nCount[254]);
    EXPECT_EQ("Deep", b.m_tables.m_names[254][0]);
    EXPECT_EQ("After255", b.m_tables.m_names[254][46]);
    EXPECT_EQ("After254", b.m_tables.m_names[253][0]);
    EXPECT_EQ("After1", b.m_tables.m_names[0][0]);
}

// Files whose expected tree is written here, in UTF-8: names and URLs
// keep every character.
struct Utf8Case {
    const char *what;
    std::string file;
    std::string utf8Tree;
};

const char UTF8_META[] = "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">";

const Utf8Case UTF8_CASES[] = {
    {"a META declaration makes names and URLs UTF-8",
     std::string(UTF8_META) +
         "<H1>ブックマーク</H1><DL><p><DT><A HREF=\"http://bücher.example/\">Bücher</A>"
         "<DT><A HREF=\"http://x.example/✓/ページ\">✓ ページ</A></DL>",
     "+ブックマーク #0\n - Bücher | http://bücher.example/\n"
     " - ✓ ページ | http://x.example/✓/ページ\n"},
    {"the declaration in lower case, and HTML5's charset attribute",
     "<meta http-equiv=\"content-type\" content=\"text/html;charset=utf-8\"><h1>Root</h1><dl><dt><a "
     "href=\"http://a/?q=日本\">日本</a></dl>"
     "<meta charset=\"UTF-8\">",
     "+Root #0\n - 日本 | http://a/?q=日本\n"},
    {"a byte-order mark makes the file UTF-8",
     "\xEF\xBB\xBF<H1>Root</H1><DL><DT><A HREF=\"http://a/é\">Café</A></DL>",
     "+Root #0\n - Café | http://a/é\n"},
    {"references in a UTF-8 file, in names and URLs",
     std::string(UTF8_META) +
         "<H1>Market &amp; Sell</H1><DL><DT><H3>&lt;Name&gt; &#39;q&#39; &#x2713; &#26085;</H3><DL>"
         "<DT><A HREF=\"http://a/?x=1&amp;y=2&#38;z=&#x2713;\">&quot;A&quot; &amp B &unknown; &#xZZ; &#1114112;</A>"
         "</DL></DL>",
     "+Market & Sell #0\n +<Name> 'q' ✓ 日 #1\n"
     "  - \"A\" &amp B &unknown; &#xZZ; &#1114112; | http://a/?x=1&y=2&z=✓\n"},
};


TEST(BookmarkFile, Utf8FilesAndCharacterReferences)
{
    for (const Utf8Case &c : UTF8_CASES) {
        EXPECT_EQ(c.utf8Tree, Load(c.file)) << c.what;
        EXPECT_EQ(c.utf8Tree, LoadTrickled(c.file)) << c.what;
    }
}

TEST(BookmarkFile, AFileWithoutDeclarationIsReadInTheCodePage)
{
    // Shift_JIS as Navigator wrote it (表 ends in a backslash byte), declared
    // or not, and a UTF-8 byte sequence (half-width katakana in Shift_JIS):
    // all decoded from this code page (932), and a declaration of a set not
    // known here changes nothing either. A byte the code page cannot decode
    // is U+FFFD.
    const std::string body = "<H1>\x95\x5c</H1><DL><DT><A HREF=\"http://a/\x95\x5c\">\x8e\xa6 \xC3\xA9\x81</A></DL>";
    for (const char *meta : {"", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">",
                             "<META CHARSET=\"x-unknown\">"})
        EXPECT_EQ("+表 #0\n - 示 ﾃｩ\xEF\xBF\xBD | http://a/表\n", Load(meta + body)) << meta;
}

// Files of other character sets, as older browsers exported them, and
// what each name and URL becomes in UTF-8.
TEST(BookmarkFile, NamesOfADeclaredCharacterSetAreDecoded)
{
    const struct {
        const char *charset;
        std::string name;       // as the file holds it
        std::string expected;
    } cases[] = {
        {"x-mac-roman", "\xA4\xA1\xB1", "§°±"},
        {"windows-1252", "\xD7\xF7", "×÷"},
        {"ISO-8859-5", "\xBF\xE0\xD8", "При"},
        {"ISO-8859-7", "\xE1\xE2", "αβ"},
        {"EUC-JP", "\xC6\xFC\xCB\xDC", "日本"},
        {"ISO-2022-JP", "\x1B$BF|K\\\x1B(B", "日本"},
    };
    for (const auto &c : cases) {
        const std::string file = std::string("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=") +
                                 c.charset + "\"><H1>" + c.name + "</H1><DL><DT><A HREF=\"http://a/" + c.name + "\">" +
                                 c.name + "</A></DL>";
        EXPECT_EQ("+" + c.expected + " #0\n - " + c.expected + " | http://a/" + c.expected + "\n", Load(file))
            << c.charset;
    }
    // A name longer than one keeps, read cut inside its third 日 (EUC-JP),
    // then cut on a whole character of UTF-8 before its second.
    const std::string pad(TEXT_MAX - 5, 'n');
    EXPECT_EQ("+" + pad + "日 #0\n",
              Load("<meta charset=\"euc-jp\"><H1>" + pad + "\xC6\xFC\xC6\xFC\xC6\xFC</H1><DL></DL>"));
}

TEST(BookmarkFile, ReferencesInAFileWithoutDeclaration)
{
    // Each reference's character beside the code page's, in names and URLs.
    const std::string file = "<H1>A&amp;B</H1><DL><DT><A HREF=\"http://a/?q=&#x2713;&amp;r=&#26085;\">"
                             "&#26085;&#x672C; &#xE9; &#x2713; \x95\x5c</A></DL>";
    EXPECT_EQ("+A&B #0\n - 日本 é ✓ 表 | http://a/?q=✓&r=日\n", Load(file));
}

const Utf8Case STRUCTURE_CASES[] = {
    {"Safari: no outer list, folded folders, a bookmark at the root after them",
     "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n\t<HTML>\n\t<Title>Bookmarks</Title>\n\t<H1>Bookmarks</H1>\n"
     "\t<DT><H3 FOLDED>Favorites</H3>\n\t<DL><p>\n\t\t<DT><A HREF=\"http://fav/\">Fav</A>\n\t</DL><p>\n"
     "\t<DT><H3 FOLDED>Bookmarks Menu</H3>\n\t<DL><p>\n\t</DL><p>\n"
     "\t<DT><A HREF=\"http://root/\">Root one</A>\n</HTML>\n",
     "+Bookmarks #0\n - Root one | http://root/\n +Favorites #1\n  - Fav | http://fav/\n +Bookmarks Menu #2\n"},
    {"bookmarks at the root before the first folder, lists without <p>, <HR> and <DD>",
     "<H1>Menu</H1><DL><DT><A HREF=\"http://first/\">First</A><DD>about first<HR>"
     "<DT><H3 PERSONAL_TOOLBAR_FOLDER=\"true\">Toolbar</H3><DD>the toolbar's folder<DL>"
     "<DT><A HREF=\"http://bar/\">Bar</A><DD>about <b>bar</b><HR></DL><DT><A HREF=\"http://last/\">Last</A></DL>",
     "+Menu #0\n - First | http://first/\n - Last | http://last/\n +Toolbar #1\n  - Bar | http://bar/\n"},
    {"iCab: an empty folder is a heading with no list, the next item its parent's",
     "<H1>Bookmarks</H1><DL><p><DT><H3>Empty</H3>\n<DT><A HREF=\"http://after/\">After</A>"
     "<DT><H3>Full</H3><DL><p><DT><H3>Inner empty</H3></DL><p><DT><H3>Last empty</H3></DL><p>",
     "+Bookmarks #0\n - After | http://after/\n +Empty #1\n +Full #2\n  +Inner empty #3\n +Last empty #4\n"},
};

TEST(BookmarkFile, StructuresOfTodaysExports)
{
    for (const Utf8Case &c : STRUCTURE_CASES)
        EXPECT_EQ(c.utf8Tree, Load(c.file)) << c.what;
}

TEST(BookmarkFile, HrefIsFoundBeforeAndAfterA50KbIcon)
{
    const std::string icon = "ICON=\"data:image/png;base64," + std::string(50 * 1024, 'A') + "\"";
    const std::string file = "<H1>R</H1><DL><DT><A HREF=\"http://before/\" " + icon + ">Before</A>" + "<DT><A " + icon +
                             " HREF=\"http://after/\">After</A></DL>";
    EXPECT_EQ("+R #0\n - Before | http://before/\n - After | http://after/\n", Load(file));
}

// Bytes made as they are read: a prefix, count bytes of fill, a suffix.
class CGeneratedStream : public IByteStream {
public:
    CGeneratedStream(std::string prefix, char fill, size_t count, std::string suffix)
        : m_prefix(std::move(prefix)), m_suffix(std::move(suffix)), m_fill(fill), m_count(count)
    {
    }
    bool Seek(uint32_t) override { return false; }
    long Read(void *buffer, size_t size) override
    {
        char *out = static_cast<char *>(buffer);
        size_t n = 0;
        const size_t total = m_prefix.size() + m_count + m_suffix.size();
        for (; n < size && m_pos < total; ++n, ++m_pos)
            out[n] = m_pos < m_prefix.size()             ? m_prefix[m_pos]
                     : m_pos < m_prefix.size() + m_count ? m_fill
                                                         : m_suffix[m_pos - m_prefix.size() - m_count];
        return static_cast<long>(n);
    }

private:
    std::string m_prefix, m_suffix;
    char m_fill;
    size_t m_count;
    size_t m_pos = 0;
};

TEST(BookmarkFile, HugeTagsAndTextsAreReadInBoundedPieces)
{
    const size_t huge = 100u * 1024 * 1024;
    const std::string after = "<DT><A HREF=\"http://next/\">Next</A></DL>";
    {
        // A 100 MB ICON value: the HREF after it is still found.
        CGeneratedStream stream("<H1>R</H1><DL><DT><A ICON=\"", 'A', huge, "\" HREF=\"http://x/\">X</A>" + after);
        CMemoryBookmarks b;
        ReadBookmarks(stream, b);
        EXPECT_EQ("+R #0\n - X | http://x/\n - Next | http://next/\n", Dump(b));
    }
    {
        // An HREF longer than a value is kept: its bookmark is left out.
        CGeneratedStream stream("<H1>R</H1><DL><DT><A HREF=\"http://x/", 'a', ATTRIBUTE_VALUE_MAX, "\">X</A>" + after);
        CMemoryBookmarks b;
        ReadBookmarks(stream, b);
        EXPECT_EQ("+R #0\n - Next | http://next/\n", Dump(b));
    }
    {
        // A 100 MB name is cut to TEXT_MAX bytes.
        CGeneratedStream stream("<H1>R</H1><DL><DT><A HREF=\"http://x/\">", 'n', huge, "</A>" + after);
        CMemoryBookmarks b;
        ReadBookmarks(stream, b);
        ASSERT_EQ(2, b.m_tables.m_nCount[0]);
        EXPECT_EQ(std::string(TEXT_MAX, 'n'), b.m_tables.m_names[0][0]);
    }
}

TEST(BookmarkFile, ALongNameIsCutOnAWholeCharacter)
{
    // One byte short of TEXT_MAX, then a character of two bytes (code page)
    // or three (UTF-8) that does not fit.
    const std::string pad(TEXT_MAX - 1, 'n');
    const std::string cp = "<H1>R</H1><DL><DT><A HREF=\"u\">" + pad + "\x95\x5c</A></DL>";
    EXPECT_EQ("+R #0\n - " + pad + " | u\n", Load(cp));
    const std::string utf8 = "\xEF\xBB\xBF<H1>R</H1><DL><DT><A HREF=\"u\">" + pad + "日</A></DL>";
    EXPECT_EQ("+R #0\n - " + pad + " | u\n", Load(utf8));
}

} // namespace
