#include "framework/Controls.h"

#include <vector>

std::string CWindow::GetWindowTextA() const
{
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int got = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

// Asked for in UTF-16 and converted here: the visual-styles combo box is a
// Unicode window, and Wine's translation of the ANSI request copies the
// item into a fixed 512-character buffer on its stack.
std::string CComboBox::GetLBText(int index) const
{
    const LRESULT length = ::SendMessageW(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = ::SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), bytes, nullptr, nullptr);
    return ansi;
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

int CListCtrl::InsertItem(int item, const char *text) const
{
    LVITEMA lvi = {};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = item;
    lvi.pszText = const_cast<char *>(text);
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
}

int CListCtrl::InsertItem(int item, LPARAM data) const
{
    LVITEMA lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    lvi.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
}

LPARAM CListCtrl::GetItemData(int item) const
{
    LVITEMA lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi)) ? lvi.lParam : 0;
}

void CListCtrl::SetItemData(int item, LPARAM data) const
{
    LVITEMA lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    lvi.lParam = data;
    Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lvi));
}

void CListCtrl::SetItemText(int item, int column, const char *text) const
{
    LVITEMA lvi = {};
    lvi.iSubItem = column;
    lvi.pszText = const_cast<char *>(text);
    Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
}

void CListCtrl::SetItemText(int item, int column, const wchar_t *text) const
{
    LVITEMW lvi = {};
    lvi.iSubItem = column;
    lvi.pszText = const_cast<wchar_t *>(text);
    Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lvi));
}

void CListCtrl::ScaleColumns(UINT fromDpi, UINT toDpi) const
{
    const int columns = Header_GetItemCount(reinterpret_cast<HWND>(Send(LVM_GETHEADER)));
    for (int i = 0; i < columns; ++i) {
        const int width = static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i)));
        SetColumnWidth(i, ::MulDiv(width, static_cast<int>(toDpi), static_cast<int>(fromDpi)));
    }
}

int CListCtrl::InsertColumn(int column, const wchar_t *heading, int width) const
{
    LVCOLUMNW lvc = {};
    lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    lvc.fmt = LVCFMT_LEFT;
    lvc.cx = width;
    lvc.pszText = const_cast<wchar_t *>(heading);
    lvc.iSubItem = column;
    return static_cast<int>(Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&lvc)));
}
