// Loads generated bookmark files of 20,000 bookmarks through the real
// reader and compares the time with one buffered read of the same file:
// Netscape Navigator's (about 2 MB, code page) and a UTF-8 export in 300
// folders as today's browsers write it (a META declaration, Japanese and
// accented names, character references, IDN hosts). With --bytewise it also
// times the reader fed one byte per read call, as reading the file byte by
// byte did. Not a test: prints figures.
#include "BestTime.h"
#include "core/bookmarks/BookmarkFile.h"
#include "core/bookmarks/MemoryFolders.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const int BOOKMARKS = 20000;
const int RUNS = 7;

std::string TempPath()
{
#ifdef _WIN32
    char dir[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "orvanta-bench-bookmark.htm";
#else
    return "/tmp/orvanta-bench-bookmark.htm";
#endif
}

// Navigator's file: code page, 100 bookmarks a folder.
std::string Navigator()
{
    const int perFolder = 100;
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookmarks</TITLE>\r\n<H1>Bookmarks for Taro</H1>\r\n\r\n<DL><p>\r\n";
    for (int i = 0; i < BOOKMARKS; ++i) {
        const std::string n = std::to_string(i);
        if (i % perFolder == 0)
            file += "    <DT><H3 ADD_DATE=\"958000000\">Folder " + n + "</H3>\r\n    <DL><p>\r\n";
        file += "        <DT><A HREF=\"http://www.example.com/pages/" + n + ".html\" ADD_DATE=\"958000000\">Page " + n +
                "</A>\r\n";
        if (i % perFolder == perFolder - 1)
            file += "    </DL><p>\r\n";
    }
    return file + "</DL><p>\r\n";
}

// Today's UTF-8 export: 300 folders, every tenth bookmark on an IDN host.
std::string Utf8Export()
{
    const int folders = 300;
    const int perFolder = (BOOKMARKS + folders - 1) / folders;
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                       "<TITLE>Bookmarks</TITLE>\n<H1>ブックマーク</H1>\n<DL><p>\n";
    for (int i = 0; i < BOOKMARKS; ++i) {
        const std::string n = std::to_string(i);
        if (i % perFolder == 0)
            file += "    <DT><H3 ADD_DATE=\"1733700000\" LAST_MODIFIED=\"1733700000\">フォルダー " + n +
                    " &amp; Café</H3>\n    <DL><p>\n";
        const std::string host = i % 10 == 0 ? "bücher.example" : "www.example.jp";
        file += "        <DT><A HREF=\"https://" + host + "/ページ/" + n + "?a=1&amp;b=2\" ADD_DATE=\"1733700000\">ニュース " + n +
                " &lt;Crème&gt;</A>\n";
        if (i % perFolder == perFolder - 1 || i == BOOKMARKS - 1)
            file += "    </DL><p>\n";
    }
    return file + "</DL>\n";
}

// Hands out one byte per read call.
class COneByteStream : public IByteStream {
public:
    explicit COneByteStream(IByteStream &file) : m_file(file) {}
    bool Seek(uint32_t offset) override { return m_file.Seek(offset); }
    long Read(void *buffer, size_t size) override { return m_file.Read(buffer, size < 1 ? size : 1); }

private:
    IByteStream &m_file;
};

int CountEntries(const CMemoryBookmarks &b)
{
    int n = 0;
    for (int f = 0; f < MAX_FOLDERS; ++f)
        n += b.m_tables.m_nCount[f];
    return n;
}

void Measure(const char *what, const std::string &content, bool bytewise)
{
    const std::string path = TempPath();
    if (std::FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    }

    std::vector<char> buffer(content.size());
    const double readMs = Best(RUNS, [&] {
        CFileStream file;
        if (!file.Open(path.c_str()) || file.Read(buffer.data(), buffer.size()) != static_cast<long>(buffer.size()))
            std::printf("buffered read failed\n");
    });

    int entries = 0;
    size_t folders = 0;
    const double loadMs = Best(RUNS, [&] {
        CFileStream file;
        file.Open(path.c_str());
        CMemoryBookmarks b;
        ReadBookmarks(file, b);
        entries = CountEntries(b);
        folders = b.m_tree.m_folders.size();
    });

    std::printf("%s: %zu bytes, %d bookmarks read in %zu folders\n", what, content.size(), entries, folders);
    std::printf("  one buffered read: %.2f ms\n", readMs);
    std::printf("  bookmark reader:   %.2f ms (%.2f x the read)\n", loadMs, loadMs / readMs);
    if (bytewise) {
        const double byteMs = Best(1, [&] {
            CFileStream file;
            file.Open(path.c_str());
            COneByteStream oneByte(file);
            CMemoryBookmarks b;
            ReadBookmarks(oneByte, b);
        });
        std::printf("  one byte per read call: %.0f ms\n", byteMs);
    }
    std::remove(path.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    const bool bytewise = argc > 1 && !std::strcmp(argv[1], "--bytewise");
    Measure("Navigator's bookmark file", Navigator(), bytewise);
    Measure("UTF-8 export", Utf8Export(), bytewise);
    return 0;
}
