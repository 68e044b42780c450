// The scale a window is drawn at. Dialog units scale by themselves; what
// the program sizes in pixels (images, icons, list columns) is sized for
// its window's DPI, 96 at 100 %, and again when the window moves to a
// monitor of another scale (WM_DPICHANGED).
#pragma once

#include <windows.h>

UINT WindowDpi(HWND window);
inline int ScaleForDpi(int pixelsAt96, UINT dpi) { return ::MulDiv(pixelsAt96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }
// One of the program's icons at size x size pixels, from the nearest size
// the resource holds; the caller destroys it.
HICON LoadIconOfSize(UINT id, int size);

// A window's title-bar (small) and Alt+Tab (big) icons at its DPI.
class CWindowIcons {
public:
    CWindowIcons() = default;
    ~CWindowIcons();
    CWindowIcons(const CWindowIcons &) = delete;
    CWindowIcons &operator=(const CWindowIcons &) = delete;

    // Loads icon id in both sizes for dpi and gives them to window.
    void Set(HWND window, UINT id, UINT dpi);
    HICON Big() const { return m_hBig; }
    HICON Small() const { return m_hSmall; }

private:
    void Destroy();

    HICON m_hBig = nullptr;
    HICON m_hSmall = nullptr;
};
