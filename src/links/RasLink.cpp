#include "links/RasLink.h"

#include "links/Registry.h"

#include <cstdlib>

namespace {

typedef DWORD(WINAPI *RasGetConnectStatusFn)(HRASCONN, RasConnStatus40 *);
typedef DWORD(WINAPI *RasEnumConnectionsFn)(RasConn40 *, DWORD *, DWORD *);

HMODULE s_hRasLib = nullptr;
RasGetConnectStatusFn s_pfnGetConnectStatus = nullptr;
RasEnumConnectionsFn s_pfnEnumConnections = nullptr;

// The answer to a query from a successful enumeration.
int Answer(int query, const RasConn40 *conns, DWORD count)
{
    if (query == RAS_QUERY_COUNT)
        return static_cast<int>(count);
    if (query != RAS_QUERY_FIRST)
        return -1;
    return count > 0 && RasLinkConnectionState(conns[0].hrasconn) == 0;
}

} // namespace

int RasLinkLoad()
{
    if (s_hRasLib)
        return 1;
    s_hRasLib = ::LoadLibraryW(L"Rasapi32.dll");
    if (!s_hRasLib)
        return 0;
    // The ANSI forms: the monitor reads handles and states from them, never
    // a name, and their 4.0 records are the ones every version accepts.
    s_pfnGetConnectStatus = reinterpret_cast<RasGetConnectStatusFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(s_hRasLib, "RasGetConnectStatusA")));
    s_pfnEnumConnections = reinterpret_cast<RasEnumConnectionsFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(s_hRasLib, "RasEnumConnectionsA")));
    return 1;
}

void RasLinkUnload()
{
    if (s_hRasLib)
        ::FreeLibrary(s_hRasLib);
    s_hRasLib = nullptr;
}

// Room for one record first: one connection, the usual case, needs one
// call. A library that wants more says how much, once.
int RasLinkQuery(int query)
{
    if (!s_hRasLib || !s_pfnEnumConnections || !s_pfnGetConnectStatus)
        return -1;
    DWORD size = sizeof(RasConn40);
    DWORD count = 0;
    RasConn40 *conns = static_cast<RasConn40 *>(std::calloc(1, size));
    if (!conns)
        return -1;
    conns->dwSize = sizeof(RasConn40);
    DWORD error = s_pfnEnumConnections(conns, &size, &count);
    if (error == ERROR_BUFFER_TOO_SMALL) {
        void *grown = size > sizeof(RasConn40) && size <= RAS_MAX_CONNECTIONS * sizeof(RasConn40) ? std::realloc(conns, size) : nullptr;
        if (!grown) {
            std::free(conns);
            return -1;
        }
        conns = static_cast<RasConn40 *>(grown);
        error = s_pfnEnumConnections(conns, &size, &count);
    }
    const int answer = error == 0 ? Answer(query, conns, count) : -1;
    std::free(conns);
    return answer;
}

int RasLinkConnectionState(HRASCONN conn)
{
    if (!s_hRasLib || !s_pfnGetConnectStatus)
        return -1;
    RasConnStatus40 status = {};
    status.dwSize = sizeof status;
    const DWORD error = s_pfnGetConnectStatus(conn, &status);
    if (error != 0)
        return conn && error == ERROR_INVALID_HANDLE ? 1 : -1;
    if (status.rasconnstate == RASCS_Disconnected)
        return 1;
    return status.dwError ? -1 : 0;
}

int RasLinkAutodialEnabled()
{
    // Any type: only the four bytes count; a longer value does not fit.
    BYTE value[4] = {};
    return ReadRegistryBytes(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings",
                             "Enable Autodial", value, sizeof value) >= 0 &&
           (value[0] | value[1] | value[2] | value[3]) != 0;
}
