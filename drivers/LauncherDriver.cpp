#include "LauncherDriver.h"

#include "core/text/WideText.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>
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

const wchar_t *Shown(const wchar_t *japanese, const wchar_t *english)
{
    return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_JAPANESE ? japanese : english;
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
    wchar_t path[MAX_PATH];
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::string dir = Utf8FromWide(path);
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
    return StartCommandLine(exe, "\"" + exe + "\"" + (args.empty() ? "" : " " + args));
}

bool Launcher::StartCommandLine(const std::string &exe, const std::string &line)
{
    std::wstring commandLine = WideFromUtf8(line);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    return ::CreateProcessW(WideFromUtf8(exe).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &si, &m_pi) != 0;
}

// The window shows before its dialog loop runs, and the dialog manager
// shows it once more on entering that loop: a click in between would be
// undone. A user's click comes when the program waits for input.
HWND Launcher::WaitWindow(DWORD ms)
{
    m_hwnd = WaitProcessWindow(m_pi.dwProcessId, L"<Orvanta>", ms);
    if (m_hwnd)
        ::WaitForInputIdle(m_pi.hProcess, ms);
    return m_hwnd;
}

bool Launcher::WaitExit(DWORD ms) const { return ::WaitForSingleObject(m_pi.hProcess, ms) == WAIT_OBJECT_0; }

int Launcher::SelectedGroupIndex() const { return static_cast<int>(::SendMessageA(Item(IDC_GROUP), CB_GETCURSEL, 0, 0)); }

void Launcher::Click(int id) const { ::PostMessageW(Item(id), BM_CLICK, 0, 0); }

bool Launcher::Sync() const
{
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(m_hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result) != 0;
}

HWND Launcher::OpenSettings() const
{
    Click(IDC_SETTINGS);
    // In either language: the user may have chosen the one Windows does not speak.
    HWND sheet = nullptr;
    WaitUntil([&] {
        return (sheet = FindProcessWindow(Pid(), L"Orvanta設定")) || (sheet = FindProcessWindow(Pid(), L"Orvanta Settings"));
    });
    return sheet;
}

SettingsSheet OpenSettingsPage(const Launcher &app, int page)
{
    const SettingsSheet sheet(app.OpenSettings());
    if (sheet.Window())
        sheet.ShowPage(page);
    return sheet;
}

bool CloseSettings(const Launcher &app, const SettingsSheet &sheet, bool ok)
{
    ok ? sheet.Ok() : sheet.Cancel();
    return sheet.WaitClosed() && app.Sync();
}

LRESULT SendWait(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

std::wstring ControlText(HWND control)
{
    const LRESULT length = SendWait(control, WM_GETTEXTLENGTH);
    std::vector<wchar_t> text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendWait(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void Sync(HWND window) { SendWait(window, WM_NULL); }

void PressKey(HWND hwnd, UINT key)
{
    ::PostMessageW(hwnd, WM_KEYDOWN, key, 1);
    ::PostMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
}

void TypeText(HWND edit, const std::string &utf8)
{
    for (const wchar_t c : WideFromUtf8(utf8))
        ::PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

bool CloseDialog(HWND dialog, int id)
{
    HWND owner = ::GetWindow(dialog, GW_OWNER);
    PressButton(dialog, id);
    if (!WaitUntil([&] { return !::IsWindow(dialog); }))
        return false;
    if (owner)
        Sync(owner);
    return true;
}

namespace {

// Memory in the process that owns a window, for messages that carry
// pointers: the list view's messages are not carried across processes.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, size_t size)
    {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process)
            m_address = static_cast<BYTE *>(::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer()
    {
        if (m_address)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process)
            ::CloseHandle(m_process);
    }
    RemoteBuffer(const RemoteBuffer &) = delete;
    RemoteBuffer &operator=(const RemoteBuffer &) = delete;

    BYTE *At(size_t offset) const { return m_address + offset; }
    LPARAM Param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
    void Write(const void *data, size_t size, size_t offset = 0) const
    {
        ::WriteProcessMemory(m_process, At(offset), data, size, nullptr);
    }
    void Read(void *data, size_t size, size_t offset = 0) const
    {
        ::ReadProcessMemory(m_process, At(offset), data, size, nullptr);
    }

private:
    HANDLE m_process = nullptr;
    BYTE *m_address = nullptr;
};

const size_t TEXT_OFFSET = 256;
const int TEXT_CHARS = 2048;

std::wstring ItemText(HWND list, const RemoteBuffer &remote, int row, int column)
{
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t *>(remote.At(TEXT_OFFSET));
    item.cchTextMax = TEXT_CHARS;
    remote.Write(&item, sizeof item);
    const LRESULT length = SendWait(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), remote.Param());
    std::vector<wchar_t> text(TEXT_CHARS, L'\0');
    remote.Read(text.data(), text.size() * sizeof(wchar_t), TEXT_OFFSET);
    return std::wstring(text.data(), static_cast<size_t>(length > 0 ? length : 0));
}

} // namespace

void PrintTo(const ListRow &row, std::ostream *os)
{
    *os << "{" << AnsiFromWide(row.kind.c_str()) << ", \"" << AnsiFromWide(row.url.c_str()) << "\", " << row.data << "}";
}

std::vector<ListRow> ListRows(HWND list)
{
    std::vector<ListRow> rows;
    const RemoteBuffer remote(list, TEXT_OFFSET + TEXT_CHARS * sizeof(wchar_t));
    const int count = static_cast<int>(SendWait(list, LVM_GETITEMCOUNT));
    for (int i = 0; i < count; ++i) {
        LVITEMW item = {};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        remote.Write(&item, sizeof item);
        SendWait(list, LVM_GETITEMW, 0, remote.Param());
        remote.Read(&item, sizeof item);
        rows.push_back({ItemText(list, remote, i, 0), ItemText(list, remote, i, 1), item.lParam});
    }
    return rows;
}

std::vector<std::wstring> ColumnTexts(HWND list, int column)
{
    std::vector<std::wstring> texts;
    const RemoteBuffer remote(list, TEXT_OFFSET + TEXT_CHARS * sizeof(wchar_t));
    const int count = static_cast<int>(SendWait(list, LVM_GETITEMCOUNT));
    for (int i = 0; i < count; ++i)
        texts.push_back(ItemText(list, remote, i, column));
    return texts;
}

bool ClickListRow(HWND list, int row)
{
    SendWait(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT rc = {LVIR_LABEL, 0, 0, 0};
    {
        const RemoteBuffer remote(list, sizeof rc);
        remote.Write(&rc, sizeof rc);
        SendWait(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), remote.Param());
        remote.Read(&rc, sizeof rc);
    }
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    ::PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(list, WM_LBUTTONUP, 0, at);
    // Posted messages are handled in order: once this one has been, so has
    // the click. The hot item means nothing without hot tracking.
    static int marker = -100;
    --marker;
    ::PostMessageW(list, LVM_SETHOTITEM, static_cast<WPARAM>(marker), 0);
    return WaitUntil([&] { return SendWait(list, LVM_GETHOTITEM) == marker; }) &&
           SendWait(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) == LVIS_SELECTED;
}

void SelectListRows(HWND list, const std::vector<int> &rows)
{
    const RemoteBuffer remote(list, sizeof(LVITEMW));
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED;
    remote.Write(&item, sizeof item);
    SendWait(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), remote.Param());
    item.state = LVIS_SELECTED;
    remote.Write(&item, sizeof item);
    for (const int row : rows)
        SendWait(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.Param());
}

void PasteText(HWND edit, const std::wstring &text)
{
    if (!::OpenClipboard(nullptr))
        return;
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(::GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    SendWait(edit, WM_PASTE);
}

// WM_SETTEXT carries its text across processes only in its W form.
void SettingsSheet::SetText(int id, const std::wstring &text) const
{
    SendWait(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool SettingsSheet::WaitClosed(DWORD ms) const
{
    return WaitUntil([&] { return !::IsWindow(m_hwnd); }, ms);
}

namespace {

const wchar_t SHELL_FOLDERS[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const wchar_t USER_SHELL_FOLDERS[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Writes value (UTF-8, of this type) as "Startup" under HKCU\subKey; null
// removes it.
void WriteStartup(const wchar_t *subKey, const char *value, DWORD type)
{
    HKEY key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (value) {
        const std::wstring wide = WideFromUtf8(value);
        ::RegSetValueExW(key, L"Startup", 0, type, reinterpret_cast<const BYTE *>(wide.c_str()),
                         static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    } else {
        ::RegDeleteValueW(key, L"Startup");
    }
    ::RegCloseKey(key);
}

} // namespace

StartupFolderValue::StartupFolderValue()
{
    for (auto [subKey, saved] : {std::make_pair(SHELL_FOLDERS, &m_shell), std::make_pair(USER_SHELL_FOLDERS, &m_user)}) {
        wchar_t value[1024];
        DWORD size = sizeof value;
        saved->had = ::RegGetValueW(HKEY_CURRENT_USER, subKey, L"Startup", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ |
                                    RRF_NOEXPAND, &saved->type, value, &size) == ERROR_SUCCESS;
        if (saved->had)
            saved->value = Utf8FromWide(value);
    }
}

StartupFolderValue::~StartupFolderValue()
{
    WriteStartup(SHELL_FOLDERS, m_shell.had ? m_shell.value.c_str() : nullptr, m_shell.type);
    WriteStartup(USER_SHELL_FOLDERS, m_user.had ? m_user.value.c_str() : nullptr, m_user.type);
}

void StartupFolderValue::Set(const char *folder)
{
    WriteStartup(SHELL_FOLDERS, folder, REG_SZ);
    if (folder)
        WriteStartup(USER_SHELL_FOLDERS, folder, REG_EXPAND_SZ);
}

namespace {

// The shell's link object for one call, on a thread with COM entered.
class LinkObject {
public:
    LinkObject()
    {
        ::CoInitialize(nullptr);
        if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                         reinterpret_cast<void **>(&link))))
            link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file));
    }
    ~LinkObject()
    {
        if (file)
            file->Release();
        if (link)
            link->Release();
        ::CoUninitialize();
    }
    LinkObject(const LinkObject &) = delete;
    LinkObject &operator=(const LinkObject &) = delete;

    IShellLinkW *link = nullptr;
    IPersistFile *file = nullptr;
};

} // namespace

ShortcutInfo ReadShortcut(const std::string &path)
{
    ShortcutInfo info;
    LinkObject object;
    if (!object.file || FAILED(object.file->Load(WideFromUtf8(path).c_str(), STGM_READ)))
        return info;
    wchar_t text[1024] = L"";
    info.loaded = true;
    // The target's item list names it in UTF-16; Wine keeps the link's
    // path itself in the code page only.
    PIDLIST_ABSOLUTE target = nullptr;
    if (FAILED(object.link->GetIDList(&target)) || !target || !::SHGetPathFromIDListW(target, text))
        object.link->GetPath(text, ARRAYSIZE(text), nullptr, SLGP_RAWPATH);
    ::CoTaskMemFree(target);
    info.target = Utf8FromWide(text);
    text[0] = L'\0';
    object.link->GetArguments(text, ARRAYSIZE(text));
    info.arguments = Utf8FromWide(text);
    text[0] = L'\0';
    object.link->GetDescription(text, ARRAYSIZE(text));
    info.description = Utf8FromWide(text);
    return info;
}

bool WriteShortcut(const std::string &path, const std::string &target)
{
    LinkObject object;
    return object.file && SUCCEEDED(object.link->SetPath(WideFromUtf8(target).c_str())) &&
           SUCCEEDED(object.file->Save(WideFromUtf8(path).c_str(), TRUE));
}
