#include "FakeBrowsers.h"

#include "LauncherDriver.h"
#include "ProcessResources.h"

#include <shlwapi.h>

#include <fstream>
#include <set>

namespace {

void WriteFile(const std::string &path, const std::string &text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::vector<FakeEvent> ReadEvents(const std::string &path, const std::string &kind)
{
    std::vector<FakeEvent> events;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields(1);
        for (char c : line) {
            if (c == FAKE_LOG_SEPARATOR)
                fields.emplace_back();
            else
                fields.back() += c;
        }
        if (fields.size() < 2 || (!kind.empty() && fields[1] != kind))
            continue;
        events.push_back({static_cast<DWORD>(std::stoul(fields[0])), fields[1], {fields.begin() + 2, fields.end()}});
    }
    return events;
}

} // namespace

FakeProgram::FakeProgram(std::string name, std::string program) : m_name(std::move(name)), m_program(std::move(program)) {}

FakeProgram::~FakeProgram() { Quit(); }

bool FakeProgram::Install(const std::string &settings)
{
    ::CreateDirectoryA(m_dir.c_str(), nullptr);
    ::DeleteFileA(LogPath().c_str());
    Configure(settings);
    // A copy that has logged its exit may still be ending, its program file
    // still in use: the copy is tried again until that one is gone.
    return PumpUntil([&] { return ::CopyFileA((ProgramDir() + "\\" + m_program).c_str(), Path().c_str(), FALSE) != 0; },
                     5000);
}

void FakeProgram::Configure(const std::string &settings) const { WriteFile(m_dir + "\\" + m_name + ".ini", settings); }

bool FakeProgram::Start(const std::string &commandLine)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string line = commandLine;
    PROCESS_INFORMATION pi;
    if (!::CreateProcessA(Path().c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return true;
}

std::vector<FakeEvent> FakeProgram::Events(const std::string &kind) const { return ReadEvents(LogPath(), kind); }

bool FakeProgram::WaitEvents(const std::string &kind, size_t count, DWORD ms) const
{
    return PumpUntil([&] { return Events(kind).size() >= count; }, ms);
}

// Every copy that logged its start but not yet its exit is waited for by
// its process id (ids of ended processes are soon given to others).
bool FakeProgram::Quit(DWORD ms)
{
    HANDLE quit = ::CreateEventA(nullptr, TRUE, FALSE, FakeQuitEventName(m_name).c_str());
    ::SetEvent(quit);
    std::multiset<std::string> running;
    for (const FakeEvent &e : Events()) {
        if (e.kind == "start")
            running.insert(e.args.at(0));
        else if (e.kind == "exit" && running.count(e.args.at(0)))
            running.erase(running.find(e.args.at(0)));
    }
    bool ended = true;
    for (const std::string &pid : running) {
        HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(std::stoul(pid)));
        if (!process)
            continue;
        ended = PumpUntil([&] { return ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, ms) && ended;
        ::CloseHandle(process);
    }
    ::ResetEvent(quit);
    ::CloseHandle(quit);
    return ended;
}

// A line is counted once it is whole: a fake writes each in one piece,
// but a read may come in the middle of that write.
std::vector<std::string> Items(const FakeProgram &server, const std::string &topic)
{
    std::vector<std::string> items;
    for (const FakeEvent &e : server.Events("request"))
        if (e.args.at(0) == topic)
            items.push_back(e.args.at(2));
    return items;
}

std::vector<std::string> Arguments(const FakeProgram &browser)
{
    std::vector<std::string> args;
    const std::string program = "\"" + browser.Path() + "\"";
    for (const FakeEvent &e : browser.Events("start")) {
        const std::string &line = e.args.at(1);
        args.push_back(line.compare(0, program.size(), program) == 0 ? line.substr(program.size()) : "<" + line + ">");
    }
    return args;
}

size_t LogCounter::Count()
{
    HANDLE file = ::CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return m_count;
    LARGE_INTEGER at;
    at.QuadPart = m_offset;
    ::SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read) {
        m_offset += read;
        m_unread.append(buffer, read);
    }
    ::CloseHandle(file);
    const size_t whole = m_unread.rfind('\n');
    if (whole == std::string::npos)
        return m_count;
    for (size_t found = m_unread.find(m_needle); found < whole; found = m_unread.find(m_needle, found + 1))
        ++m_count;
    m_unread.erase(0, whole + 1);
    return m_count;
}

std::string DdeServerSettings(const char *service, const std::string &replies, int registerAfter)
{
    return std::string("[fake]\r\nService=") + service + "\r\nRegister=" + std::to_string(registerAfter) + "\r\n[replies]\r\n" +
           replies + "\r\n";
}

bool StartDdeServer(FakeProgram &server, const std::string &settings)
{
    return server.Install(settings) && server.Start() && server.WaitEvents("register");
}

bool SetKeyValue(HKEY root, const std::string &key, const std::string &name, DWORD type, const std::string &bytes)
{
    HKEY handle;
    if (::RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG error = ::RegSetValueExA(handle, name.empty() ? nullptr : name.c_str(), 0, type,
                                        reinterpret_cast<const BYTE *>(bytes.data()), static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(handle);
    return error == ERROR_SUCCESS;
}

bool SetKeyDefault(HKEY root, const std::string &key, const std::string &value)
{
    return SetKeyValue(root, key, "", REG_SZ, std::string(value.c_str(), value.size() + 1));
}

bool DeleteKeyTree(HKEY root, const std::string &key)
{
    const DWORD error = ::SHDeleteKeyA(root, key.c_str());
    return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND;
}

bool RegisterAsNetscape(const FakeProgram &fake) { return SetKeyDefault(HKEY_LOCAL_MACHINE, APP_PATHS_NETSCAPE, fake.Path()); }

bool RegisterAsExplorerServer(const FakeProgram &fake) { return SetKeyDefault(HKEY_CLASSES_ROOT, CLSID_EXPLORER_SERVER, fake.Path()); }

void WriteRasState(const std::string &settings)
{
    ::CreateDirectoryA(FAKES_DIR, nullptr);
    WriteFile(FAKES_DIR "\\Rasapi32.ini", settings);
}

std::vector<FakeEvent> RasEvents(const std::string &kind) { return ReadEvents(FAKES_DIR "\\Rasapi32.log", kind); }

bool PumpUntil(const std::function<bool()> &cond, DWORD ms)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (cond())
            return true;
        if (::GetTickCount() - start >= ms)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

size_t ProcessHandleCount() { return HandleCount(::GetCurrentProcessId()); }

std::vector<FakeEvent> EventsSince(const std::vector<FakeEvent> &events, DWORD from, DWORD to)
{
    std::vector<FakeEvent> since;
    for (const FakeEvent &e : events)
        if (e.time - from <= to - from) // unsigned: a wrap of the tick count between them is no matter
            since.push_back(e);
    return since;
}
