// The picker on Internet Explorer's Favorites: a folder tree made in the
// temporary folder and named in this prefix's registry. What the reader
// makes of a tree the unit tests show; here the picker finds the folder,
// and lists it in the order of the system's directory search.
#include "LauncherDriver.h"
#include "PickerDriver.h"
#include "core/text/Utf8Text.h"
#include "core/text/WideText.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

const char SHELL_FOLDERS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// 表 ends in 0x5C in code page 932, which lacks Hangul; 1252 lacks both.
const char FAVORITES_NAME[] = "お気に入り表 즐겨찾기";

// The root item's line of a tree's text.
std::string Root() { return "+" + AnsiFromWide(Shown(L"お気に入り", L"Favorites")) + " #0\n"; }

std::string Shortcut(const std::string &url) { return "[InternetShortcut]\r\nURL=" + url + "\r\n"; }

class Favorites : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = JoinPath(TempDir(), FAVORITES_NAME);
        RemoveTree(m_root);
        MakeDir(m_root);
        SetRegString(HKEY_CURRENT_USER, SHELL_FOLDERS_KEY, "Favorites", m_root);
    }
    void TearDown() override { RemoveTree(m_root); }

    std::string Path(const std::string &rest) const { return JoinPath(m_root, rest); }

    // Opens the picker on the Favorites; returns the tree as text and the
    // root's list as the picker showed them.
    void Open(CBookmarkDlg &dlg, std::string &tree, std::vector<std::string> &rows) const
    {
        dlg.m_source = FavoritesSource();
        RunPicker(dlg, [&](HWND hwnd) {
            EXPECT_EQ(Shown(L"IEのお気に入りから選択", L"Choose from IE's Favorites"), WindowText(hwnd));
            tree = TreeText(::GetDlgItem(hwnd, IDC_BOOKMARK_TREE));
            rows = PickerRows(::GetDlgItem(hwnd, IDC_BOOKMARK_LIST));
        });
    }

    std::string m_root;
};

// The order in which the system lists a directory's subdirectories.
std::vector<std::string> SystemOrder(const std::string &dir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(WideFromUtf8(JoinPath(dir, "*.*")).c_str(), &data);
    do {
        const std::string name = Utf8FromWide(data.cFileName);
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    return names;
}

TEST_F(Favorites, TheFolderTheRegistryNamesIsReadBreadthFirstInTheSystemsOrder)
{
    for (const char *dir : {"A", "B", "A\\A2"})
        MakeDir(Path(dir));
    WriteBytes(Path("top.url"), Shortcut("http://top/"));
    WriteBytes(Path("A\\a.url"), Shortcut("http://a/"));
    WriteBytes(Path("B\\b.url"), Shortcut("http://b/"));
    WriteBytes(Path("A\\A2\\a2.url"), Shortcut("http://a2/"));

    CBookmarkDlg dlg;
    std::string tree;
    std::vector<std::string> rows;
    Open(dlg, tree, rows);

    // A and B in the order the system lists them, then A2 inside A.
    const std::vector<std::string> order = SystemOrder(m_root);
    ASSERT_EQ(2u, order.size());
    const bool aFirst = order[0] == "A";
    EXPECT_EQ(Root() + (aFirst ? " +A #1\n  +A2 #3\n +B #2\n" : " +B #1\n +A #2\n  +A2 #3\n"), tree);
    EXPECT_EQ((std::vector<std::string>{"top | http://top/"}), rows);
    const int a = aFirst ? 1 : 2, b = aFirst ? 2 : 1;
    EXPECT_EQ((std::vector<std::string>{"http://a/"}), dlg.m_tables.m_urls[a]);
    EXPECT_EQ((std::vector<std::string>{"http://b/"}), dlg.m_tables.m_urls[b]);
    EXPECT_EQ((std::vector<std::string>{"a2"}), dlg.m_tables.m_names[3]);
    EXPECT_EQ((std::vector<std::string>{"http://a2/"}), dlg.m_tables.m_urls[3]);
}

TEST_F(Favorites, WithoutAFavoritesFolderOnlyTheRootIsShown)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, SHELL_FOLDERS_KEY, 0, KEY_SET_VALUE, &key));
    ::RegDeleteValueA(key, "Favorites");
    ::RegCloseKey(key);
    WriteBytes(Path("x.url"), Shortcut("http://x/"));

    CBookmarkDlg dlg;
    std::string tree;
    std::vector<std::string> rows;
    Open(dlg, tree, rows);
    EXPECT_EQ(Root(), tree);
    EXPECT_TRUE(rows.empty());
}

} // namespace
