// "Rasapi32.dll" for the tests: the two functions the launcher calls, with
// connections and states from FAKES_DIR\Rasapi32.ini, read on every call:
//
//   [ras]  Load=1            0: the library does not load
//          Connections=2     active connections
//          EnumResult=0      returned in place of the enumeration's own
//          ReportSize=0      the size a too-small buffer is told (0: the
//                            size the connections need)
//   [1]    Handle=0x1001     connection 1 (default 0x1000 + its number)
//          State=0x2000      its RASCONNSTATE (default RASCS_Connected)
//          Error=0           the status record's error code
//          StatusResult=0    what RasGetConnectStatusA returns for it
//
// Like the platform's, it takes only records whose size field it knows,
// the 4.0 layout here, and answers ERROR_INVALID_SIZE otherwise. It logs
// "enum <record size> <buffer size given> <result> <buffer size told>" and
// "status <handle> <result>"; and "attach <pid>" when it is loaded, "detach
// <pid> freed" when it is unloaded, "detach <pid> exit" when the process
// ends with it loaded.
#include "FakeCommon.h"

#include <ras.h>
#include <raserror.h>

#include <cstring>
#include <string>

namespace {

// The platform's 4.0 records, as the library side declares them.
struct Conn {
    DWORD dwSize;
    HRASCONN hrasconn;
    CHAR szEntryName[RAS_MaxEntryName + 1];
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
};
struct Status {
    DWORD dwSize;
    RASCONNSTATE rasconnstate;
    DWORD dwError;
    CHAR szDeviceType[RAS_MaxDeviceType + 1];
    CHAR szDeviceName[RAS_MaxDeviceName + 1];
};

HMODULE g_module = nullptr;

FakeConfig Config() { return FakeConfig(g_module); }
FakeLog Log() { return FakeLog(g_module); }

ULONG_PTR Handle(const FakeConfig &config, DWORD n)
{
    return static_cast<ULONG_PTR>(config.Number(std::to_string(n).c_str(), "Handle", static_cast<long>(0x1000 + n)));
}

} // namespace

// The platform declares the full-size record; callers give the 4.0 one.
extern "C" __declspec(dllexport) DWORD WINAPI RasEnumConnectionsA(LPRASCONNA buffer, LPDWORD size, LPDWORD count)
{
    Conn *conns = reinterpret_cast<Conn *>(buffer);
    const FakeConfig config = Config();
    const DWORD n = static_cast<DWORD>(config.Number("ras", "Connections", 0));
    const DWORD given = size ? *size : 0;
    DWORD result;
    if (!conns || !size || !count || conns->dwSize != sizeof(Conn)) {
        result = ERROR_INVALID_SIZE;
    } else if (*size < n * sizeof(Conn)) {
        const long reported = config.Number("ras", "ReportSize", 0);
        *size = reported ? static_cast<DWORD>(reported) : static_cast<DWORD>(n * sizeof(Conn));
        *count = n;
        result = ERROR_BUFFER_TOO_SMALL;
    } else {
        for (DWORD i = 0; i < n; ++i) {
            Conn &c = conns[i];
            std::memset(&c, 0, sizeof c);
            c.dwSize = sizeof c;
            c.hrasconn = reinterpret_cast<HRASCONN>(Handle(config, i + 1));
            std::strcpy(c.szEntryName, ("Dial-up " + std::to_string(i + 1)).c_str());
            std::strcpy(c.szDeviceType, "modem");
        }
        *size = n * sizeof(Conn);
        *count = n;
        result = static_cast<DWORD>(config.Number("ras", "EnumResult", 0));
    }
    Log().Write("enum", {std::to_string(conns ? conns->dwSize : 0), std::to_string(given), std::to_string(result), std::to_string(size ? *size : 0)});
    return result;
}

extern "C" __declspec(dllexport) DWORD WINAPI RasGetConnectStatusA(HRASCONN conn, LPRASCONNSTATUSA record)
{
    Status *status = reinterpret_cast<Status *>(record);
    const FakeConfig config = Config();
    const DWORD n = static_cast<DWORD>(config.Number("ras", "Connections", 0));
    DWORD result = ERROR_INVALID_HANDLE;
    if (!status || status->dwSize != sizeof(Status)) {
        result = ERROR_INVALID_SIZE;
    } else {
        for (DWORD i = 1; i <= n; ++i) {
            if (Handle(config, i) != reinterpret_cast<ULONG_PTR>(conn))
                continue;
            const std::string section = std::to_string(i);
            status->rasconnstate = static_cast<RASCONNSTATE>(config.Number(section.c_str(), "State", RASCS_Connected));
            status->dwError = static_cast<DWORD>(config.Number(section.c_str(), "Error", 0));
            result = static_cast<DWORD>(config.Number(section.c_str(), "StatusResult", 0));
            break;
        }
    }
    Log().Write("status", {std::to_string(reinterpret_cast<ULONG_PTR>(conn)), std::to_string(result)});
    return result;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    const std::string pid = std::to_string(::GetCurrentProcessId());
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        if (!Config().Number("ras", "Load", 1))
            return FALSE;
        Log().Write("attach", {pid});
    } else if (reason == DLL_PROCESS_DETACH) {
        Log().Write("detach", {pid, reserved ? "exit" : "freed"});
    }
    return TRUE;
}
