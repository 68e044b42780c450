#include "TrayIcon.h"

#include "LauncherDriver.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>

namespace {

BOOL NotifyIcon(DWORD message, HWND owner, UINT id)
{
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = owner;
    data.uID = id;
    return ::Shell_NotifyIconW(message, &data);
}

struct ClassSearch {
    DWORD pid;    // 0 for any process
    const wchar_t *className;
    HWND owner;   // null for visible windows of any owner
    std::vector<HWND> found;
};

BOOL CALLBACK MatchClass(HWND hwnd, LPARAM lParam)
{
    ClassSearch *s = reinterpret_cast<ClassSearch *>(lParam);
    wchar_t name[64] = L"";
    ::GetClassNameW(hwnd, name, 64);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    const bool wanted = s->owner ? ::GetWindow(hwnd, GW_OWNER) == s->owner : ::IsWindowVisible(hwnd) != FALSE;
    if (wanted && !std::wcscmp(name, s->className) && (s->pid == 0 || pid == s->pid))
        s->found.push_back(hwnd);
    return TRUE;
}

// The visible top-level windows of a class, topmost first.
std::vector<HWND> VisibleWindowsOfClass(const wchar_t *className, DWORD pid = 0)
{
    ClassSearch s = {pid, className, nullptr, {}};
    ::EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// Pointer moves and clicks can be lost on a busy machine, as a user's can;
// like a user, the drivers try again after this long.
const DWORD GESTURE_MS = 2500;

void Send(std::vector<INPUT> inputs) { ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

INPUT MouseButton(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

INPUT Key(WORD key, DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

bool TrayIconShown(HWND owner, UINT id) { return NotifyIcon(NIM_MODIFY, owner, id) != FALSE; }

bool DeleteTrayIcon(HWND owner, UINT id) { return NotifyIcon(NIM_DELETE, owner, id) != FALSE; }

std::vector<HWND> TaskbarTooltips()
{
    HWND tray = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    if (!tray)
        return {};
    ClassSearch s = {0, L"tooltips_class32", tray, {}};
    ::EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// A tooltip has no WM_CLOSE of its own: the default destroys the window, in
// explorer's own thread.
size_t CloseTaskbarTooltips(const std::vector<HWND> &kept)
{
    size_t closed = 0;
    for (HWND tip : TaskbarTooltips())
        if (std::find(kept.begin(), kept.end(), tip) == kept.end() && ::PostMessageW(tip, WM_CLOSE, 0, 0))
            ++closed;
    WaitUntil([&] { return TaskbarTooltips().size() <= kept.size(); }, 5000);
    return closed;
}

// Wine's taskbar gives each icon a small icon's width and a border of two
// pixels on either side, the first at its right end.
bool FirstTrayIconPoint(POINT &point)
{
    HWND tray = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT rect;
    if (!tray || !::IsWindowVisible(tray) || !::GetWindowRect(tray, &rect))
        return false;
    const int width = ::GetSystemMetrics(SM_CXSMICON) + 4;
    point = {rect.right - width / 2, (rect.top + rect.bottom) / 2};
    return true;
}

std::wstring HoverFirstTrayIcon(const std::function<bool(const std::wstring &)> &accept, DWORD ms)
{
    POINT icon;
    if (!FirstTrayIconPoint(icon))
        return std::wstring();
    std::wstring text;
    const DWORD start = ::GetTickCount();
    do {
        // Along the taskbar off the icon first, so that its tooltip hides
        // and shows anew on the way back: the taskbar sees the pointer leave
        // the icon only while the pointer is over the taskbar.
        ::SetCursorPos(icon.x - 200, icon.y);
        WaitUntil([] { return VisibleWindowsOfClass(L"tooltips_class32").empty(); }, GESTURE_MS);
        ::SetCursorPos(icon.x, icon.y);
        // Any tooltip shown may be the icon's: one left over elsewhere must
        // not hide it.
        const bool shown = WaitUntil(
            [&] {
                for (HWND tip : VisibleWindowsOfClass(L"tooltips_class32")) {
                    text = ControlText(tip);
                    if (accept(text))
                        return true;
                }
                return false;
            },
            GESTURE_MS);
        if (shown)
            return text;
    } while (::GetTickCount() - start < ms);
    return text;
}

HWND ClickFirstTrayIcon(bool right, DWORD pid, DWORD ms)
{
    POINT icon;
    if (!FirstTrayIconPoint(icon))
        return nullptr;
    const DWORD start = ::GetTickCount();
    do {
        ::SetCursorPos(icon.x, icon.y);
        if (right)
            Send({MouseButton(MOUSEEVENTF_RIGHTDOWN), MouseButton(MOUSEEVENTF_RIGHTUP)});
        else
            Send({MouseButton(MOUSEEVENTF_LEFTDOWN), MouseButton(MOUSEEVENTF_LEFTUP)});
        if (HWND menu = WaitMenu(pid, GESTURE_MS))
            return menu;
    } while (::GetTickCount() - start < ms);
    return nullptr;
}

HWND WaitMenu(DWORD pid, DWORD ms)
{
    HWND menu = nullptr;
    WaitUntil(
        [&] {
            const std::vector<HWND> menus = VisibleWindowsOfClass(L"#32768", pid);
            menu = menus.empty() ? nullptr : menus.front();
            return menu != nullptr;
        },
        ms);
    return menu;
}

void PressKeys(std::initializer_list<WORD> keys)
{
    for (WORD key : keys)
        Send({Key(key, 0), Key(key, KEYEVENTF_KEYUP)});
}
