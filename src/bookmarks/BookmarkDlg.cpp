#include "bookmarks/BookmarkDlg.h"

#include "core/bookmarks/BookmarkFile.h"
#include "bookmarks/NetscapeProfile.h"
#include "core/text/Utf8Text.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

namespace {

// "<what>から選択".
void SetPickCaption(HWND dlg, const std::string &what)
{
    ::SetWindowTextW(dlg, LoadResString(IDS_PICK_FROM, what).c_str());
}

} // namespace

CBookmarkDlg::CBookmarkDlg(HWND owner) : CDialog(IDD_BOOKMARK, owner) {}

void CBookmarkDlg::DoDataExchange(CDataExchange *pDX)
{
    DDX_Control(pDX, IDC_BOOKMARK_TREE, m_tree);
    DDX_Control(pDX, IDC_BOOKMARK_LIST, m_list);
}

void CBookmarkDlg::OnDpiChanged(UINT oldDpi, UINT newDpi)
{
    m_tree.SetupImageList(newDpi);
    m_list.ScaleColumns(oldDpi, newDpi);
}

BOOL CBookmarkDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_list.InsertColumns();
    m_tables.Clear();
    m_tree.SetupImageList(m_dpi);
    switch (m_source.reader) {
    case READ_FAVORITES:
        ::SetWindowTextW(m_hWnd, LoadResString(IDS_PICK_IE).c_str());
        LoadFavorites();
        break;
    case READ_NAVIGATOR:
        ::SetWindowTextW(m_hWnd, LoadResString(IDS_PICK_NN).c_str());
        LoadNavigatorFile();
        break;
    case READ_CHROMIUM:
        SetPickCaption(m_hWnd, m_source.label);
        LoadChromiumProfile();
        break;
    case READ_FILE:
        SetPickCaption(m_hWnd, FileNameOf(m_source.path.c_str()));
        LoadBookmarkFile(m_source.path);
        break;
    }
    // Selecting the first item (the root) shows its entries; nothing is expanded.
    if (HTREEITEM first = m_tree.GetNextItem(nullptr, TVGN_FIRSTVISIBLE))
        m_tree.SelectItem(first);
    // The first focus is the default button, 追加, though 入れ替え comes
    // first as the eye reads the row.
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDOK)), TRUE);
    return FALSE;
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
    pick.kind = m_source.kind;
    if (m_nSelFolder < 0 || m_nSelFolder >= MAX_FOLDERS)
        return pick;
    const std::vector<std::string> &urls = m_tables.m_urls[m_nSelFolder];
    for (int i = 0; i < m_nSelCount && i < MAX_URLS; ++i)
        if (m_nSelRows[i] >= 0 && static_cast<size_t>(m_nSelRows[i]) < urls.size())
            pick.urls.push_back(urls[static_cast<size_t>(m_nSelRows[i])]);
    return pick;
}

int CBookmarkDlg::LoadBookmarkFile(const std::string &path)
{
    CFileStream file;
    return file.Open(path.c_str()) ? ReadBookmarks(file, *this) : 0;
}

int CBookmarkDlg::LoadNavigatorFile()
{
    char dir[PROFILE_DIR_SIZE];
    return FindNetscapeProfileDir(dir) ? LoadBookmarkFile(JoinPath(dir, "bookmark.htm")) : 0;
}

bool RunBookmarkPicker(HWND owner, const BookmarkSource &source, BookmarkPick &pick)
{
    CBookmarkDlg dlg(owner);
    dlg.m_source = source;
    if (dlg.DoModal() != IDOK || dlg.m_nSelCount < 1)
        return false;
    pick = dlg.Pick();
    return true;
}
