// The picker on Netscape Navigator's bookmark file, set up in this prefix's
// registry (version 4.7), Windows directory (nsreg.dat) and a profile
// folder, and driven the way a user would.
#include "LauncherDriver.h"
#include "PickerDriver.h"
#include "core/text/Utf8Text.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Bookmarks()
{
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookmarks</TITLE>\r\n<H1>Taro</H1>\r\n<DL><p>\r\n";
    for (int i = 0; i < 12; ++i)
        file += "<DT><A HREF=\"http://e" + std::to_string(i) + "/\">E" + std::to_string(i) + "</A>\r\n";
    file += "<DT><H3>Sub</H3>\r\n<DL><p>\r\n<DT><A HREF=\"http://s0/\">S0</A>\r\n<DT><A HREF=\"http://s1/\">S1</A>\r\n</DL><p>\r\n"
            "<DT><H3>Folders only</H3>\r\n<DL><p>\r\n<DT><H3>Inner</H3>\r\n<DL><p>\r\n"
            "<DT><A HREF=\"http://inner/\">Inner</A>\r\n</DL><p>\r\n</DL><p>\r\n</DL><p>\r\n";
    return file;
}

class BookmarkPicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_profile = InstallNavigatorProfile("taro", Bookmarks());
    }
    void TearDown() override
    {
        RemoveNavigatorProfile(m_profile);
    }

    // Opens the picker on the bookmark file and hands its window to drive
    // once the root's entries show.
    INT_PTR Run(CBookmarkDlg &dlg, const std::function<void(HWND)> &drive)
    {
        dlg.m_source = NavigatorSource();
        return RunPicker(dlg, [&](HWND hwnd) {
            ASSERT_TRUE(WaitRows(::GetDlgItem(hwnd, IDC_BOOKMARK_LIST), 12));
            drive(hwnd);
        });
    }

    std::string m_profile;
};

void Click(HWND hwnd, int id) { ::PostMessageW(::GetDlgItem(hwnd, id), BM_CLICK, 0, 0); }

TEST_F(BookmarkPicker, OpensOnTheRootFolderWithItsEntries)
{
    CBookmarkDlg dlg;
    Run(dlg, [](HWND hwnd) {
        EXPECT_EQ(L"NNのBookMarkから選択", WindowText(hwnd));
        HWND tree = ::GetDlgItem(hwnd, IDC_BOOKMARK_TREE), list = ::GetDlgItem(hwnd, IDC_BOOKMARK_LIST);
        EXPECT_EQ("+Taro #0\n +Sub #1\n +Folders only #2\n  +Inner #3\n", TreeText(tree));
        const std::vector<std::string> rows = PickerRows(list);
        ASSERT_EQ(12u, rows.size());
        EXPECT_EQ("E0 | http://e0/", rows[0]);
        EXPECT_EQ("E11 | http://e11/", rows[11]);
    });
}

// Moved to a monitor of twice the scale, the picker draws its tree's images
// in that scale's small-icon size and widens its columns to match.
TEST_F(BookmarkPicker, FollowsTheScaleOfTheMonitorItIsMovedTo)
{
    CBookmarkDlg dlg;
    Run(dlg, [](HWND hwnd) {
        HWND tree = ::GetDlgItem(hwnd, IDC_BOOKMARK_TREE), list = ::GetDlgItem(hwnd, IDC_BOOKMARK_LIST);
        const auto imageSize = [tree] {
            int cx = 0, cy = 0;
            ::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(::SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)), &cx, &cy);
            return std::make_pair(cx, cy);
        };
        const auto columnWidth = [list] { return static_cast<int>(::SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0)); };
        const UINT dpi = ::GetDpiForWindow(hwnd);
        const int icon = ::GetSystemMetricsForDpi(SM_CXSMICON, dpi), column = columnWidth();
        EXPECT_EQ(std::make_pair(icon, icon), imageSize());

        RECT suggested = {};
        ::GetWindowRect(hwnd, &suggested);
        ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));
        const int twice = ::GetSystemMetricsForDpi(SM_CXSMICON, 2 * dpi);
        EXPECT_EQ(std::make_pair(twice, twice), imageSize());
        EXPECT_EQ(2 * column, columnWidth());
        EXPECT_EQ("+Taro #0\n +Sub #1\n +Folders only #2\n  +Inner #3\n", TreeText(tree)) << "the folders stay";
    });
}

TEST_F(BookmarkPicker, OnlyRowsOfTheFolderSelectedLastCount)
{
    CBookmarkDlg dlg;
    std::vector<std::string> rows;
    EXPECT_EQ(IDOK, Run(dlg, [&](HWND hwnd) {
                  HWND list = ::GetDlgItem(hwnd, IDC_BOOKMARK_LIST);
                  SelectRows(list, {0, 1, 2});
                  ASSERT_TRUE(SelectFolder(::GetDlgItem(hwnd, IDC_BOOKMARK_TREE), "Sub"));
                  ASSERT_TRUE(WaitRows(list, 2));
                  rows = PickerRows(list);
                  SelectRows(list, {1});
                  Click(hwnd, IDOK);
              }));
    EXPECT_EQ((std::vector<std::string>{"S0 | http://s0/", "S1 | http://s1/"}), rows);
    EXPECT_EQ(1, dlg.m_nSelFolder);
    EXPECT_EQ((std::vector<std::string>{"http://s1/"}), dlg.Pick().urls);
}

TEST_F(BookmarkPicker, FolderOfOnlyFoldersShowsAnEmptyList)
{
    CBookmarkDlg dlg;
    Run(dlg, [](HWND hwnd) {
        ASSERT_TRUE(SelectFolder(::GetDlgItem(hwnd, IDC_BOOKMARK_TREE), "Folders only"));
        EXPECT_TRUE(WaitRows(::GetDlgItem(hwnd, IDC_BOOKMARK_LIST), 0));
    });
}

TEST_F(BookmarkPicker, WithoutABookmarkFileThePickerIsEmpty)
{
    ::DeleteFileA(JoinPath(m_profile, "bookmark.htm").c_str());
    CBookmarkDlg dlg;
    dlg.m_source = NavigatorSource();
    const INT_PTR result = RunPicker(dlg, [](HWND hwnd) {
        EXPECT_EQ("", TreeText(::GetDlgItem(hwnd, IDC_BOOKMARK_TREE)));
        EXPECT_TRUE(PickerRows(::GetDlgItem(hwnd, IDC_BOOKMARK_LIST)).empty());
        Click(hwnd, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(0, dlg.m_nSelCount);
}

} // namespace

namespace {

// 100,000 bookmarks in 100 folders of 1,000.
std::string HugeBookmarks()
{
    std::string file = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n<TITLE>Bookmarks</TITLE>\r\n<H1>Huge</H1>\r\n<DL><p>\r\n";
    for (int f = 0; f < 100; ++f) {
        file += "<DT><H3>Folder " + std::to_string(f) + "</H3>\r\n<DL><p>\r\n";
        for (int i = 0; i < 1000; ++i)
            file += "<DT><A HREF=\"http://f" + std::to_string(f) + ".example/" + std::to_string(i) + "\">Page " +
                    std::to_string(i) + "</A>\r\n";
        file += "</DL><p>\r\n";
    }
    return file + "</DL><p>\r\n";
}

TEST_F(BookmarkPicker, HundredThousandBookmarksAllArrive)
{
    WriteBytes(JoinPath(m_profile, "bookmark.htm"), HugeBookmarks());
    CBookmarkDlg dlg;
    dlg.m_source = NavigatorSource();
    std::string tree;
    std::vector<std::string> last;
    RunPicker(dlg, [&](HWND hwnd) {
        tree = TreeText(::GetDlgItem(hwnd, IDC_BOOKMARK_TREE));
        ASSERT_TRUE(SelectFolder(::GetDlgItem(hwnd, IDC_BOOKMARK_TREE), "Folder 99"));
        ASSERT_TRUE(WaitRows(::GetDlgItem(hwnd, IDC_BOOKMARK_LIST), 1000));
        last = PickerRows(::GetDlgItem(hwnd, IDC_BOOKMARK_LIST));
    });
    EXPECT_EQ(101, static_cast<int>(std::count(tree.begin(), tree.end(), '\n')));
    int total = 0;
    for (int f = 0; f <= 100; ++f)
        total += dlg.m_tables.m_nCount[f];
    EXPECT_EQ(100000, total);
    ASSERT_EQ(1000u, last.size());
    EXPECT_EQ("Page 999 | http://f99.example/999", last.back());
}

} // namespace
