// The Chromium-family bookmark file reader on the files of
// tests/data/chromium (made by make-data.py there, as Chrome writes them)
// and on files that are not what they should be.
#include "BookmarkDump.h"
#include "FileTree.h"
#include "core/bookmarks/ChromiumBookmarks.h"
#include "core/bookmarks/ChromiumJson.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const std::string PROFILE = "chromium/default-only/Google/Chrome/User Data/Default/";

// The folders and entries of these files of tests/data, each below the
// root, the first "Bookmarks" as the picker reads a profile; false in ok
// for a file the reader refused.
std::string Load(const std::string &rest, bool *ok = nullptr)
{
    CMemoryBookmarks bookmarks;
    CChromiumReader reader(bookmarks);
    reader.AddRoot();
    CFileStream file;
    const bool read = file.Open(TestDataPath(rest).c_str()) && reader.ReadFile(file, 0);
    if (ok)
        *ok = read;
    return Dump(bookmarks);
}

TEST(ChromiumBookmarks, RootsFoldersAndEntriesInFileOrderUnderTheirJapaneseNames)
{
    EXPECT_EQ("+ #0\n"
              " +bookmark_bar #1\n"
              "  - Example | https://example.com/\n"
              "  +ニュース #2\n"
              "   - NHK ニュース | https://www3.nhk.or.jp/news/\n"
              "   - Le Monde – À la une | https://www.lemonde.fr/\n"
              " +other #3\n"
              "  - Debian | https://www.debian.org/\n"
              " +synced #4\n",
              Load(PROFILE + "Bookmarks"));
}

TEST(ChromiumBookmarks, TheAccountsBookmarksGoIntoAFolderOfTheirOwn)
{
    const std::string dir = "chromium/account/Google/Chrome/User Data/Default/";
    CMemoryBookmarks bookmarks;
    CChromiumReader reader(bookmarks);
    reader.AddRoot();
    CFileStream own, account;
    ASSERT_TRUE(own.Open(TestDataPath(dir + "Bookmarks").c_str()));
    ASSERT_TRUE(reader.ReadFile(own, 0));
    const int folder = reader.Append(ChromiumRootTitle(ROOT_COUNT), 0);
    ASSERT_TRUE(account.Open(TestDataPath(dir + "AccountBookmarks").c_str()));
    ASSERT_TRUE(reader.ReadFile(account, folder));
    EXPECT_EQ("+ #0\n"
              " +bookmark_bar #1\n"
              "  - Local | https://local.example/\n"
              " +other #2\n"
              " +synced #3\n"
              " +account #4\n"
              "  +bookmark_bar #5\n"
              "   - Synced | https://account.example/\n"
              "  +other #6\n"
              "   - Phone | https://phone.example/\n"
              "  +synced #7\n",
              Dump(bookmarks));
    // The picker names the roots in its own texts: it learns which is which.
    ASSERT_EQ(6u, reader.m_roots.size());
    EXPECT_EQ(5, reader.m_roots[3].id);
    EXPECT_EQ(ROOT_BAR, reader.m_roots[3].root);
    EXPECT_EQ(ROOT_SYNCED, reader.m_roots[5].root);
}

TEST(ChromiumBookmarks, AFileThatIsNoBookmarkFileGivesTheRootAlone)
{
    for (const char *file : {"not-json", "cut", "empty", "top-array", "no such file"}) {
        bool ok = true;
        EXPECT_EQ("+ #0\n", Load(std::string("chromium/files/") + file, &ok)) << file;
        EXPECT_FALSE(ok) << file;
    }
    bool ok = false;
    EXPECT_EQ("+ #0\n", Load("chromium/files/roots-list", &ok));
    EXPECT_TRUE(ok) << "an object, only without roots";
}

TEST(ChromiumBookmarks, ValuesOfUnexpectedTypesAreLeftOutAndTheRestRead)
{
    EXPECT_EQ("+ #0\n"
              " +bookmark_bar #1\n"
              "  -  | https://nameless.example/\n"
              "  - Kept | https://kept.example/\n"
              "  +Children object #2\n"
              " +synced #3\n",
              Load("chromium/files/wrong-types"))
        << "a nameless entry keeps its URL; one whose URL is no string is none";
}

TEST(ChromiumBookmarks, NestingIsFollowedToTheDepthBound)
{
    const std::string dump = Load("chromium/files/deep");
    // The bar's object is at depth 2, folder n's at 2 n + 2, its entries'
    // at 2 n + 4: the last folder shown is empty.
    const int last = (JSON_DEPTH_MAX - 2) / 2;
    EXPECT_NE(std::string::npos, dump.find("+D" + std::to_string(last) + " #"));
    EXPECT_EQ(std::string::npos, dump.find("+D" + std::to_string(last + 1) + " #"));
    EXPECT_NE(std::string::npos, dump.find("- Level " + std::to_string(last - 1) + " |"));
    EXPECT_EQ(std::string::npos, dump.find("- Level " + std::to_string(last) + " |"));

    bool ok = false;
    EXPECT_EQ("+ #0\n +bookmark_bar #1\n", Load("chromium/files/very-deep", &ok));
    EXPECT_TRUE(ok);
}

// 100 MB of a bookmark file: the reader stops at its cap and shows nothing.
class CEndlessStream : public IByteStream {
public:
    bool Seek(uint32_t) override { return false; }
    long Read(void *buffer, size_t size) override
    {
        if (m_left == 0)
            return 0;
        const size_t n = size < m_left ? size : m_left;
        std::memset(buffer, ' ', n);
        if (m_left == TOTAL)
            std::memcpy(buffer, "{\"roots\":", 9);
        m_left -= n;
        m_read += n;
        return static_cast<long>(n);
    }
    static const size_t TOTAL = 100u * 1024u * 1024u;
    size_t m_left = TOTAL;
    size_t m_read = 0;
};

TEST(ChromiumBookmarks, AFileOfAHundredMegabytesIsNotRead)
{
    CEndlessStream stream;
    CMemoryBookmarks bookmarks;
    CChromiumReader reader(bookmarks);
    reader.AddRoot();
    EXPECT_FALSE(reader.ReadFile(stream, 0));
    EXPECT_EQ("+ #0\n", Dump(bookmarks));
    EXPECT_LE(stream.m_read, JSON_FILE_MAX + 64u * 1024u) << "reading stops at the cap";
}

TEST(ChromiumBookmarks, FoldersPastTheTablesAreLeftOutWithWhatTheyHold)
{
    std::string file = "{\"roots\":{\"other\":{\"type\":\"folder\",\"children\":[";
    for (int i = 0; i < 300; ++i)
        file += std::string(i ? "," : "") + "{\"type\":\"folder\",\"name\":\"F" + std::to_string(i) +
                "\",\"children\":[{\"type\":\"url\",\"name\":\"E\",\"url\":\"http://e" + std::to_string(i) + "/\"}]}";
    file += "]}}}";
    CMemoryStream stream(file.data(), file.size());
    CMemoryBookmarks bookmarks;
    CChromiumReader reader(bookmarks);
    reader.AddRoot();
    ASSERT_TRUE(reader.ReadFile(stream, 0));
    ASSERT_EQ(static_cast<size_t>(MAX_FOLDERS), bookmarks.m_tree.m_folders.size());
    EXPECT_EQ("F253", bookmarks.m_tree.m_folders.back().title);
    EXPECT_EQ(1, bookmarks.m_tables.m_nCount[MAX_FOLDERS - 1]);
    EXPECT_EQ("http://e253/", bookmarks.m_tables.m_urls[MAX_FOLDERS - 1][0]);
    EXPECT_EQ(-1, reader.Append("one more", 0));
}

TEST(ChromiumBookmarks, UrlsTheSettingsFileCannotKeepWholeAreLeftOut)
{
    const std::string file = "{\"roots\":{\"other\":{\"type\":\"folder\",\"children\":["
                             "{\"type\":\"url\",\"name\":\"Long\",\"url\":\"http://x/" +
                             std::string(2000, 'a') +
                             "\"},"
                             "{\"type\":\"url\",\"name\":\"Empty\",\"url\":\"\"},"
                             "{\"type\":\"url\",\"name\":\"Short\",\"url\":\"http://short/\"}]}}}";
    CMemoryStream stream(file.data(), file.size());
    CMemoryBookmarks bookmarks;
    CChromiumReader reader(bookmarks);
    reader.AddRoot();
    ASSERT_TRUE(reader.ReadFile(stream, 0));
    EXPECT_EQ("+ #0\n +other #1\n  - Short | http://short/\n", Dump(bookmarks));
}

#ifdef _WIN32
TEST(ChromiumBookmarks, ALockedFileGivesTheRootAlone)
{
    const std::string path = MakeTempDir("chr") + "\\Bookmarks";
    WriteBytes(path, "{\"roots\":{\"other\":{\"type\":\"folder\",\"children\":[]}}}");
    HANDLE lock = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    CMemoryBookmarks bookmarks;
    CChromiumReader reader(bookmarks);
    reader.AddRoot();
    CFileStream file;
    EXPECT_FALSE(file.Open(path.c_str()) && reader.ReadFile(file, 0));
    EXPECT_EQ("+ #0\n", Dump(bookmarks));
    ::CloseHandle(lock);
    RemoveTree(path.substr(0, path.size() - 10));
}
#endif

} // namespace
