// The notification area as a user meets it in a Wine desktop: explorer's
// taskbar ("Shell_TrayWnd", along the bottom of the desktop) draws the icons
// itself, from its right end, each with its tooltip in a "tooltips_class32"
// window of explorer's; an icon's menu is a "#32768" window of its owner.
// Driven with real mouse and keyboard input; waits are bounded polls.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Whether the shell holds icon id of owner: it fails to change one it does not.
bool TrayIconShown(HWND owner, UINT id);
// Takes the icon out of the taskbar, as a taskbar that is made anew has lost it.
bool DeleteTrayIcon(HWND owner, UINT id);
// Wine 8's taskbar keeps the tooltip window of every icon it removes: a
// hidden "tooltips_class32" window of explorer's, owned by the taskbar. Each
// DDE conversation starts with a message to every top-level window, so over
// hundreds of icons every launch gets slower. These list the taskbar's
// tooltips and close those not in kept, returning how many were closed once
// they are gone.
std::vector<HWND> TaskbarTooltips();
size_t CloseTaskbarTooltips(const std::vector<HWND> &kept);
// The middle of the first icon (the rightmost) on the screen; false when
// there is no taskbar.
bool FirstTrayIconPoint(POINT &point);
// Moves the mouse off the taskbar, then onto the first icon, and waits for
// its tooltip to show a text that accept takes, trying again until ms have
// passed; returns the last text shown (empty when no tooltip showed).
std::wstring HoverFirstTrayIcon(const std::function<bool(const std::wstring &)> &accept, DWORD ms = 10000);
// Clicks the first icon with the right or the left button, again until ms
// have passed, and returns the menu that process pid opened, or null.
HWND ClickFirstTrayIcon(bool right, DWORD pid, DWORD ms = 10000);
// The menu process pid shows, once it shows within ms; null when none did.
HWND WaitMenu(DWORD pid, DWORD ms);
// Presses and releases each key in turn (virtual-key codes).
void PressKeys(std::initializer_list<WORD> keys);
