// The Favorites reader on folder trees made in the temporary folder: natively
// through readdir, under Wine through the system's directory search.
#include "BookmarkDump.h"
#include "FileTree.h"
#include "core/bookmarks/Directory.h"
#include "core/bookmarks/FavoritesFolder.h"
#include "core/bookmarks/ShortcutFile.h"
#include "core/settings/GroupList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// 表 (in code page 932 its second byte was a backslash), ニュース.
const char HYOU[] = "表";
const char NEWS[] = "ニュース";

std::string Shortcut(const std::string &url) { return "[InternetShortcut]\r\nURL=" + url + "\r\n"; }

// A folder tree in the temporary folder, removed at the end of the test.
// Paths below its root are written with '/', which no character of several
// bytes holds; one that ends with '/' is a folder.
class FavoritesTree {
public:
    FavoritesTree() : m_root(MakeTempDir("fav")) {}
    ~FavoritesTree() { RemoveTree(m_root); }
    FavoritesTree(const FavoritesTree &) = delete;
    FavoritesTree &operator=(const FavoritesTree &) = delete;

    const std::string &Root() const { return m_root; }

    std::string Path(std::string rest) const
    {
#ifdef _WIN32
        std::replace(rest.begin(), rest.end(), '/', '\\');
        return m_root + "\\" + rest;
#else
        return m_root + "/" + rest;
#endif
    }

    void Add(const std::string &rest, const std::string &bytes = std::string()) const
    {
        if (!rest.empty() && rest.back() == '/')
            MakeDir(Path(rest.substr(0, rest.size() - 1)));
        else
            WriteBytes(Path(rest), bytes);
    }

private:
    std::string m_root;
};

// Each folder by its path below the root (titles joined by '/', "" for the
// root), with its entries as "name | url", sorted: the order of a
// directory's items is the system's.
typedef std::map<std::string, std::vector<std::string>> FolderContents;

std::string FolderPath(const std::vector<MemoryFolder> &folders, size_t index)
{
    if (folders[index].parent <= 0)
        return folders[index].title;
    return FolderPath(folders, static_cast<size_t>(folders[index].parent)) + "/" + folders[index].title;
}

FolderContents Contents(const CMemoryBookmarks &b)
{
    FolderContents contents;
    for (size_t i = 0; i < b.m_tree.m_folders.size(); ++i) {
        const int id = b.m_tree.m_folders[i].id;
        std::vector<std::string> &entries = contents[i == 0 ? std::string() : FolderPath(b.m_tree.m_folders, i)];
        for (int k = 0; k < b.m_tables.m_nCount[id]; ++k)
            entries.push_back(b.m_tables.m_names[id][static_cast<size_t>(k)] + " | " +
                              b.m_tables.m_urls[id][static_cast<size_t>(k)]);
        std::sort(entries.begin(), entries.end());
    }
    return contents;
}

// Breadth first: the folders in id order are those of the root, then those
// of folder 1, of folder 2, ..., so their parents' ids never go down. The
// entries are only those of folders that exist.
void ExpectBreadthFirst(const CMemoryBookmarks &b, const std::string &what)
{
    const std::vector<MemoryFolder> &folders = b.m_tree.m_folders;
    ASSERT_FALSE(folders.empty()) << what;
    EXPECT_EQ("", folders[0].title) << what;
    int lastParent = 0;
    for (size_t i = 0; i < folders.size(); ++i) {
        EXPECT_EQ(static_cast<int>(i), folders[i].id) << what;
        if (i == 0)
            continue;
        EXPECT_LE(lastParent, folders[i].parent) << what << ": " << folders[i].title;
        EXPECT_LT(folders[i].parent, folders[i].id) << what;
        lastParent = folders[i].parent;
    }
    for (size_t id = folders.size(); id < MAX_FOLDERS; ++id)
        EXPECT_EQ(0, b.m_tables.m_nCount[id]) << what << ": #" << id;
}

int EntryCount(const CMemoryBookmarks &b)
{
    int n = 0;
    for (const int count : b.m_tables.m_nCount)
        n += count;
    return n;
}

// Reads the tree as the Favorites and checks what holds for any tree.
void Read(const std::string &root, CMemoryBookmarks &b, const std::string &what)
{
    const int added = ReadFavorites(root, b);
    ExpectBreadthFirst(b, what);
    EXPECT_EQ(EntryCount(b), added) << what;
}

struct TreeCase {
    const char *what;
    std::vector<std::pair<std::string, std::string>> items;
    FolderContents folders;
};

TEST(FavoritesFolder, FoldersAndShortcutsOfATree)
{
    const TreeCase cases[] = {
        {"nested folders, each with its shortcuts; an empty folder",
         {{"top.url", Shortcut("http://top/")},
          {"A/", ""},
          {"A/a.url", Shortcut("http://a/")},
          {"A/B/", ""},
          {"A/B/b1.url", Shortcut("http://b1/")},
          {"A/B/b2.url", Shortcut("http://b2/")},
          {"A/B/C/", ""},
          {"A/B/C/c.url", Shortcut("http://c/")},
          {"Empty/", ""}},
         {{"", {"top | http://top/"}},
          {"A", {"a | http://a/"}},
          {"A/B", {"b1 | http://b1/", "b2 | http://b2/"}},
          {"A/B/C", {"c | http://c/"}},
          {"Empty", {}}}},
        {"a file without a URL= line gives no entry, a URL= line anywhere does",
         {{"none.url", "[InternetShortcut]\r\nIconIndex=0\r\n"},
          {"empty.url", ""},
          {"late.url", "[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nURL=http://late/\r\n"}},
         {{"", {"late | http://late/"}}}},
        {"only names ending in .URL in any case are shortcuts",
         {{"notes.txt", Shortcut("http://txt/")},
          {"page.urlx", Shortcut("http://urlx/")},
          {"noext", Shortcut("http://noext/")},
          {".url", Shortcut("http://dot/")},
          {"lower.url", Shortcut("http://lower/")},
          {"Mixed.UrL", Shortcut("http://mixed/")},
          {"UPPER.URL", Shortcut("http://upper/")}},
         {{"", {"Mixed | http://mixed/", "UPPER | http://upper/", "lower | http://lower/"}}}},
        {"a folder named like a shortcut is a folder",
         {{"dir.url/", ""}, {"dir.url/in.url", Shortcut("http://in/")}},
         {{"", {}}, {"dir.url", {"in | http://in/"}}}},
        {"an empty Favorites folder", {}, {{"", {}}}},
    };
    for (const TreeCase &c : cases) {
        FavoritesTree tree;
        for (const auto &item : c.items)
            tree.Add(item.first, item.second);
        CMemoryBookmarks b;
        Read(tree.Root(), b, c.what);
        EXPECT_EQ(c.folders, Contents(b)) << c.what;
    }
}

TEST(FavoritesFolder, WithoutTheFolderOnlyTheRootIsThere)
{
    FavoritesTree tree;
    CMemoryBookmarks b;
    EXPECT_EQ(0, ReadFavorites(tree.Path("missing"), b));
    EXPECT_EQ("+ #0\n", Dump(b));
}

// The names of dir's folders and of its shortcut files, in listing order.
void Listed(const std::string &dir, std::vector<std::string> &folders, std::vector<std::string> &shortcuts)
{
    std::vector<DirectoryItem> items;
    ASSERT_TRUE(ListDirectory(dir, items));
    for (const DirectoryItem &item : items)
        (item.isDirectory ? folders : shortcuts).push_back(item.name);
}

TEST(FavoritesFolder, FoldersAndEntriesFollowTheListingOrder)
{
    FavoritesTree tree;
    for (const char *name : {"m", "b", "x", "a", "q", "k"}) {
        tree.Add(std::string("dir-") + name + "/");
        tree.Add(std::string("dir-") + name + "/inner/");
        tree.Add(std::string(name) + ".url", Shortcut(std::string("http://") + name + "/"));
    }
    CMemoryBookmarks b;
    Read(tree.Root(), b, "six folders, each with one inside");

    std::vector<std::string> folders, shortcuts;
    Listed(tree.Root(), folders, shortcuts);
    ASSERT_EQ(6u, folders.size());
    ASSERT_EQ(13u, b.m_tree.m_folders.size());
    for (size_t i = 0; i < 6; ++i) {
        // Ids 1..6 the root's folders, 7..12 the one inside each, in the same order.
        EXPECT_EQ(folders[i], b.m_tree.m_folders[1 + i].title);
        EXPECT_EQ(static_cast<int>(1 + i), b.m_tree.m_folders[7 + i].parent);
        EXPECT_EQ(shortcuts[i], b.m_tables.m_names[0][i] + ".url");
    }
}

TEST(FavoritesFolder, FolderNamesEndingInAJapaneseCharacter)
{
    FavoritesTree tree;
    // The Favorites folder itself ends in 表 too.
    const std::string root = std::string(HYOU) + "/";
    tree.Add(root);
    tree.Add(root + NEWS + ".url", Shortcut("http://top/"));
    tree.Add(root + HYOU + "/");
    tree.Add(root + HYOU + "/" + NEWS + ".url", Shortcut("http://news/"));
    tree.Add(root + HYOU + "/" + HYOU + "/");
    tree.Add(root + HYOU + "/" + HYOU + "/" + HYOU + ".url", Shortcut("http://deeper/"));
    CMemoryBookmarks b;
    Read(tree.Path(HYOU), b, "folders ending in 表");
    const FolderContents expected = {
        {"", {std::string(NEWS) + " | http://top/"}},
        {HYOU, {std::string(NEWS) + " | http://news/"}},
        {std::string(HYOU) + "/" + HYOU, {std::string(HYOU) + " | http://deeper/"}},
    };
    EXPECT_EQ(expected, Contents(b));
}

// Each folder Fn holds "Fn.url" to http://Fn/, and folder "sub" with one more.
void AddNumberedFolders(const FavoritesTree &tree, const std::string &parent, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::string name = "F" + std::to_string(i);
        tree.Add(parent + name + "/");
        tree.Add(parent + name + "/" + name + ".url", Shortcut("http://" + name + "/"));
        tree.Add(parent + name + "/sub/");
        tree.Add(parent + name + "/sub/s.url", Shortcut("http://sub/"));
    }
}

// Every entry below the root lies in the folder it was written to.
void ExpectEntriesInTheirFolders(const CMemoryBookmarks &b)
{
    const std::vector<MemoryFolder> &folders = b.m_tree.m_folders;
    for (size_t i = 1; i < folders.size(); ++i)
        for (const std::string &url : b.m_tables.m_urls[folders[i].id])
            EXPECT_EQ("http://" + folders[i].title + "/", url) << "#" << folders[i].id;
}

TEST(FavoritesFolder, FoldersPast255AreLeftOutWithTheirFiles)
{
    FavoritesTree tree;
    AddNumberedFolders(tree, "", 300);
    tree.Add("root.url", Shortcut("http://root/"));
    CMemoryBookmarks b;
    Read(tree.Root(), b, "300 folders at the top");
    // The root and the first 255 of the 300; none of the folders inside them.
    ASSERT_EQ(size_t(MAX_FOLDERS), b.m_tree.m_folders.size());
    for (const MemoryFolder &folder : b.m_tree.m_folders)
        EXPECT_NE("sub", folder.title);
    EXPECT_EQ((std::vector<std::string>{"http://root/"}), b.m_tables.m_urls[0]);
    for (int id = 1; id < MAX_FOLDERS; ++id)
        EXPECT_EQ(1, b.m_tables.m_nCount[id]) << id;
    ExpectEntriesInTheirFolders(b);
    EXPECT_EQ(256, EntryCount(b));
}

TEST(FavoritesFolder, TheCapFallsByBreadthNotByDepth)
{
    // B comes after A's 300 folders in a depth-first scan, but before them here.
    FavoritesTree tree;
    tree.Add("A/");
    tree.Add("B/");
    tree.Add("B/B.url", Shortcut("http://B/"));
    AddNumberedFolders(tree, "A/", 300);
    CMemoryBookmarks b;
    Read(tree.Root(), b, "300 folders in A");
    ASSERT_EQ(size_t(MAX_FOLDERS), b.m_tree.m_folders.size());
    const FolderContents contents = Contents(b);
    ASSERT_EQ(1u, contents.count("B"));
    EXPECT_EQ((std::vector<std::string>{"B | http://B/"}), contents.at("B"));
    // Ids 3..255 go to A's first 253 folders, with their files.
    int inA = 0;
    for (const auto &folder : contents)
        inA += folder.first.compare(0, 2, "A/") == 0 ? 1 : 0;
    EXPECT_EQ(253, inA);
    ExpectEntriesInTheirFolders(b);
    EXPECT_EQ(254, EntryCount(b));
}

// "http://x/" and then 'a' up to length bytes.
std::string UrlOfLength(size_t length) { return "http://x/" + std::string(length - 9, 'a'); }

TEST(FavoritesFolder, AShortcutWhoseUrlAnEntryCannotKeepWholeGivesNoEntry)
{
    const struct {
        const char *file;
        std::string url;
        bool kept;
    } cases[] = {
        {"most", UrlOfLength(MAX_URL_CHARS), true},
        {"over", UrlOfLength(MAX_URL_CHARS + 1), false},
        {"long", UrlOfLength(5000), false},
        {"past-the-line", UrlOfLength(SHORTCUT_LINE_MAX + 1), false},
        // Stored with a blank inside as %20, two bytes more; one at the end as it is.
        {"inner-blank", "http://x/ " + std::string(MAX_URL_CHARS - 12, 'a'), true},
        {"inner-blank-over", "http://x/ " + std::string(MAX_URL_CHARS - 11, 'a'), false},
        {"end-blank", UrlOfLength(MAX_URL_CHARS - 1) + " ", true},
    };
    FavoritesTree tree;
    std::vector<std::string> kept;
    for (const auto &c : cases) {
        tree.Add(std::string(c.file) + ".url", Shortcut(c.url));
        if (c.kept)
            kept.push_back(c.file + std::string(" | ") + c.url);
    }
    std::sort(kept.begin(), kept.end());
    CMemoryBookmarks b;
    Read(tree.Root(), b, "long URLs");
    EXPECT_EQ((FolderContents{{"", kept}}), Contents(b));
}

TEST(FavoritesFolder, AShortcutWithAUnicodeSectionGivesItsExactUrl)
{
    // As Windows writes it where the code page has no "u" with umlaut, nor a check mark.
    FavoritesTree tree;
    tree.Add("idn.url", Shortcut("http://b?cher.example/?") +
                            "[InternetShortcut.W]\r\nURL=http://b+APw-cher.example/+JxM-\r\n");
    tree.Add("plain.url", Shortcut("http://plain/"));
    CMemoryBookmarks b;
    Read(tree.Root(), b, "a Unicode section");
    EXPECT_EQ((FolderContents{{"", {"idn | http://bücher.example/✓", "plain | http://plain/"}}}),
              Contents(b));
}

#ifndef _WIN32
TEST(FavoritesFolder, OnlyRegularFilesAreRead)
{
    // Opening a pipe without a writer would wait for ever.
    FavoritesTree tree;
    ASSERT_EQ(0, ::mkfifo(tree.Path("pipe.url").c_str(), 0600));
    tree.Add("file.url", Shortcut("http://file/"));
    CMemoryBookmarks b;
    Read(tree.Root(), b, "a pipe named like a shortcut");
    EXPECT_EQ((FolderContents{{"", {"file | http://file/"}}}), Contents(b));
}
#endif

} // namespace
