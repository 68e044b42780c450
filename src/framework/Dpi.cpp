#include "framework/Dpi.h"

UINT WindowDpi(HWND window)
{
    const UINT dpi = ::GetDpiForWindow(window);
    return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

HICON LoadIconOfSize(UINT id, int size)
{
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

CWindowIcons::~CWindowIcons() { Destroy(); }

void CWindowIcons::Destroy()
{
    if (m_hBig)
        ::DestroyIcon(m_hBig);
    if (m_hSmall)
        ::DestroyIcon(m_hSmall);
}

void CWindowIcons::Set(HWND window, UINT id, UINT dpi)
{
    HICON big = LoadIconOfSize(id, ::GetSystemMetricsForDpi(SM_CXICON, dpi));
    HICON little = LoadIconOfSize(id, ::GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    ::SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(little));
    // The window shows the new ones now.
    Destroy();
    m_hBig = big;
    m_hSmall = little;
}
