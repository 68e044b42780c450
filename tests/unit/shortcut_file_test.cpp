#include "core/bookmarks/ShortcutFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

TEST(ShortcutFile, NameIsTheFileNameWithoutItsDotUrlInAnyCase)
{
    const struct {
        const char *file;
        bool taken;
        const char *name;
    } cases[] = {
        {"Example.URL", true, "Example"},
        {"lower.url", true, "lower"},
        {"Mixed.UrL", true, "Mixed"},
        {"a.url", true, "a"},
        {".URL", false, ""},
        {"URL", false, ""},
        {"page.URLX", false, ""},
        {"page.URL~", false, ""},
        {"表.URL", true, "表"},
    };
    for (const auto &c : cases) {
        std::string name = "unchanged";
        EXPECT_EQ(c.taken, ShortcutName(c.file, name)) << c.file;
        if (c.taken) {
            EXPECT_EQ(c.name, name) << c.file;
        }
    }
}

TEST(ShortcutFile, ListedOnlyWithTheArchiveOrNormalAttribute)
{
    const uint32_t READONLY = 0x1, HIDDEN = 0x2, SYSTEM = 0x4, ARCHIVE = 0x20, NORMAL = 0x80;
    EXPECT_TRUE(ShortcutAttributesTaken(ARCHIVE));
    EXPECT_TRUE(ShortcutAttributesTaken(NORMAL));
    EXPECT_TRUE(ShortcutAttributesTaken(READONLY | ARCHIVE));
    EXPECT_TRUE(ShortcutAttributesTaken(HIDDEN | SYSTEM | ARCHIVE));
    EXPECT_FALSE(ShortcutAttributesTaken(READONLY));
    EXPECT_FALSE(ShortcutAttributesTaken(READONLY | HIDDEN | SYSTEM));
    EXPECT_FALSE(ShortcutAttributesTaken(0));
}

TEST(ShortcutFile, UrlLine)
{
    const struct {
        const char *line;
        bool taken;
        const char *url;
    } cases[] = {
        {"URL=http://a/\n", true, "http://a/"},
        {"URL=http://a/", true, "http://a/"},
        {"url=http://b/\n", true, "http://b/"},
        {"Url=http://c/\r\n", true, "http://c/"},
        {"URL=http://d/\t \n", true, "http://d/ "},
        {"URL=http://e/\x01x\n", true, "http://e/x"},
        {"URL=\n", true, ""},
        {"URL=", false, ""},
        {"URL", false, ""},
        {" URL=http://f/\n", false, ""},
        {"BASEURL=http://g/\n", false, ""},
        {"[InternetShortcut]\n", false, ""},
        {"", false, ""},
    };
    for (const auto &c : cases) {
        std::string url = "unchanged";
        EXPECT_EQ(c.taken, UrlFromShortcutLine(c.line, url)) << c.line;
        if (c.taken) {
            EXPECT_EQ(c.url, url) << c.line;
        }
    }
}

std::string TempPath()
{
#ifdef _WIN32
    char dir[260], path[260];
    ::GetTempPathA(sizeof dir, dir);
    ::GetTempFileNameA(dir, "url", 0, path);
    return path;
#else
    char pattern[] = "/tmp/orvanta-url-XXXXXX";
    const int fd = mkstemp(pattern);
    close(fd);
    return pattern;
#endif
}

// Written as bytes, read back in text mode, as the scanner reads them.
bool UrlOfFile(const std::string &bytes, std::string &url)
{
    const std::string path = TempPath();
    std::FILE *f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    f = std::fopen(path.c_str(), "r");
    const bool found = ReadShortcutUrl(f, url);
    std::fclose(f);
    std::remove(path.c_str());
    return found;
}

TEST(ShortcutFile, FirstUrlLineOfTheFileCounts)
{
    const struct {
        std::string bytes;
        bool found;
        const char *url;
    } cases[] = {
        {"[InternetShortcut]\r\nURL=http://a/\r\n", true, "http://a/"},
        {"[InternetShortcut]\r\nURL=http://last/", true, "http://last/"},
        {"[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nurl=http://b/\r\nURL=http://c/\r\n", true,
         "http://b/"},
        {"[InternetShortcut]\r\nIconIndex=0\r\n", false, ""},
        {"", false, ""},
        {"URL=", false, ""},
        {std::string(2, '\0') + "URL=http://nul/\r\nURL=http://after/\r\n", true, "http://after/"},
    };
    for (const auto &c : cases) {
        std::string url;
        EXPECT_EQ(c.found, UrlOfFile(c.bytes, url)) << c.bytes;
        if (c.found) {
            EXPECT_EQ(c.url, url) << c.bytes;
        }
    }
}

// A line is read whole or, past SHORTCUT_LINE_MAX bytes, not used at all:
// never in pieces that could pass for lines or for a whole URL.
TEST(ShortcutFile, LongLinesAreReadWholeOrNotAtAll)
{
    const size_t MAX = SHORTCUT_LINE_MAX;
    // "URL=" where pieces of 1023 bytes, or of the most bytes, would start.
    std::string inside(MAX + 100, 'x');
    for (const size_t at : {size_t(1023), MAX}) {
        const std::string url = "URL=http://" + std::to_string(at) + "/";
        inside.replace(at, url.size(), url);
    }
    const struct {
        const char *what;
        std::string bytes;
        bool found;
        std::string url;
    } cases[] = {
        {"a URL of 5000 characters", "URL=" + std::string(5000, 'u') + "\r\n", true, std::string(5000, 'u')},
        {"a URL line of exactly the most bytes", "URL=" + std::string(MAX - 4, 'u') + "\n", true,
         std::string(MAX - 4, 'u')},
        {"a URL line one byte longer, and a URL line after it", "URL=" + std::string(MAX - 3, 'u') + "\nURL=http://b/\n",
         false, ""},
        {"a URL line without end past the most bytes", "URL=" + std::string(3 * MAX, 'u'), false, ""},
        {"\"URL=\" inside a long line", "[x]\n" + inside + "\nURL=http://after/\n", true, "http://after/"},
        {"\"URL=\" after 1023 bytes of a line", std::string(1023, 'x') + "URL=http://piece/\r\n", false, ""},
    };
    for (const auto &c : cases) {
        std::string url;
        EXPECT_EQ(c.found, UrlOfFile(c.bytes, url)) << c.what;
        EXPECT_EQ(c.url, url) << c.what;
    }
}

// Windows writes the first URL line in the code page, "?" for what it
// cannot hold, and the exact URL in UTF-7 in the "[InternetShortcut.W]"
// section. Either becomes UTF-8.
TEST(ShortcutFile, TheUnicodeSectionsUrlIsTakenWhenThere)
{
    const std::string plain = "[InternetShortcut]\r\nURL=http://b?cher.example/?\r\n";
    const struct {
        const char *what;
        std::string bytes;
        std::string url;
    } cases[] = {
        {"an IDN host and a character the code page has not",
         plain + "[InternetShortcut.W]\r\nURL=http://b+APw-cher.example/+JxM-\r\n",
         "http://bücher.example/✓"},
        {"the section's name in any letter case, blanks after it; \"+-\" is '+'",
         plain + "[internetshortcut.w]  \r\nIconIndex=1\r\nURL=http://a/?q=1+-2\r\n", "http://a/?q=1+2"},
        {"characters the code page holds", plain + "[InternetShortcut.W]\r\nURL=http://a/+ZeVnLA-\r\n",
         "http://a/日本"},
        {"no section: the first URL line, in the code page", "[InternetShortcut]\r\nURL=http://a/\x93\xfa\x96\x7b\r\n",
         "http://a/日本"},
        {"no URL line in the section: one after it does not count",
         plain + "[InternetShortcut.W]\r\nIconIndex=1\r\n[Other]\r\nURL=http://other/\r\n", "http://b?cher.example/?"},
        {"a section line too long", plain + "[InternetShortcut.W]\r\nURL=" + std::string(SHORTCUT_LINE_MAX, 'u'),
         "http://b?cher.example/?"},
        {"the section without a plain one", "[InternetShortcut.W]\nURL=http://w/\n", "http://w/"},
    };
    for (const auto &c : cases) {
        std::string url;
        EXPECT_TRUE(UrlOfFile(c.bytes, url)) << c.what;
        EXPECT_EQ(c.url, url) << c.what;
    }
    // The first URL line too long, the section's whole: the section's URL.
    std::string url;
    const std::string longFirst = "URL=" + std::string(SHORTCUT_LINE_MAX, 'u') + "\n";
    EXPECT_TRUE(UrlOfFile(longFirst + "[InternetShortcut.W]\nURL=http://w/\n", url));
    EXPECT_EQ("http://w/", url);
}

} // namespace
