// The picker on Netscape Navigator's bookmark file, set up in this prefix's
// registry (version 4.7), Windows directory (nsreg.dat) and a profile
// folder, and driven the way a user would.
#include "LauncherDriver.h"
#include "PickerDriver.h"
#include "bookmarks/SystemPath.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const int IDC_TREE = 1065, IDC_LIST = 1067, IDC_REPLACE = 3;

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
        dlg.m_nSource = BK_NN;
        return RunPicker(dlg, [&](HWND hwnd) {
            ASSERT_TRUE(WaitRows(::GetDlgItem(hwnd, IDC_LIST), 12));
            drive(hwnd);
        });
    }

    std::string m_profile;
};

void Click(HWND hwnd, int id) { ::PostMessageW(::GetDlgItem(hwnd, id), BM_CLICK, 0, 0); }

std::wstring ColumnText(HWND list, int column, int &width)
{
    wchar_t text[64] = L"";
    LVCOLUMNW col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = text;
    col.cchTextMax = 64;
    ::SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&col));
    width = col.cx;
    return text;
}

TEST_F(BookmarkPicker, OpensOnTheRootFolderWithItsEntries)
{
    CBookmarkDlg dlg;
    Run(dlg, [](HWND hwnd) {
        EXPECT_EQ(L"NNのBookMarkから選択", WindowText(hwnd));
        HWND tree = ::GetDlgItem(hwnd, IDC_TREE), list = ::GetDlgItem(hwnd, IDC_LIST);
        EXPECT_EQ("+Taro #0\n +Sub #1\n +Folders only #2\n  +Inner #3\n", TreeText(tree));
        const std::vector<std::string> rows = PickerRows(list);
        ASSERT_EQ(12u, rows.size());
        EXPECT_EQ("E0 | http://e0/", rows[0]);
        EXPECT_EQ("E11 | http://e11/", rows[11]);

        // The root is selected, shown with the open box, and not expanded.
        HTREEITEM root = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        EXPECT_EQ(root, reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)));
        TVITEMW item = {};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_HANDLE;
        item.stateMask = TVIS_EXPANDED;
        item.hItem = root;
        ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(1, item.iImage);
        EXPECT_EQ(2, item.iSelectedImage);
        EXPECT_EQ(0u, item.state & TVIS_EXPANDED);
        HIMAGELIST images = reinterpret_cast<HIMAGELIST>(::SendMessageW(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
        EXPECT_EQ(3, ::ImageList_GetImageCount(images));

        RECT rc;
        ::GetWindowRect(list, &rc);
        const int w = rc.right - rc.left;
        int width = 0;
        EXPECT_EQ(L" 名称 ", ColumnText(list, 0, width));
        EXPECT_EQ(w / 3, width);
        EXPECT_EQ(L" URL ", ColumnText(list, 1, width));
        EXPECT_EQ(2 * w / 3, width);
    });
}

TEST_F(BookmarkPicker, TenSelectedAndAddHandsBackTheFirstEight)
{
    CBookmarkDlg dlg;
    const INT_PTR result = Run(dlg, [](HWND hwnd) {
        SelectRows(::GetDlgItem(hwnd, IDC_LIST), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        Click(hwnd, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(1, dlg.m_bAppend);
    EXPECT_EQ(0, dlg.m_nSelFolder);
    ASSERT_EQ(8, dlg.m_nSelCount);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(i + 1, dlg.m_nSelRows[i]);
    const BookmarkPick pick = dlg.Pick();
    EXPECT_EQ(BK_NN, pick.kind);
    EXPECT_EQ((std::vector<std::string>{"http://e1/", "http://e2/", "http://e3/", "http://e4/", "http://e5/", "http://e6/",
                                        "http://e7/", "http://e8/"}),
              pick.urls);
}

TEST_F(BookmarkPicker, ReplaceWithNothingSelectedHandsBackNothing)
{
    CBookmarkDlg dlg;
    EXPECT_EQ(IDOK, Run(dlg, [](HWND hwnd) { Click(hwnd, IDC_REPLACE); }));
    EXPECT_EQ(0, dlg.m_bAppend);
    EXPECT_EQ(0, dlg.m_nSelCount);
    EXPECT_TRUE(dlg.Pick().urls.empty());
}

TEST_F(BookmarkPicker, ReplaceHandsBackTheChosenRows)
{
    CBookmarkDlg dlg;
    EXPECT_EQ(IDOK, Run(dlg, [](HWND hwnd) {
                  SelectRows(::GetDlgItem(hwnd, IDC_LIST), {11, 0});
                  Click(hwnd, IDC_REPLACE);
              }));
    EXPECT_EQ(0, dlg.m_bAppend);
    EXPECT_EQ((std::vector<std::string>{"http://e0/", "http://e11/"}), dlg.Pick().urls);
}

TEST_F(BookmarkPicker, OnlyRowsOfTheFolderSelectedLastCount)
{
    CBookmarkDlg dlg;
    std::vector<std::string> rows;
    EXPECT_EQ(IDOK, Run(dlg, [&](HWND hwnd) {
                  HWND list = ::GetDlgItem(hwnd, IDC_LIST);
                  SelectRows(list, {0, 1, 2});
                  ASSERT_TRUE(SelectFolder(::GetDlgItem(hwnd, IDC_TREE), "Sub"));
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
        ASSERT_TRUE(SelectFolder(::GetDlgItem(hwnd, IDC_TREE), "Folders only"));
        EXPECT_TRUE(WaitRows(::GetDlgItem(hwnd, IDC_LIST), 0));
    });
}

TEST_F(BookmarkPicker, EnterAddsAndEscapeCancels)
{
    struct {
        WPARAM key;
        INT_PTR result;
    } const cases[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}};
    for (const auto &c : cases) {
        CBookmarkDlg dlg;
        const INT_PTR result = Run(dlg, [&](HWND hwnd) {
            HWND list = ::GetDlgItem(hwnd, IDC_LIST);
            SelectRows(list, {3});
            ::PostMessageW(list, WM_KEYDOWN, c.key, 0);
        });
        EXPECT_EQ(c.result, result) << c.key;
        if (c.result == IDOK) {
            EXPECT_EQ(1, dlg.m_bAppend);
            EXPECT_EQ((std::vector<std::string>{"http://e3/"}), dlg.Pick().urls);
        }
    }
}

TEST_F(BookmarkPicker, WithoutABookmarkFileThePickerIsEmpty)
{
    ::DeleteFileA(JoinSystemPath(m_profile, "bookmark.htm").c_str());
    CBookmarkDlg dlg;
    dlg.m_nSource = BK_NN;
    const INT_PTR result = RunPicker(dlg, [](HWND hwnd) {
        EXPECT_EQ("", TreeText(::GetDlgItem(hwnd, IDC_TREE)));
        EXPECT_TRUE(PickerRows(::GetDlgItem(hwnd, IDC_LIST)).empty());
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
    WriteBytes(JoinSystemPath(m_profile, "bookmark.htm"), HugeBookmarks());
    CBookmarkDlg dlg;
    dlg.m_nSource = BK_NN;
    std::string tree;
    std::vector<std::string> last;
    RunPicker(dlg, [&](HWND hwnd) {
        tree = TreeText(::GetDlgItem(hwnd, IDC_TREE));
        ASSERT_TRUE(SelectFolder(::GetDlgItem(hwnd, IDC_TREE), "Folder 99"));
        ASSERT_TRUE(WaitRows(::GetDlgItem(hwnd, IDC_LIST), 1000));
        last = PickerRows(::GetDlgItem(hwnd, IDC_LIST));
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
