// Sends a window of another program what a user's click would: used by the
// screenshot script to open the program's dialogs.
//   poke click  TITLE ID        BM_CLICK to control ID of the window TITLE
//                               (or of the page a property sheet shows)
//   poke syscmd TITLE ID        WM_SYSCOMMAND ID to the window TITLE
//   poke page   TITLE N         brings page N of the property sheet TITLE to the front
//   poke wait   TITLE           waits until a window TITLE exists
//   poke keys   TITLE ID VK...  presses the keys (virtual-key codes) on control
//                               ID of the window TITLE (0: the window itself)
//   poke traymenu TITLE         waits for the notification icon of the window
//                               TITLE, right-clicks the first icon and waits
//                               for the menu of TITLE's program
//   poke traytip TITLE          hovers over the first notification icon
//                               until its tooltip shows
// The last two print the area of the screen the menu or tooltip and the
// icon take, as X geometry (WxH+X+Y).
// A TITLE of "#32768" is the popup menu shown, which has none.
#include "LauncherDriver.h"
#include "TrayIcon.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

namespace {

HWND WaitWindow(const wchar_t *title)
{
    for (int i = 0; i < 500; ++i) {
        const bool menu = !std::wcscmp(title, L"#32768");
        HWND hwnd = menu ? ::FindWindowW(title, nullptr) : ::FindWindowW(nullptr, title);
        if (hwnd && (!menu || ::IsWindowVisible(hwnd)))
            return hwnd;
        ::Sleep(20);
    }
    return nullptr;
}

// The control itself, or the one on the page a property sheet shows.
HWND Control(HWND hwnd, int id)
{
    if (HWND control = ::GetDlgItem(hwnd, id))
        return control;
    HWND page = reinterpret_cast<HWND>(::SendMessageW(hwnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    return page ? ::GetDlgItem(page, id) : nullptr;
}

// The rectangle that holds both window and the first notification icon.
int PrintAround(HWND window)
{
    RECT rect;
    POINT icon;
    if (!window || !::GetWindowRect(window, &rect) || !FirstTrayIconPoint(icon))
        return 1;
    HWND tray = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT bar;
    ::GetWindowRect(tray, &bar);
    const RECT around = {rect.left < icon.x ? rect.left : icon.x, rect.top, bar.right, bar.bottom};
    std::printf("%ldx%ld+%ld+%ld\n", around.right - around.left, around.bottom - around.top, around.left, around.top);
    return 0;
}

HWND VisibleTooltip()
{
    HWND tip = nullptr;
    while ((tip = ::FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr)) != nullptr)
        if (::IsWindowVisible(tip))
            return tip;
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
    // The tray commands act once the window's notification icon is there.
    if (!std::wcsncmp(argv[1], L"tray", 4) && !WaitUntil([&] { return TrayIconShown(hwnd, ID_NOTIFY_ICON); }))
        return 1;
    if (!std::wcscmp(argv[1], L"click"))
        ::PostMessageW(Control(hwnd, id), BM_CLICK, 0, 0);
    else if (!std::wcscmp(argv[1], L"syscmd"))
        ::PostMessageW(hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0);
    else if (!std::wcscmp(argv[1], L"page"))
        ::SendMessageW(hwnd, PSM_SETCURSEL, static_cast<WPARAM>(id), 0);
    else if (!std::wcscmp(argv[1], L"keys"))
        for (int i = 4; i < argc; ++i) {
            HWND target = id ? Control(hwnd, id) : hwnd;
            const WPARAM key = static_cast<WPARAM>(std::wcstol(argv[i], nullptr, 0));
            ::PostMessageW(target, WM_KEYDOWN, key, 1);
            ::PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        }
    else if (!std::wcscmp(argv[1], L"traymenu")) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        return PrintAround(ClickFirstTrayIcon(true, pid));
    } else if (!std::wcscmp(argv[1], L"traytip")) {
        HoverFirstTrayIcon([](const std::wstring &tip) { return !tip.empty(); });
        return PrintAround(VisibleTooltip());
    }
    return 0;
}
