// Modal dialog from a dialog template. One dialog procedure looks the object
// up and dispatches to virtual handlers; a handler returns FALSE to leave a
// message to the default dialog processing.
#pragma once

#include <windows.h>

#include "framework/DataExchange.h"

class CDialog {
public:
    explicit CDialog(UINT idTemplate, HWND parent = nullptr) : m_nIDTemplate(idTemplate), m_hWndParent(parent) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog &) = delete;
    CDialog &operator=(const CDialog &) = delete;

    INT_PTR DoModal();
    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

protected:
    virtual void DoDataExchange(CDataExchange *) {}
    // Runs the data exchange into the controls; TRUE gives the default focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // WM_COMMAND; the base class turns IDOK and IDCANCEL into OnOK and OnCancel.
    virtual BOOL OnCommand(WORD id, WORD code, HWND control);
    // WM_NOTIFY; result goes back through DWLP_MSGRESULT.
    virtual BOOL OnNotify(NMHDR *, LRESULT &) { return FALSE; }
    // The window moved to a monitor of another scale (a top-level window's
    // WM_DPICHANGED, a property page's WM_DPICHANGED_AFTERPARENT). The
    // dialog manager resizes the window, its controls and fonts afterwards;
    // the handler resizes what the dialog sized in pixels.
    virtual void OnDpiChanged(UINT /*oldDpi*/, UINT /*newDpi*/) {}
    // Any other message.
    virtual BOOL OnMessage(UINT, WPARAM, LPARAM, LRESULT &) { return FALSE; }

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static void Attach(HWND hwnd, CDialog *dialog);
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;    // the scale the window is drawn at
    UINT m_nIDTemplate;
    HWND m_hWndParent;
};
