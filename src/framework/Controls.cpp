#include "framework/Controls.h"

#include "core/text/WideText.h"

void CWindow::SetText(const std::string &utf8) const { ::SetWindowTextW(m_hWnd, WideFromUtf8(utf8).c_str()); }

std::string CWindow::GetText() const
{
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return Utf8FromWide(text);
}

int CComboBox::AddString(const std::string &utf8) const { return AddString(WideFromUtf8(utf8).c_str()); }

int CComboBox::InsertString(int index, const std::string &utf8) const
{
    const std::wstring text = WideFromUtf8(utf8);
    return static_cast<int>(Send(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

std::string CComboBox::GetLBText(int index) const
{
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return std::string();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return Utf8FromWide(text);
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const
{
    if (!item)
        return 0;
    TVITEMW tvi = {};
    tvi.mask = TVIF_PARAM | TVIF_HANDLE;
    tvi.hItem = item;
    return Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi)) ? tvi.lParam : 0;
}

int CListCtrl::InsertItem(int item, const std::string &utf8) const
{
    std::wstring text = WideFromUtf8(utf8);
    LVITEMW lvi = {};
    lvi.mask = LVIF_TEXT;
    lvi.iItem = item;
    lvi.pszText = text.data();
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi)));
}

int CListCtrl::InsertItem(int item, LPARAM data) const
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    lvi.lParam = data;
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lvi)));
}

LPARAM CListCtrl::GetItemData(int item) const
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    return Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lvi)) ? lvi.lParam : 0;
}

void CListCtrl::SetItemData(int item, LPARAM data) const
{
    LVITEMW lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = item;
    lvi.lParam = data;
    Send(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lvi));
}

void CListCtrl::SetItemText(int item, int column, const std::string &utf8) const
{
    SetItemText(item, column, WideFromUtf8(utf8).c_str());
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

int CListCtrl::GetStringWidth(const std::string &utf8) const { return GetStringWidth(WideFromUtf8(utf8).c_str()); }
