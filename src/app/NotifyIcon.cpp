#include "app/NotifyIcon.h"

#include "framework/MessageBox.h"

#include <commctrl.h>
#include <shellapi.h>

CNotifyIcon::~CNotifyIcon()
{
    if (m_hIcon)
        ::DestroyIcon(m_hIcon);
}

void CNotifyIcon::Attach(HWND owner, UINT id, UINT callbackMessage, UINT iconId)
{
    m_hWnd = owner;
    m_nId = id;
    m_nCallbackMessage = callbackMessage;
    // The taskbar's scale, not the window's: the small size of the icon.
    ::LoadIconMetric(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconId), LIM_SMALL, &m_hIcon);
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
    if (!m_bShown || !Notify(NIM_MODIFY, NIF_TIP | NIF_SHOWTIP))
        Add();
    m_bShown = true;
}

void CNotifyIcon::Remove()
{
    if (m_bShown)
        Notify(NIM_DELETE, 0);
    m_bShown = false;
    m_tip.clear();
}

void CNotifyIcon::AddAgain()
{
    if (m_bShown)
        Add();
}

void CNotifyIcon::ReturnFocus() const { Notify(NIM_SETFOCUS, 0); }

// Version 4 shows the standard tooltip only with NIF_SHOWTIP.
BOOL CNotifyIcon::Add() const
{
    return Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP) && Notify(NIM_SETVERSION, 0);
}

// Only what changes is passed: each time the icon is, the shell copies its
// bitmaps and draws it anew.
BOOL CNotifyIcon::Notify(DWORD message, UINT flags) const
{
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = m_hWnd;
    data.uID = m_nId;
    data.uFlags = flags;
    data.uCallbackMessage = m_nCallbackMessage;
    data.hIcon = m_hIcon;
    data.uVersion = NOTIFYICON_VERSION_4;    // read by NIM_SETVERSION only
    const std::wstring tip = WideFromUtf8(m_tip);
    tip.copy(data.szTip, ARRAYSIZE(data.szTip) - 1);
    return ::Shell_NotifyIconW(message, &data);
}
