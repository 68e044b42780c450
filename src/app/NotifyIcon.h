// The launcher's icon in the notification area: shown with a tooltip, its
// tooltip changed, taken away, and put back when Explorer starts anew.
#pragma once

#include <windows.h>

#include <string>

class CNotifyIcon {
public:
    CNotifyIcon() = default;
    ~CNotifyIcon();
    CNotifyIcon(const CNotifyIcon &) = delete;
    CNotifyIcon &operator=(const CNotifyIcon &) = delete;

    // The icon of owner with this id, showing icon resource iconId in the
    // size the notification area asks for. Events reach owner as
    // callbackMessage in version 4 of the shell's interface: the mouse
    // message, NIN_SELECT, NIN_KEYSELECT or WM_CONTEXTMENU in the low word
    // of lParam, and the point at which a menu opens in wParam (the
    // click's, or the icon's when the keyboard chose it).
    void Attach(HWND owner, UINT id, UINT callbackMessage, UINT iconId);
    // Shows the icon with this tooltip (UTF-8), or changes the tooltip of
    // the icon shown.
    void Show(const std::string &tip);
    void Remove();
    // The taskbar was created anew: the icon shown is added to it again.
    void AddAgain();
    // After a menu opened from the keyboard: the keyboard goes back to the
    // notification area.
    void ReturnFocus() const;

private:
    BOOL Add() const;
    BOOL Notify(DWORD message, UINT flags) const;

    HWND m_hWnd = nullptr;
    UINT m_nId = 0;
    UINT m_nCallbackMessage = 0;
    HICON m_hIcon = nullptr;
    bool m_bShown = false;
    std::string m_tip;
};
