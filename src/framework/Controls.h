// Thin wrappers over control windows: an HWND and one-line methods. Text
// goes in and out in UTF-8, through the controls' wide messages.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

class CWindow {
public:
    HWND m_hWnd = nullptr;

    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const { return ::SendMessageW(m_hWnd, msg, wParam, lParam); }
    void EnableWindow(BOOL enable) const { ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void SetFocus() const { ::SetFocus(m_hWnd); }
    // Whether Tab stops here.
    void SetTabStop(bool stop) const
    {
        const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
        ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    }
    void SetText(const std::string &utf8) const;
    void SetText(const wchar_t *text) const { ::SetWindowTextW(m_hWnd, text); }
    std::string GetText() const;
};

class CButton : public CWindow {
public:
    int GetCheck() const { return static_cast<int>(Send(BM_GETCHECK)); }
    void SetCheck(int state) const { Send(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class CEdit : public CWindow {
public:
    void LimitText(int chars) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(chars)); }
};

// The item data is a number.
class CComboBox : public CWindow {
public:
    void ResetContent() const { Send(CB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    // CB_ERR (-1) when nothing is selected.
    int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    int AddString(const std::string &utf8) const;
    int AddString(const wchar_t *text) const { return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const std::string &utf8) const;
    void DeleteString(int index) const { Send(CB_DELETESTRING, static_cast<WPARAM>(index)); }
    LPARAM GetItemData(int index) const { return Send(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
    void SetItemData(int index, LPARAM data) const { Send(CB_SETITEMDATA, static_cast<WPARAM>(index), data); }
    std::string GetLBText(int index) const;
    // The drop-down list shows this many items before it scrolls.
    void SetMinVisible(int items) const { Send(CB_SETMINVISIBLE, static_cast<WPARAM>(items)); }
};

class CSpinButtonCtrl : public CWindow {
public:
    void SetBuddy(HWND buddy) const { Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)); }
    void SetRange(int lower, int upper) const { Send(UDM_SETRANGE, 0, MAKELPARAM(upper, lower)); }
};

class CTreeCtrl : public CWindow {
public:
    HTREEITEM InsertItem(TVINSERTSTRUCTW &item) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL SelectItem(HTREEITEM item) const { return static_cast<BOOL>(Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item))); }
    BOOL SetItem(TVITEMW &item) const { return static_cast<BOOL>(Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item))); }
    // 0 for a null item.
    LPARAM GetItemData(HTREEITEM item) const;
    void SetImageList(HIMAGELIST images, int type) const { Send(TVM_SETIMAGELIST, static_cast<WPARAM>(type), reinterpret_cast<LPARAM>(images)); }
};

// A list view in report view. Texts in UTF-8, or UTF-16 for the program's
// own; the item data is a number.
class CListCtrl : public CWindow {
public:
    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(Send(LVM_DELETEALLITEMS)); }
    void DeleteItem(int item) const { Send(LVM_DELETEITEM, static_cast<WPARAM>(item)); }
    // -1 when no item after start has these states (LVNI_SELECTED).
    int GetNextItem(int start, UINT flags) const
    {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), MAKELPARAM(flags, 0)));
    }
    UINT GetItemState(int item, UINT mask) const { return static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask)); }
    // The new item's index, or -1: with its text in column 0, or with its data.
    int InsertItem(int item, const std::string &utf8) const;
    int InsertItem(int item, LPARAM data) const;
    // 0 when there is no such item.
    LPARAM GetItemData(int item) const;
    void SetItemData(int item, LPARAM data) const;
    void SetItemText(int item, int column, const std::string &utf8) const;
    void SetItemText(int item, int column, const wchar_t *text) const;
    int InsertColumn(int column, const wchar_t *heading, int width) const;
    // Every column's width, set for fromDpi, made the same at toDpi.
    void ScaleColumns(UINT fromDpi, UINT toDpi) const;
    // Pixel width of text in the list's font.
    int GetStringWidth(const wchar_t *text) const
    {
        return static_cast<int>(Send(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text)));
    }
    int GetStringWidth(const std::string &utf8) const;
    void SetColumnWidth(int column, int width) const { Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0)); }
};
