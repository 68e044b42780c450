#include "framework/Controls.h"

#include <vector>

std::string CWindow::GetWindowTextA() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int got = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

std::string CComboBox::GetLBText(int index) const
{
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const LRESULT got = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const
{
    if (!item)
        return 0;
    TVITEMA tvi = {};
    tvi.mask = TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    return Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi)) ? tvi.lParam : 0;
}

int CListCtrl::InsertItem(int row, const char *text) const
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char *>(text);
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

BOOL CListCtrl::SetItemText(int row, int subItem, const char *text) const
{
    LVITEMA item = {};
    item.iSubItem = subItem;
    item.pszText = const_cast<char *>(text);
    return static_cast<BOOL>(Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
}
