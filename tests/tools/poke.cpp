// Sends a window of another program what a user's click would: used by the
// screenshot script to open the program's dialogs.
//   poke click  TITLE ID        BM_CLICK to control ID of the window TITLE
//   poke syscmd TITLE ID        WM_SYSCOMMAND ID to the window TITLE
//   poke wait   TITLE           waits until a window TITLE exists
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

namespace {

HWND WaitWindow(const wchar_t *title)
{
    for (int i = 0; i < 500; ++i) {
        if (HWND hwnd = ::FindWindowW(nullptr, title))
            return hwnd;
        ::Sleep(20);
    }
    return nullptr;
}

} // namespace

int main()
{
    int argc = 0;
    wchar_t **argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argc < 3)
        return 2;
    HWND hwnd = WaitWindow(argv[2]);
    if (!hwnd)
        return 1;
    const int id = argc > 3 ? static_cast<int>(std::wcstol(argv[3], nullptr, 0)) : 0;
    if (!std::wcscmp(argv[1], L"click"))
        ::PostMessageW(::GetDlgItem(hwnd, id), BM_CLICK, 0, 0);
    else if (!std::wcscmp(argv[1], L"syscmd"))
        ::PostMessageW(hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0);
    return 0;
}
