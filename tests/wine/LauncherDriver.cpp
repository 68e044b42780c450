#include "LauncherDriver.h"

#include <vector>

bool WaitUntil(const std::function<bool()> &cond, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if (::GetTickCount() - start >= ms)
            return false;
        ::Sleep(20);
    }
}

std::wstring WindowText(HWND hwnd)
{
    wchar_t text[1024] = L"";
    ::GetWindowTextW(hwnd, text, 1024);
    return text;
}

namespace {

struct Search {
    DWORD pid;
    const std::wstring *title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    Search *s = reinterpret_cast<Search *>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && ::IsWindowVisible(hwnd) && WindowText(hwnd) == *s->title) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindProcessWindow(DWORD pid, const std::wstring &title)
{
    Search s = {pid, &title, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitProcessWindow(DWORD pid, const std::wstring &title, DWORD ms)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindProcessWindow(pid, title)) != nullptr; }, ms);
    return found;
}

std::wstring MessageBoxText(HWND box) { return WindowText(::GetDlgItem(box, 0xFFFF)); }

void PressButton(HWND dialog, int id) { ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Read as UTF-16 and converted here: Wine does not convert the ANSI form
// of these messages between processes.
std::vector<ComboItem> ComboItems(HWND combo)
{
    std::vector<ComboItem> items;
    const int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<wchar_t> text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        items.push_back({AnsiFromWide(text.data()), ::SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)});
    }
    return items;
}

std::string AnsiFromWide(const wchar_t *text)
{
    char ansi[4096] = "";
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

std::string ProgramDir()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\'));
}

Launcher::~Launcher()
{
    if (!m_pi.hProcess)
        return;
    if (::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
    ::CloseHandle(m_pi.hProcess);
    ::CloseHandle(m_pi.hThread);
}

bool Launcher::Start(const std::string &args)
{
    const std::string exe = ProgramDir() + "\\Orvanta.exe";
    std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    return ::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi) != 0;
}

HWND Launcher::WaitWindow(DWORD ms) { return m_hwnd = WaitProcessWindow(m_pi.dwProcessId, L"<Orvanta>", ms); }

bool Launcher::WaitExit(DWORD ms) const { return ::WaitForSingleObject(m_pi.hProcess, ms) == WAIT_OBJECT_0; }

int Launcher::SelectedGroupIndex() const { return static_cast<int>(::SendMessageA(Item(1070), CB_GETCURSEL, 0, 0)); }

void Launcher::Click(int id) const { ::PostMessageW(Item(id), BM_CLICK, 0, 0); }
