#include "bookmarks/BookmarkTree.h"

#include "core/text/WideText.h"
#include "framework/Dpi.h"
#include "res/resource.h"

CBookmarkTree::~CBookmarkTree()
{
    if (m_pImages)
        ::ImageList_Destroy(m_pImages);
}

void CBookmarkTree::SetupImageList(UINT dpi)
{
    const int size = ::GetSystemMetricsForDpi(SM_CXSMICON, dpi);
    HIMAGELIST images = ::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 3, 0);
    for (const UINT id : {IDI_BOOKMARK, IDI_FOLDER_CLOSED, IDI_FOLDER_OPEN}) {
        HICON icon = LoadIconOfSize(id, size);
        ::ImageList_AddIcon(images, icon);
        ::DestroyIcon(icon);
    }
    SetImageList(images, TVSIL_NORMAL);
    if (m_pImages)
        ::ImageList_Destroy(m_pImages);
    m_pImages = images;
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
    std::wstring text = WideFromUtf8(title);
    TVINSERTSTRUCTW insert = {};
    insert.hParent = static_cast<HTREEITEM>(parent);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.iImage = 1;
    insert.item.iSelectedImage = 2;
    insert.item.lParam = id;
    return InsertItem(insert);
}
