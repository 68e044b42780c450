#include "bookmarks/BookmarkList.h"

#include "framework/MessageBox.h"
#include "res/resource.h"

void CBookmarkList::InsertColumns() const
{
    // The columns fill the list inside its border, with no scroll bar.
    RECT rc = {};
    ::GetClientRect(m_hWnd, &rc);
    const int width = rc.right - rc.left;
    const struct {
        UINT text;
        int width;
    } columns[] = {{IDS_COLUMN_NAME, width / 3}, {IDS_COLUMN_PICKER_URL, 2 * width / 3}};
    for (int i = 0; i < 2; ++i)
        InsertColumn(i, LoadResString(columns[i].text).c_str(), columns[i].width);
}

int CBookmarkList::ShowEntries(int count, const std::vector<std::string> &names, const std::vector<std::string> &urls) const
{
    DeleteAllItems();
    // A folder of thousands of entries fills much faster without repainting.
    Send(WM_SETREDRAW, FALSE);
    for (int i = 0; i < count && static_cast<size_t>(i) < names.size() && static_cast<size_t>(i) < urls.size(); ++i) {
        InsertItem(i, names[static_cast<size_t>(i)]);
        SetItemText(i, 1, urls[static_cast<size_t>(i)]);
    }
    Send(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return count;
}
