// Drives the real Orvanta.exe from a test the way a user does: starts it,
// finds its windows, reads and clicks controls, closes it. Waits are bounded
// polls; the process is ended when the driver goes away.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Polls cond every 20 ms for up to ms milliseconds.
bool WaitUntil(const std::function<bool()> &cond, DWORD ms = 10000);

std::wstring WindowText(HWND hwnd);
// A visible top-level window of the process with exactly this title.
HWND FindProcessWindow(DWORD pid, const std::wstring &title);
HWND WaitProcessWindow(DWORD pid, const std::wstring &title, DWORD ms = 10000);
// The text of a message box (its static control).
std::wstring MessageBoxText(HWND box);
// Closes a dialog or message box with one of its buttons.
void PressButton(HWND dialog, int id);

struct ComboItem {
    std::string text;    // in the system's code page
    LPARAM data;
    bool operator==(const ComboItem &o) const { return text == o.text && data == o.data; }
};

inline void PrintTo(const ComboItem &item, std::ostream *os) { *os << "{\"" << item.text << "\", " << item.data << "}"; }

std::vector<ComboItem> ComboItems(HWND combo);
std::string AnsiFromWide(const wchar_t *text);

class Launcher {
public:
    Launcher() = default;
    ~Launcher();
    Launcher(const Launcher &) = delete;
    Launcher &operator=(const Launcher &) = delete;

    // Starts Orvanta.exe (beside the test program) with these arguments.
    bool Start(const std::string &args = "");
    // Waits for "<Orvanta>" to be shown; null when it never was.
    HWND WaitWindow(DWORD ms = 10000);
    bool WaitExit(DWORD ms = 10000) const;
    DWORD Pid() const { return m_pi.dwProcessId; }
    HWND Item(int id) const { return ::GetDlgItem(m_hwnd, id); }
    std::vector<ComboItem> Groups() const { return ComboItems(Item(1070)); }
    int SelectedGroupIndex() const;
    void Click(int id) const;
    void Close() const { ::PostMessageW(m_hwnd, WM_CLOSE, 0, 0); }
    void Command(int id) const { ::PostMessageW(m_hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    HWND Window() const { return m_hwnd; }

private:
    PROCESS_INFORMATION m_pi = {};
    HWND m_hwnd = nullptr;
};

std::string ProgramDir();
