// Drives the real Orvanta.exe from a test the way a user does: starts it,
// finds its windows, reads and clicks controls, closes it. Waits are bounded
// polls; the process is ended when the driver goes away.
#pragma once

#include "res/resource.h"

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Polls cond every 20 ms for up to ms milliseconds.
bool WaitUntil(const std::function<bool()> &cond, DWORD ms = 10000);

// A text of the program as the test's system shows it: the Japanese one
// where Windows' display language is Japanese, the English one elsewhere.
const wchar_t *Shown(const wchar_t *japanese, const wchar_t *english);

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

    // Starts Orvanta.exe (beside the test program) with these arguments (UTF-8).
    bool Start(const std::string &args = "");
    // Starts exe with exactly this command line (UTF-8).
    bool StartCommandLine(const std::string &exe, const std::string &commandLine);
    // Waits for "<Orvanta>" to be shown and the program to wait for
    // input; null when it never was shown.
    HWND WaitWindow(DWORD ms = 10000);
    bool WaitExit(DWORD ms = 10000) const;
    DWORD Pid() const { return m_pi.dwProcessId; }
    HWND Item(int id) const { return ::GetDlgItem(m_hwnd, id); }
    std::vector<ComboItem> Groups() const { return ComboItems(Item(IDC_GROUP)); }
    int SelectedGroupIndex() const;
    void Click(int id) const;
    void Close() const { ::PostMessageW(m_hwnd, WM_CLOSE, 0, 0); }
    void Command(int id) const { ::PostMessageW(m_hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    HWND Window() const { return m_hwnd; }
    // Returns once the launcher's thread takes messages again, so whatever a
    // command did after its modal window closed is done.
    bool Sync() const;
    // Clicks Settings and waits for the sheet; null when it never showed.
    HWND OpenSettings() const;

private:
    PROCESS_INFORMATION m_pi = {};
    HWND m_hwnd = nullptr;
};

std::string ProgramDir();

// Sends a message and waits for the answer (10 s at most).
LRESULT SendWait(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// The text a control of another process holds (WM_GETTEXT; GetWindowText
// does not ask another process's edit boxes).
std::wstring ControlText(HWND control);

// Returns once the thread of window takes messages again.
void Sync(HWND window);
// The window with the keyboard focus on the thread of window.
HWND FocusOf(HWND window);

// A window of the process that owns hwnd, a modal dialog or a message box,
// closed with its button id; returns when the dialog is gone and its owner's
// code has run on.
bool CloseDialog(HWND dialog, int id);

// One row of a list view of another process, as shown.
struct ListRow {
    std::wstring kind, url;    // columns 0 and 1
    LPARAM data;
    bool operator==(const ListRow &o) const { return kind == o.kind && url == o.url && data == o.data; }
};

void PrintTo(const ListRow &row, std::ostream *os);

std::vector<ListRow> ListRows(HWND list);
// One column's texts, row by row.
std::vector<std::wstring> ColumnTexts(HWND list, int column);
// Scrolls a row into view and clicks its first column, as the mouse does;
// returns when the list has handled the click, true when the row is selected.
bool ClickListRow(HWND list, int row);
// Selects exactly these rows of a list view of another process, as
// ctrl-clicks would.
void SelectListRows(HWND list, const std::vector<int> &rows);

// A key pressed on a window of another process, as the keyboard sends it.
void PressKey(HWND hwnd, UINT key);
// Types text into an edit box of another process, key by key.
void TypeText(HWND edit, const std::string &utf8);

// Puts text on the clipboard and pastes it into an edit box, as a user would.
void PasteText(HWND edit, const std::wstring &text);

// The settings sheet "Orvanta設定" of another process, driven like a user:
// controls are looked up on the page it shows.
class SettingsSheet {
public:
    explicit SettingsSheet(HWND sheet) : m_hwnd(sheet) {}

    HWND Window() const { return m_hwnd; }
    HWND Page() const { return reinterpret_cast<HWND>(SendWait(m_hwnd, PSM_GETCURRENTPAGEHWND)); }
    // Brings page index to the front, as a click on its tab does.
    void ShowPage(int index) const { SendWait(m_hwnd, PSM_SETCURSEL, static_cast<WPARAM>(index)); }
    HWND Item(int id) const { return ::GetDlgItem(Page(), id); }
    bool IsChecked(int id) const { return SendWait(Item(id), BM_GETCHECK) == BST_CHECKED; }
    bool IsEnabled(int id) const { return ::IsWindowEnabled(Item(id)) != 0; }
    // Clicks a control and returns when the page has handled the click. A
    // disabled control takes no click, as from the mouse (Wine's auto radio
    // buttons would search their group for ever).
    void Press(int id) const
    {
        if (IsEnabled(id))
            SendWait(Item(id), BM_CLICK);
    }
    // Clicks a control that opens a window of its own; returns at once.
    void Click(int id) const
    {
        if (IsEnabled(id))
            ::PostMessageW(Item(id), BM_CLICK, 0, 0);
    }
    void SetText(int id, const std::wstring &text) const;
    std::wstring Text(int id) const { return ControlText(Item(id)); }
    // The sheet's own buttons; the sheet closes on its own afterwards.
    void Ok() const { ::PostMessageW(::GetDlgItem(m_hwnd, IDOK), BM_CLICK, 0, 0); }
    void Cancel() const { ::PostMessageW(::GetDlgItem(m_hwnd, IDCANCEL), BM_CLICK, 0, 0); }
    bool WaitClosed(DWORD ms = 10000) const;

private:
    HWND m_hwnd;
};

// The sheet opened from the launcher's Settings button with this page in
// front; its window is null when the sheet never showed.
SettingsSheet OpenSettingsPage(const Launcher &app, int page);
// Closes the sheet with OK or Cancel; true once it is gone and the
// launcher has done what follows the sheet.
bool CloseSettings(const Launcher &app, const SettingsSheet &sheet, bool ok);

// The user's Startup folder: "Startup" under HKCU "Shell Folders", which the
// program reads, and under "User Shell Folders", from which the shell
// rewrites the first. Set to a folder, or removed with null (from "Shell
// Folders" only); what was there comes back at destruction. Paths are UTF-8.
class StartupFolderValue {
public:
    StartupFolderValue();
    ~StartupFolderValue();
    StartupFolderValue(const StartupFolderValue &) = delete;
    StartupFolderValue &operator=(const StartupFolderValue &) = delete;

    static void Set(const char *folder);

private:
    struct Saved {
        bool had = false;
        DWORD type = REG_SZ;
        std::string value;
    };
    Saved m_shell, m_user;
};

struct ShortcutInfo {
    bool loaded = false;
    std::string target, arguments, description;
};
// Reads a shortcut file back through the shell's link object (texts in UTF-8).
ShortcutInfo ReadShortcut(const std::string &path);
// Makes a shortcut to target.
bool WriteShortcut(const std::string &path, const std::string &target);
