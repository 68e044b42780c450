#include "ProcessResources.h"

#include <psapi.h>
#include <tlhelp32.h>

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

// Wine's extended types of GDI objects (NTGDI_OBJ_* in its include/ntgdi.h).
// 0x05 is not among them: Wine makes one such object with every display DC
// and deletes it with the DC.
GdiKind KindOf(BYTE extType)
{
    switch (extType) {
    case 0x01: return GDI_DC;
    case 0x05: return GDI_SURFACE;
    case 0x41: return GDI_MEMDC;
    case 0x04: return GDI_REGION;
    case 0x09: return GDI_BITMAP;
    case 0x08: return GDI_PALETTE;
    case 0x0a: return GDI_FONT;
    case 0x10: return GDI_BRUSH;
    case 0x30: case 0x50: return GDI_PEN;
    default: return GDI_OTHER;
    }
}

// Wine keeps each process's GDI objects in a table of its own, named in its
// process environment block as on Windows; an entry in use has a type, and
// the low seven bits of its unique field the extended type. Counts them by
// kind; false when the table could not be read.
bool GdiTableEntries(HANDLE process, GdiCounts &kinds)
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
        return false;
    std::vector<Entry> entries(ENTRIES);
    if (!::ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(Entry), nullptr))
        return false;
    kinds = {};
    for (const Entry &e : entries)
        if (e.type != 0)
            ++kinds[KindOf(static_cast<BYTE>(e.unique & 0x7F))];
    return true;
}

size_t Total(const GdiCounts &counts)
{
    size_t total = 0;
    for (size_t n : counts)
        total += n;
    return total;
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

size_t ThreadCount(DWORD pid)
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    size_t count = 0;
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    for (BOOL more = ::Thread32First(snapshot, &thread); more; more = ::Thread32Next(snapshot, &thread))
        count += thread.th32OwnerProcessID == pid;
    ::CloseHandle(snapshot);
    return count;
}

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
    r.threads = ThreadCount(pid);
    r.handles = HandleCount(pid);
    r.gdiObjects = ::GetGuiResources(process, GR_GDIOBJECTS);
    r.userObjects = ::GetGuiResources(process, GR_USEROBJECTS);
    r.guiSource = "GetGuiResources";
    if (!r.gdiObjects && !r.userObjects) {
        if (GdiTableEntries(process, r.gdiByKind))
            r.gdiObjects = Total(r.gdiByKind);
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
    g.threads = Above(before.threads, after.threads);
    g.handles = Above(before.handles, after.handles);
    g.gdiObjects = Above(before.gdiObjects, after.gdiObjects);
    for (size_t k = 0; k < GDI_KINDS; ++k)
        g.gdiByKind[k] = Above(before.gdiByKind[k], after.gdiByKind[k]);
    g.userObjects = Above(before.userObjects, after.userObjects);
    g.privateBytes = Above(before.privateBytes, after.privateBytes);
    g.guiSource = after.guiSource;
    return g;
}

std::string GdiKindsText(const GdiCounts &counts)
{
    static const char *const NAMES[GDI_KINDS] = {"DC",      "DC surface", "memory DC", "region", "bitmap",
                                                 "palette", "font",       "brush",     "pen",    "other"};
    std::string text;
    for (size_t k = 0; k < GDI_KINDS; ++k)
        if (counts[k])
            text += (text.empty() ? "" : ", ") + std::string(NAMES[k]) + " " + std::to_string(counts[k]);
    return text.empty() ? "none" : text;
}
