#include "BookmarkDump.h"
#include "core/bookmarks/BookmarkFile.h"
#include "core/settings/GroupList.h"

#include <gtest/gtest.h>

#include <string>

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
    {"tag names in lower case count, the attribute name in lower case does not",
     "<h1>Mine</h1><dl><dt><h3>Sub</h3><dl><dt><a href=\"http://lower/\">Lower</a><dt><A HREF=\"http://upper/\">Upper</A>"
     "</dl></dl>",
     "+Mine #0\n"
     " +Sub #1\n"
     "  - Lower | \n"
     "  - Upper | http://upper/\n"},
    {"a '>' inside a quoted attribute value does not end the tag",
     "<H1>R</H1><DL><DT><A TITLE=\"a>b\" HREF=\"http://q/?x=>\" X=\">\">Quoted > text</A></DL>",
     "+R #0\n"
     " - Quoted > text | http://q/?x=>\n"},
    {"titles are kept raw: blanks, line breaks and character references",
     "<H1>  Root &amp; co\r\n</H1><DL><DT><H3>\tA&lt;B </H3><DL><DT><A HREF=\"u\"> name\n&quot;x&quot; </A></DL></DL>",
     "+  Root &amp; co\r\n #0\n"
     " +\tA&lt;B  #1\n"
     "  -  name\n&quot;x&quot;  | u\n"},
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

struct HrefCase {
    const char *tag;
    const char *url;
};

TEST(BookmarkFile, HrefValue)
{
    const HrefCase cases[] = {
        {"<A HREF=\"http://a/\" ADD_DATE=\"1\">", "http://a/"},
        {"<A HREF = \" http://b/ c\">", "http://b/ c"},
        {"<A HREF=http://c/ ADD_DATE=1>", "http://c/"},
        {"<A HREF=http://d/>", "http://d/"},
        {"<A HREF=\"\" ADD_DATE=\"1\">", ""},
        {"<A href=\"http://lower/\">", ""},
        {"<A NAME=\"x\">", ""},
        {"<A HREF>", ""},
        {"<A HREF", ""},
        {"<A HREF=", ""},
        {"<A XHREF=\"http://e/\">", "http://e/"},
        {"<A HREF=\"http://f/\" HREF=\"http://g/\">", "http://f/"},
        {"<A HREF=\"http://h/\r\n?q=1\t\">", "http://h/?q=1"},
        {"<A HREF=\"http://\x95\x5c\x8e\xa6/\">", "http://\x95\x5c\x8e\xa6/"},
        {"<A HREF=\"http://unclosed", "http://unclosed"},
    };
    for (const HrefCase &c : cases)
        EXPECT_EQ(c.url, GetHref(c.tag)) << c.tag;
}

struct TagRead {
    std::string tag;
    std::string name;
    bool end;
};

std::vector<TagRead> ReadTags(const std::string &input)
{
    CMemoryStream stream(input.data(), input.size());
    CByteReader in(stream);
    std::vector<TagRead> tags;
    for (int i = 0; i < 10; ++i) {
        TagRead t;
        ReadTag(in, t.tag, t.name, t.end);
        tags.push_back(t);
        if (t.end)
            break;
    }
    return tags;
}

TEST(BookmarkFile, TagNameEndsAtBlankTabLineBreakOrClose)
{
    const auto tags = ReadTags("x<DL>y<DT\t><A\nHREF=\"a\"><H3\rB></a >");
    ASSERT_EQ(6u, tags.size());
    EXPECT_EQ("<DL>", tags[0].tag);
    EXPECT_EQ("<DL", tags[0].name);
    EXPECT_EQ("<DT\t>", tags[1].tag);
    EXPECT_EQ("<A\nHREF=\"a\">", tags[2].tag);
    EXPECT_EQ("<A", tags[2].name);
    EXPECT_EQ("<H3\rB>", tags[3].tag);
    EXPECT_EQ("</a", tags[4].name);
    EXPECT_TRUE(tags[5].end);
    EXPECT_EQ("", tags[5].tag);
}

TEST(BookmarkFile, TagCutByTheEndIsHandedOnAndTheNextReadEnds)
{
    for (const char *input : {"<DL", "<A HREF=\"x", "<A HREF=\"x>\" "}) {
        const auto tags = ReadTags(input);
        ASSERT_EQ(2u, tags.size()) << input;
        EXPECT_EQ(input, tags[0].tag);
        EXPECT_FALSE(tags[0].end);
        EXPECT_TRUE(tags[1].end);
    }
}

TEST(BookmarkFile, LongTagNameIsCut)
{
    const std::string longName(5000, 'D');
    const auto tags = ReadTags("<" + longName + " X>");
    ASSERT_FALSE(tags.empty());
    EXPECT_EQ(size_t(TAG_NAME_MAX), tags[0].name.size());
    EXPECT_EQ("<" + longName.substr(0, TAG_NAME_MAX - 1), tags[0].name);
    // A long name that starts like a known one is not that name.
    EXPECT_EQ("+R #0\n", Load("<H1>R</H1><DL><DT" + longName + "><A HREF=\"x\">X</A></DL>"));
}

TEST(BookmarkFile, TextIsReadUpToTheNextTagWhichStaysUnread)
{
    const std::string input = " a\r\nb <X>";
    CMemoryStream stream(input.data(), input.size());
    CByteReader in(stream);
    std::string text, tag, name;
    bool end = true;
    ReadText(in, text, end);
    EXPECT_EQ(" a\r\nb ", text);
    EXPECT_FALSE(end);
    ReadTag(in, tag, name, end);
    EXPECT_EQ("<X>", tag);
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

} // namespace
