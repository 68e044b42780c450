// The picker on Internet Explorer's Favorites: a folder tree made in the
// temporary folder and named in this prefix's registry.
#include "LauncherDriver.h"
#include "PickerDriver.h"
#include "core/text/AnsiText.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char SHELL_FOLDERS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Code page 932: お気に入り表 (表 ends in 0x5C), 表示, ニュース.
const char FAVORITES_NAME[] = "\x82\xa8\x8b\x43\x82\xc9\x93\xfc\x82\xe8\x95\x5c";
const char HYOUJI[] = "\x95\x5c\x8e\xa6";
const char NEWS[] = "\x83\x6a\x83\x85\x81\x5b\x83\x58";

// The root item's line of a tree's text.
std::string Root() { return "+" + AnsiFromWide(L"お気に入り") + " #0\n"; }

std::string Shortcut(const std::string &url) { return "[InternetShortcut]\r\nURL=" + url + "\r\n"; }

class Favorites : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(932u, ::GetACP()) << "the tests run with the Japanese code page";
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
        dlg.m_nSource = BK_IE;
        RunPicker(dlg, [&](HWND hwnd) {
            EXPECT_EQ(L"IEのお気に入りから選択", WindowText(hwnd));
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
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(JoinPath(dir, "*.*").c_str(), &data);
    do {
        const std::string name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return names;
}

TEST_F(Favorites, FoldersGetIdsBreadthFirstAndTheirEntriesComeFromTheirPaths)
{
    for (const char *dir : {"A", "B", "A\\A2"})
        MakeDir(Path(dir));
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
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ("A\\A2", dlg.m_tree.GetFolderPath(3));
    const int a = aFirst ? 1 : 2, b = aFirst ? 2 : 1;
    EXPECT_EQ((std::vector<std::string>{"http://a/"}), dlg.m_tables.m_urls[a]);
    EXPECT_EQ((std::vector<std::string>{"http://b/"}), dlg.m_tables.m_urls[b]);
    EXPECT_EQ((std::vector<std::string>{"a2"}), dlg.m_tables.m_names[3]);
    EXPECT_EQ((std::vector<std::string>{"http://a2/"}), dlg.m_tables.m_urls[3]);
}

TEST_F(Favorites, JapaneseFolderNamesWhoseBytesHoldABackslash)
{
    MakeDir(Path(HYOUJI));
    MakeDir(Path(std::string(HYOUJI) + "\\" + HYOUJI));
    WriteBytes(Path(std::string(HYOUJI) + "\\" + NEWS + ".url"), Shortcut("http://news/"));
    WriteBytes(Path(std::string(HYOUJI) + "\\" + HYOUJI + "\\" + NEWS + ".url"), Shortcut("http://deeper/"));
    WriteBytes(Path(std::string(NEWS) + ".url"), Shortcut("http://top/"));

    CBookmarkDlg dlg;
    std::string tree;
    std::vector<std::string> rows;
    Open(dlg, tree, rows);

    EXPECT_EQ(Root() + " +" + HYOUJI + " #1\n  +" + HYOUJI + " #2\n", tree);
    EXPECT_EQ((std::vector<std::string>{std::string(NEWS) + " | http://top/"}), rows);
    EXPECT_EQ(std::string(HYOUJI) + "\\" + HYOUJI, dlg.m_tree.GetFolderPath(2));
    EXPECT_EQ((std::vector<std::string>{NEWS}), dlg.m_tables.m_names[1]);
    EXPECT_EQ((std::vector<std::string>{"http://news/"}), dlg.m_tables.m_urls[1]);
    EXPECT_EQ((std::vector<std::string>{"http://deeper/"}), dlg.m_tables.m_urls[2]);
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

// Folders past the 256th are left out with their files.
TEST_F(Favorites, TwoThousandShortcutsInThreeHundredFolders)
{
    // 200 in the Favorites folder itself, 6 in each of 300 folders.
    for (int i = 0; i < 200; ++i)
        WriteBytes(Path("r" + std::to_string(i) + ".url"), Shortcut("http://root/" + std::to_string(i)));
    for (int f = 0; f < 300; ++f) {
        const std::string dir = "F" + std::to_string(f);
        MakeDir(Path(dir));
        for (int i = 0; i < 6; ++i)
            WriteBytes(Path(dir + "\\s" + std::to_string(i) + ".url"), Shortcut("http://" + dir + "/" + std::to_string(i)));
    }
    CBookmarkDlg dlg;
    std::string tree;
    std::vector<std::string> rows;
    Open(dlg, tree, rows);
    EXPECT_EQ(200u, rows.size());
    EXPECT_EQ(256, dlg.m_tree.Top());
    EXPECT_EQ(256, static_cast<int>(std::count(tree.begin(), tree.end(), '\n')));
    for (int f = 1; f < 256; ++f)
        EXPECT_EQ(6, dlg.m_tables.m_nCount[f]) << f;
}

} // namespace
