#include "ProcessResources.h"

#include <psapi.h>

#include <vector>

namespace {

FARPROC NtFunction(const char *name) { return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), name); }

size_t HandlesInSystemTable(DWORD pid)
{
    typedef LONG(WINAPI * QueryFn)(ULONG, PVOID, ULONG, PULONG);
    struct Entry {
        ULONG pid;
        BYTE type;
        BYTE flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    const auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void (*)()>(NtFunction("NtQuerySystemInformation")));
    const ULONG SystemHandleInformation = 16;
    std::vector<ULONG_PTR> buffer(1 << 17);
    const ULONG size = static_cast<ULONG>(buffer.size() * sizeof(ULONG_PTR));
    if (!query || query(SystemHandleInformation, buffer.data(), size, nullptr) != 0)
        return 0;
    const size_t fits = (size - sizeof(ULONG_PTR)) / sizeof(Entry);
    const Entry *entries = reinterpret_cast<const Entry *>(buffer.data() + 1);
    size_t count = 0;
    for (size_t i = 0; i < buffer[0] && i < fits; ++i)
        count += entries[i].pid == pid;
    return count;
}

// Wine keeps each process's GDI objects in a table of its own, named in its
// process environment block as on Windows; an entry in use has a type.
size_t GdiTableEntries(HANDLE process)
{
    typedef LONG(WINAPI * QueryFn)(HANDLE, ULONG, PVOID, ULONG, PULONG);
    struct BasicInformation {
        PVOID exitStatus;
        BYTE *peb;
        ULONG_PTR reserved[4];
    } info = {};
    struct Entry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        BYTE type;
        BYTE flags;
        UINT64 user;
    };
#ifdef _WIN64
    const size_t TABLE_IN_PEB = 0xF8;
#else
    const size_t TABLE_IN_PEB = 0x94;
#endif
    const size_t ENTRIES = 0x10000;
    const auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void (*)()>(NtFunction("NtQueryInformationProcess")));
    const Entry *table = nullptr;
    if (!query || query(process, 0, &info, sizeof info, nullptr) != 0 ||
        !::ReadProcessMemory(process, info.peb + TABLE_IN_PEB, &table, sizeof table, nullptr) || !table)
        return 0;
    std::vector<Entry> entries(ENTRIES);
    if (!::ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(Entry), nullptr))
        return 0;
    size_t used = 0;
    for (const Entry &e : entries)
        used += e.type != 0;
    return used;
}

struct WindowCount {
    DWORD pid;
    size_t count;
};

BOOL CALLBACK CountChild(HWND hwnd, LPARAM lParam)
{
    auto *c = reinterpret_cast<WindowCount *>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    c->count += pid == c->pid;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM lParam)
{
    CountChild(hwnd, lParam);
    ::EnumChildWindows(hwnd, CountChild, lParam);
    return TRUE;
}

// Top-level, child and message-only windows (DDE keeps its own there).
size_t WindowsOf(DWORD pid)
{
    WindowCount c = {pid, 0};
    ::EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&c));
    for (HWND hwnd = nullptr; (hwnd = ::FindWindowExW(HWND_MESSAGE, hwnd, nullptr, nullptr)) != nullptr;)
        CountTopLevel(hwnd, reinterpret_cast<LPARAM>(&c));
    return c.count;
}

size_t Above(size_t before, size_t after) { return after > before ? after - before : 0; }

} // namespace

size_t HandleCount(DWORD pid)
{
    DWORD count = 0;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (process) {
        ::GetProcessHandleCount(process, &count);
        ::CloseHandle(process);
    }
    return count ? count : HandlesInSystemTable(pid);
}

ProcessResources SampleResources(DWORD pid)
{
    ProcessResources r;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process)
        return r;
    r.handles = HandleCount(pid);
    r.gdiObjects = ::GetGuiResources(process, GR_GDIOBJECTS);
    r.userObjects = ::GetGuiResources(process, GR_USEROBJECTS);
    r.guiSource = "GetGuiResources";
    if (!r.gdiObjects && !r.userObjects) {
        r.gdiObjects = GdiTableEntries(process);
        r.userObjects = WindowsOf(pid);
        r.guiSource = "GDI handle table, windows";
    }
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&memory), sizeof memory))
        r.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    ::CloseHandle(process);
    return r;
}

ProcessResources Growth(const ProcessResources &before, const ProcessResources &after)
{
    ProcessResources g;
    g.handles = Above(before.handles, after.handles);
    g.gdiObjects = Above(before.gdiObjects, after.gdiObjects);
    g.userObjects = Above(before.userObjects, after.userObjects);
    g.privateBytes = Above(before.privateBytes, after.privateBytes);
    g.guiSource = after.guiSource;
    return g;
}
