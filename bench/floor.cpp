// The least a Win32 program can do to show a window like the launcher's: a
// modal dialog from a template and nothing else. The start-up benchmark
// measures Orvanta against it.
#include <windows.h>
#include <commctrl.h>

static INT_PTR CALLBACK FloorProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, FloorProc, 0);
    return 0;
}
