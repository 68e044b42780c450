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
    // size the notification area asks for; mouse events reach owner as
    // callbackMessage with the mouse message in lParam.
    void Attach(HWND owner, UINT id, UINT callbackMessage, UINT iconId);
    // Shows the icon with this tooltip (UTF-8), or changes the tooltip of
    // the icon shown.
    void Show(const std::string &tip);
    void Remove();
    // The taskbar was created anew: the icon shown is added to it again.
    void AddAgain();

private:
    BOOL Notify(DWORD message, UINT flags) const;

    HWND m_hWnd = nullptr;
    UINT m_nId = 0;
    UINT m_nCallbackMessage = 0;
    HICON m_hIcon = nullptr;
    bool m_bShown = false;
    std::string m_tip;
};
