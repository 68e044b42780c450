// Real bookmark files (tests/data/bookmarks, sources in SOURCES.md) read
// whole: the folder tree and every entry's name and URL, in UTF-8.
#include "BookmarkDump.h"
#include "FileTree.h"
#include "core/bookmarks/BookmarkFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string ReadDataFile(const char *name)
{
    const std::string path = TestDataPath(std::string("bookmarks/") + name);
    std::string bytes;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file)
        return bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}


struct ExportCase {
    const char *file;
    const char *utf8Tree;
};

const ExportCase EXPORTS[] = {
    {"firefox-exported.html",
     "+Bookmarks Menu #0\n"
     " +Mozilla Firefox #1\n"
     "  - Help and Tutorials | http://en-us.www.mozilla.com/en-US/firefox/help/\n"
     "  - Customize Firefox | http://en-us.www.mozilla.com/en-US/firefox/customize/\n"
     "  - Get Involved | http://en-us.www.mozilla.com/en-US/firefox/community/\n"
     "  - About Us | http://en-us.www.mozilla.com/en-US/about/\n"
     " +test #2\n"
     "  - test post keyword | http://test/post\n"
     " +Bookmarks Toolbar #3\n"
     "  - Getting Started | http://en-us.www.mozilla.com/en-US/firefox/central/\n"
     "  - Latest Headlines | http://en-us.fxfeeds.mozilla.com/en-US/firefox/livebookmarks/\n"
     " +Other Bookmarks #4\n"
     "  - Example.tld | http://example.tld/\n"},
    {"firefox-preplaces.html",
     "+Bookmarks #0\n"
     " +Mozilla Firefox #1\n"
     "  - Help and Tutorials | http://en-US.www.mozilla.com/en-US/firefox/help/\n"
     "  - Customize Firefox | http://en-US.www.mozilla.com/en-US/firefox/customize/\n"
     "  - Get Involved | http://en-US.www.mozilla.com/en-US/firefox/community/\n"
     "  - About Us | http://en-US.www.mozilla.com/en-US/about/\n"
     " +test #2\n"
     "  - test post keyword | http://test/post\n"
     " +Unsorted Bookmarks #3\n"
     "  - Example.tld | http://example.tld\n"
     " +Bookmarks Toolbar Folder #4\n"
     "  - Getting Started | http://en-US.www.mozilla.com/en-US/firefox/central/\n"
     "  - Latest Headlines | http://en-US.fxfeeds.mozilla.com/en-US/firefox/livebookmarks/\n"},
    {"firefox-localized.html",
     "+Bookmarks #0\n"
     " +bookmarks-html-localized-folder #1\n"
     "  - bookmarks-html-localized-bookmark | http://www.mozilla.com/firefox/help/\n"},
    {"firefox-singleframe.html",
     "+Bookmarks #0\n"
     " +Subtitle #1\n"
     "  - Mozilla | http://www.mozilla.org/\n"},
    {"firefox-sync-utils.html",
     "+Bookmarks Menu #0\n"
     " - Mozilla | https://www.mozilla.org/\n"
     " +Bookmarks Toolbar #1\n"
     "  - Firefox | https://www.mozilla.org/en-US/firefox/\n"},
    {"firefox-utf8-ja.html",
     "+ブックマークメニュー #0\n"
     " - Market & Sell <Name> | https://market.example.com/?a=1&b=2\n"
     " +ブックマークツールバー #1\n"
     "  - ニュース速報 | https://www.example.jp/ニュース/\n"
     "  - Café & Crème | https://www.example.com/search?q=caf%C3%A9&lang=fr\n"
     " +Bücher & Übersetzungen #2\n"
     "  - Bücherei Müller | http://bücher.example/\n"
     "  - 完了 ✓ リスト | https://tasks.example.org/done/✓\n"},
};

TEST(BookmarkExports, EveryFolderAndEntryOfRealFiles)
{
    for (const ExportCase &c : EXPORTS) {
        const std::string bytes = ReadDataFile(c.file);
        ASSERT_FALSE(bytes.empty()) << c.file;
        CMemoryStream stream(bytes.data(), bytes.size());
        CMemoryBookmarks bookmarks;
        ReadBookmarks(stream, bookmarks);
        EXPECT_EQ(c.utf8Tree, Dump(bookmarks)) << c.file;
    }
}

} // namespace
