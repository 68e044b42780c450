#include "bookmarks/BookmarkDlg.h"

#include "core/bookmarks/BookmarkFile.h"
#include "bookmarks/NetscapeProfile.h"
#include "core/text/AnsiText.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

CBookmarkDlg::CBookmarkDlg(HWND owner) : CDialog(IDD_BOOKMARK, owner) {}

void CBookmarkDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_BOOKMARK_TREE, m_tree);
    DDX_Control(pDX, IDC_BOOKMARK_LIST, m_list);
}

BOOL CBookmarkDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.InsertColumns();
    m_tables.Clear();
    m_tree.SetupImageList();
    if (m_nSource != BK_NN) {
        ::SetWindowTextW(m_hWnd, LoadResString(IDS_PICK_IE).c_str());
        LoadFavorites();
    } else {
        ::SetWindowTextW(m_hWnd, LoadResString(IDS_PICK_NN).c_str());
        LoadBookmarkFile();
    }
    // Selecting the first item (the root) shows its entries; nothing is expanded.
    if (HTREEITEM first = m_tree.GetNextItem(nullptr, TVGN_FIRSTVISIBLE))
        m_tree.SelectItem(first);
    return TRUE;
}

void CBookmarkDlg::OnOK()
{
    m_bAppend = 1;
    CollectSelection();
    CDialog::OnOK();
}

void CBookmarkDlg::OnReplace()
{
    m_bAppend = 0;
    CollectSelection();
    CDialog::OnOK();
}

BOOL CBookmarkDlg::OnCommand(WORD id, WORD code, HWND control)
{
    if (id == IDC_REPLACE && code == BN_CLICKED) {
        OnReplace();
        return TRUE;
    }
    return CDialog::OnCommand(id, code, control);
}

// The dialog is a Unicode window, so the tree sends the W form; either counts.
BOOL CBookmarkDlg::OnNotify(NMHDR *hdr, LRESULT &result)
{
    if (hdr->idFrom != IDC_BOOKMARK_TREE || (hdr->code != TVN_SELCHANGEDW && hdr->code != TVN_SELCHANGEDA))
        return FALSE;
    OnSelChangedTree();
    result = 0;
    return TRUE;
}

void CBookmarkDlg::OnSelChangedTree()
{
    HTREEITEM item = m_tree.GetSelectedItem();
    if (!item)
        return;
    const LPARAM f = m_tree.GetItemData(item);
    if (f >= 0 && f < MAX_FOLDERS)
        m_list.ShowEntries(m_tables.m_nCount[f], m_tables.m_names[f], m_tables.m_urls[f]);
}

void CBookmarkDlg::CollectSelection()
{
    m_nSelCount = 0;
    HTREEITEM item = m_tree.GetSelectedItem();
    if (!item)
        return;
    m_nSelFolder = static_cast<int>(m_tree.GetItemData(item));
    const int rows = m_list.GetItemCount();
    for (int i = 0; i < rows && m_nSelCount < MAX_URLS; ++i)
        if (m_list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED)
            m_nSelRows[m_nSelCount++] = i;
}

BookmarkPick CBookmarkDlg::Pick() const
{
    BookmarkPick pick;
    pick.bAppend = m_bAppend;
    pick.kind = m_nSource;
    if (m_nSelFolder < 0 || m_nSelFolder >= MAX_FOLDERS)
        return pick;
    const std::vector<std::string> &urls = m_tables.m_urls[m_nSelFolder];
    for (int i = 0; i < m_nSelCount && i < MAX_URLS; ++i)
        if (m_nSelRows[i] >= 0 && static_cast<size_t>(m_nSelRows[i]) < urls.size())
            pick.urls.push_back(urls[static_cast<size_t>(m_nSelRows[i])]);
    return pick;
}

int CBookmarkDlg::LoadBookmarkFile()
{
    char dir[PROFILE_DIR_SIZE];
    if (!FindNetscapeProfileDir(dir))
        return 0;
    CFileStream file;
    if (!file.Open(JoinPath(dir, "bookmark.htm").c_str()))
        return 0;
    return ReadBookmarks(file, *this);
}

bool RunBookmarkPicker(HWND owner, int source, BookmarkPick &pick)
{
    CBookmarkDlg dlg(owner);
    dlg.m_nSource = source;
    if (dlg.DoModal() != IDOK || dlg.m_nSelCount < 1)
        return false;
    pick = dlg.Pick();
    return true;
}
