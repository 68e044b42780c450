#include "bookmarks/BookmarkTree.h"

#include "res/resource.h"

CBookmarkTree::~CBookmarkTree()
{
    if (m_pImages)
        ::ImageList_Destroy(m_pImages);
    m_pImages = nullptr;
}

void CBookmarkTree::SetupImageList()
{
    m_pImages = ::ImageList_Create(16, 16, ILC_MASK, 3, 3);
    for (const UINT id : {IDB_BOOKMARK, IDB_FOLDER_CLOSED, IDB_FOLDER_OPEN}) {
        HBITMAP bitmap = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
        ::ImageList_AddMasked(m_pImages, bitmap, RGB(255, 255, 255));
        ::DeleteObject(bitmap);
    }
    SetImageList(m_pImages, TVSIL_NORMAL);
}

void CBookmarkTree::SetFolderTitle(int id, const std::wstring &title) const
{
    TVITEMW item = {};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = static_cast<HTREEITEM>(ItemOf(id));
    item.pszText = const_cast<wchar_t *>(title.c_str());
    SetItem(item);
}

FolderItem CBookmarkTree::InsertFolder(FolderItem parent, const std::string &title, int id)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = static_cast<HTREEITEM>(parent);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char *>(title.c_str());
    insert.item.iImage = 1;
    insert.item.iSelectedImage = 2;
    insert.item.lParam = id;
    return InsertItem(insert);
}
