#include "BookmarkDump.h"
#include "core/bookmarks/BookmarkFile.h"
#include "core/bookmarks/ByteStream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

// A file in the temporary folder, removed at the end of the test.
class TempFile {
public:
    explicit TempFile(const std::string &bytes)
    {
#ifdef _WIN32
        char dir[MAX_PATH], path[MAX_PATH];
        ::GetTempPathA(sizeof dir, dir);
        ::GetTempFileNameA(dir, "bmk", 0, path);
        m_path = path;
#else
        char pattern[] = "/tmp/orvanta-bmk-XXXXXX";
        close(mkstemp(pattern));
        m_path = pattern;
#endif
        std::FILE *f = std::fopen(m_path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    ~TempFile() { std::remove(m_path.c_str()); }
    const char *Path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

TEST(FileStream, ReadsSeeksAndEnds)
{
    TempFile file("0123456789");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(file.Path()));
    char buffer[16] = {};
    EXPECT_EQ(4, stream.Read(buffer, 4));
    EXPECT_EQ("0123", std::string(buffer, 4));
    ASSERT_TRUE(stream.Seek(7));
    EXPECT_EQ(3, stream.Read(buffer, sizeof buffer));
    EXPECT_EQ("789", std::string(buffer, 3));
    EXPECT_EQ(0, stream.Read(buffer, sizeof buffer));
    ASSERT_TRUE(stream.Seek(100));
    EXPECT_EQ(0, stream.Read(buffer, sizeof buffer));
    stream.Close();
    EXPECT_EQ(-1, stream.Read(buffer, sizeof buffer));
}

TEST(FileStream, MissingFileDoesNotOpen)
{
    CFileStream stream;
    EXPECT_FALSE(stream.Open("no such folder/bookmark.htm"));
    char c;
    EXPECT_EQ(-1, stream.Read(&c, 1));
}

TEST(FileStream, BookmarkFileReadFromDisk)
{
    TempFile file("<H1>R</H1>\r\n<DL><p>\r\n<DT><A HREF=\"http://x/\">X</A>\r\n</DL>\r\n");
    CFileStream stream;
    ASSERT_TRUE(stream.Open(file.Path()));
    CMemoryBookmarks b;
    EXPECT_EQ(1, ReadBookmarks(stream, b));
    EXPECT_EQ("+R #0\n - X | http://x/\n", Dump(b));
}

} // namespace
