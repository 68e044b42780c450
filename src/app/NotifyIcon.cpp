#include "app/NotifyIcon.h"

#include "framework/MessageBox.h"

#include <shellapi.h>

void CNotifyIcon::Attach(HWND owner, UINT id, UINT callbackMessage, HICON icon)
{
    m_hWnd = owner;
    m_nId = id;
    m_nCallbackMessage = callbackMessage;
    m_hIcon = icon;
}

// A hovering mouse asks for the tooltip again and again: the shell is told
// only of a change.
void CNotifyIcon::Show(const std::string &tip)
{
    if (m_bShown && tip == m_tip)
        return;
    m_tip = tip;
    // An icon the shell lost (Explorer restarting) cannot be changed: it is
    // added again.
    if (!m_bShown || !Notify(NIM_MODIFY))
        Notify(NIM_ADD);
    m_bShown = true;
}

void CNotifyIcon::Remove()
{
    if (m_bShown)
        Notify(NIM_DELETE);
    m_bShown = false;
    m_tip.clear();
}

void CNotifyIcon::AddAgain()
{
    if (m_bShown)
        Notify(NIM_ADD);
}

BOOL CNotifyIcon::Notify(DWORD message) const
{
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = m_hWnd;
    data.uID = m_nId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = m_nCallbackMessage;
    data.hIcon = m_hIcon;
    const std::wstring tip = WideFromAnsi(m_tip.c_str());
    tip.copy(data.szTip, ARRAYSIZE(data.szTip) - 1);
    return ::Shell_NotifyIconW(message, &data);
}
