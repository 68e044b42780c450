#include "FakeCommon.h"

#include <cstdlib>

std::string FakeBaseName(HMODULE module)
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(module, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.find_last_of('.'));
}

std::string FakeFile(HMODULE module, const char *extension) { return std::string(FAKES_DIR) + "\\" + FakeBaseName(module) + extension; }

std::string FakeQuitEventName(const std::string &baseName) { return "OrvantaFakeQuit." + baseName; }

void FakeLog::Write(const char *kind, std::initializer_list<std::string> fields) const
{
    std::string line = std::to_string(::GetTickCount()) + FAKE_LOG_SEPARATOR + kind;
    for (const std::string &field : fields)
        line += FAKE_LOG_SEPARATOR + field;
    line += "\r\n";
    HANDLE file = ::CreateFileA(m_path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written;
    ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
}

std::string FakeConfig::String(const char *section, const std::string &key) const
{
    char value[1024] = "";
    ::GetPrivateProfileStringA(section, key.c_str(), "", value, sizeof value, m_path.c_str());
    return value;
}

long FakeConfig::Number(const char *section, const std::string &key, long fallback) const
{
    const std::string value = String(section, key);
    return value.empty() ? fallback : std::strtol(value.c_str(), nullptr, 0);
}

void RunUntilQuit(const std::string &baseName, DWORD lifetime, DWORD (*tick)())
{
    HANDLE quit = ::CreateEventA(nullptr, TRUE, FALSE, FakeQuitEventName(baseName).c_str());
    const DWORD start = ::GetTickCount();
    for (;;) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= lifetime)
            break;
        DWORD wait = lifetime - elapsed;
        if (tick) {
            const DWORD next = tick();
            wait = next < wait ? next : wait;
        }
        if (::MsgWaitForMultipleObjects(1, &quit, FALSE, wait, QS_ALLINPUT) == WAIT_OBJECT_0)
            break;
        MSG msg;
        bool ended = false;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                ended = true;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (ended)
            break;
    }
    ::CloseHandle(quit);
}
