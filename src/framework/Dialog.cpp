#include "framework/Dialog.h"

#include "framework/Dpi.h"

INT_PTR CDialog::DoModal()
{
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), m_hWndParent, DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx = {m_hWnd, bSaveAndValidate};
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WORD id, WORD, HWND)
{
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
    else
        return FALSE;
    return TRUE;
}

void CDialog::Attach(HWND hwnd, CDialog *dialog)
{
    dialog->m_hWnd = hwnd;
    ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG)
        Attach(hwnd, reinterpret_cast<CDialog *>(lParam));
    // Messages such as WM_SETFONT arrive before WM_INITDIALOG: no object yet.
    CDialog *dialog = reinterpret_cast<CDialog *>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!dialog)
        return FALSE;
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        return FALSE;
    }
    return dialog->Dispatch(msg, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // No exception may unwind into user32.
    try {
        switch (msg) {
        case WM_INITDIALOG:
            m_dpi = WindowDpi(m_hWnd);
            return OnInitDialog();
        case WM_DPICHANGED:
        case WM_DPICHANGED_AFTERPARENT: {
            const UINT dpi = msg == WM_DPICHANGED ? LOWORD(wParam) : WindowDpi(m_hWnd);
            if (dpi != m_dpi) {
                const UINT old = m_dpi;
                m_dpi = dpi;
                OnDpiChanged(old, dpi);
            }
            return FALSE;
        }
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!OnNotify(reinterpret_cast<NMHDR *>(lParam), result))
                return FALSE;
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        default: {
            LRESULT result = 0;
            if (!OnMessage(msg, wParam, lParam, result))
                return FALSE;
            // These few return their value directly from a dialog procedure.
            if (msg == WM_QUERYDRAGICON || (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC))
                return static_cast<INT_PTR>(result);
            ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        }
    } catch (...) {
        return FALSE;
    }
}
