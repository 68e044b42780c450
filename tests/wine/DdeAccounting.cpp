#include "DdeAccounting.h"

#include <windows.h>
#include <ddeml.h>

#include <cstring>

namespace {

DdeHandles g_held = {};
DdeHandles g_made = {};

template <typename Fn> struct Import {
    const char *name;
    Fn counted;
    Fn real;
    void **slot;
};

HCONV WINAPI CountedConnect(DWORD, HSZ, HSZ, PCONVCONTEXT);
BOOL WINAPI CountedDisconnect(HCONV);
HSZ WINAPI CountedCreateString(DWORD, LPCSTR, int);
BOOL WINAPI CountedFreeString(DWORD, HSZ);
HDDEDATA WINAPI CountedTransaction(LPBYTE, DWORD, HCONV, HSZ, UINT, UINT, DWORD, LPDWORD);
BOOL WINAPI CountedFreeData(HDDEDATA);

Import<decltype(&CountedConnect)> g_connect = {"DdeConnect", CountedConnect, nullptr, nullptr};
Import<decltype(&CountedDisconnect)> g_disconnect = {"DdeDisconnect", CountedDisconnect, nullptr, nullptr};
Import<decltype(&CountedCreateString)> g_createString = {"DdeCreateStringHandleA", CountedCreateString, nullptr, nullptr};
Import<decltype(&CountedFreeString)> g_freeString = {"DdeFreeStringHandle", CountedFreeString, nullptr, nullptr};
Import<decltype(&CountedTransaction)> g_transaction = {"DdeClientTransaction", CountedTransaction, nullptr, nullptr};
Import<decltype(&CountedFreeData)> g_freeData = {"DdeFreeDataHandle", CountedFreeData, nullptr, nullptr};

void Count(long DdeHandles::*kind, long change)
{
    g_held.*kind += change;
    if (change > 0)
        g_made.*kind += change;
}

HCONV WINAPI CountedConnect(DWORD inst, HSZ service, HSZ topic, PCONVCONTEXT context)
{
    HCONV conv = g_connect.real(inst, service, topic, context);
    if (conv)
        Count(&DdeHandles::conversations, 1);
    return conv;
}

BOOL WINAPI CountedDisconnect(HCONV conv)
{
    const BOOL done = g_disconnect.real(conv);
    if (done)
        Count(&DdeHandles::conversations, -1);
    return done;
}

HSZ WINAPI CountedCreateString(DWORD inst, LPCSTR text, int codePage)
{
    HSZ hsz = g_createString.real(inst, text, codePage);
    if (hsz)
        Count(&DdeHandles::strings, 1);
    return hsz;
}

BOOL WINAPI CountedFreeString(DWORD inst, HSZ hsz)
{
    const BOOL done = g_freeString.real(inst, hsz);
    if (done)
        Count(&DdeHandles::strings, -1);
    return done;
}

HDDEDATA WINAPI CountedTransaction(LPBYTE data, DWORD size, HCONV conv, HSZ item, UINT format, UINT type, DWORD timeout, LPDWORD result)
{
    HDDEDATA reply = g_transaction.real(data, size, conv, item, format, type, timeout, result);
    if (reply && type == XTYP_REQUEST)
        Count(&DdeHandles::data, 1);
    return reply;
}

BOOL WINAPI CountedFreeData(HDDEDATA data)
{
    const BOOL done = g_freeData.real(data);
    if (done)
        Count(&DdeHandles::data, -1);
    return done;
}

// The import address table entry of this program for user32's function.
void **FindImport(const char *name)
{
    BYTE *base = reinterpret_cast<BYTE *>(::GetModuleHandleA(nullptr));
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + reinterpret_cast<const IMAGE_DOS_HEADER *>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY &dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto *imp = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + dir.VirtualAddress); imp->Name; ++imp) {
        if (::lstrcmpiA(reinterpret_cast<const char *>(base + imp->Name), "user32.dll") != 0)
            continue;
        auto *names = reinterpret_cast<const IMAGE_THUNK_DATA *>(base + imp->OriginalFirstThunk);
        auto *slots = reinterpret_cast<IMAGE_THUNK_DATA *>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto *byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char *>(byName->Name), name) == 0)
                return reinterpret_cast<void **>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void Write(void **slot, void *value)
{
    DWORD old;
    ::VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = value;
    ::VirtualProtect(slot, sizeof *slot, old, &old);
}

template <typename Fn> bool Route(Import<Fn> &import)
{
    import.slot = FindImport(import.name);
    if (!import.slot)
        return false;
    import.real = reinterpret_cast<Fn>(*import.slot);
    Write(import.slot, reinterpret_cast<void *>(import.counted));
    return true;
}

template <typename Fn> void Restore(Import<Fn> &import)
{
    if (import.slot)
        Write(import.slot, reinterpret_cast<void *>(import.real));
}

} // namespace

DdeAccounting::DdeAccounting()
{
    g_held = g_made = {};
    m_routed = Route(g_connect) & Route(g_disconnect) & Route(g_createString) & Route(g_freeString) & Route(g_transaction) &
               Route(g_freeData);
}

DdeAccounting::~DdeAccounting()
{
    Restore(g_connect);
    Restore(g_disconnect);
    Restore(g_createString);
    Restore(g_freeString);
    Restore(g_transaction);
    Restore(g_freeData);
}

DdeHandles DdeAccounting::Held() { return g_held; }
DdeHandles DdeAccounting::Made() { return g_made; }
