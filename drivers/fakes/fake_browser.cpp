// A browser's DDE server as a test scripts it, standing in for Netscape
// Navigator ("NETSCAPE") or Internet Explorer ("IEXPLORE"). Its settings
// (FakeCommon.h):
//
//   [fake]     Service=NETSCAPE   the service it registers
//              Register=0         ms after start; -1 never
//              Lifetime=120000    ms before it ends by itself
//   [replies]  WWW_ListWindows=11 12 0      DWORDs of the reply
//              WWW_GetFrameParent/5=3       for the item "5" only
//              WWW_OpenURL=none             a request without data
//              WWW_Version=block            a request never answered
//
// It logs "start <pid> <command line>", "startup <flags> <show command>
// <x> <y> <width> <height> <priority class>" (how it was started),
// "register <service>", "connect
// <topic>", "request <topic> <format> <item>", "disconnect" and "exit".
#include "FakeCommon.h"

#include <ddeml.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char *const TOPICS[] = {"WWW_ListWindows", "WWW_Version", "WWW_OpenURL", "WWW_GetFrameParent"};

DWORD g_inst = 0;
HSZ g_service = nullptr;
bool g_registerPending = false;
DWORD g_registerAt = 0;    // tick count
const FakeLog g_log;
const FakeConfig g_config;

std::string Text(HSZ hsz)
{
    char text[1100] = "";
    ::DdeQueryStringA(g_inst, hsz, text, sizeof text, CP_WINANSI);
    return text;
}

bool IsTopic(const std::string &name)
{
    for (const char *topic : TOPICS)
        if (name == topic)
            return true;
    return false;
}

std::vector<DWORD> Dwords(const std::string &script)
{
    std::vector<DWORD> words;
    const char *p = script.c_str();
    for (;;) {
        char *end;
        const unsigned long value = std::strtoul(p, &end, 0);
        if (end == p)
            return words;
        words.push_back(static_cast<DWORD>(value));
        p = end;
    }
}

HDDEDATA Reply(const std::string &topic, HSZ item, UINT format)
{
    std::string script = g_config.String("replies", topic + "/" + Text(item));
    if (script.empty())
        script = g_config.String("replies", topic);
    if (script == "block")
        return CBR_BLOCK;
    const std::vector<DWORD> words = Dwords(script);
    if (words.empty())
        return nullptr;
    const BYTE *bytes = reinterpret_cast<const BYTE *>(words.data());
    return ::DdeCreateDataHandle(g_inst, const_cast<BYTE *>(bytes), static_cast<DWORD>(words.size() * sizeof(DWORD)), 0, item, format, 0);
}

HDDEDATA CALLBACK Callback(UINT type, UINT format, HCONV, HSZ hsz1, HSZ hsz2, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    switch (type) {
    case XTYP_CONNECT:
        g_log.Write("connect", {Text(hsz1)});
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(IsTopic(Text(hsz1))));
    case XTYP_REQUEST: {
        g_log.Write("request", {Text(hsz1), std::to_string(format), Text(hsz2)});
        return Reply(Text(hsz1), hsz2, format);
    }
    case XTYP_DISCONNECT:
        g_log.Write("disconnect");
        return nullptr;
    default:
        return nullptr;
    }
}

DWORD RegisterWhenDue()
{
    if (!g_registerPending)
        return INFINITE;
    const DWORD now = ::GetTickCount();
    if (static_cast<LONG>(g_registerAt - now) > 0)
        return g_registerAt - now;
    g_registerPending = false;
    if (::DdeNameService(g_inst, g_service, nullptr, DNS_REGISTER))
        g_log.Write("register", {Text(g_service)});
    return INFINITE;
}

// The command line in UTF-8: every character as a browser receives it.
std::string CommandLine()
{
    const wchar_t *line = ::GetCommandLineW();
    std::string text(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, line, -1, nullptr, 0, nullptr, nullptr)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, line, -1, &text[0], static_cast<int>(text.size()), nullptr, nullptr);
    return text.c_str();
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    g_log.Write("start", {std::to_string(::GetCurrentProcessId()), CommandLine()});
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    ::GetStartupInfoA(&si);
    g_log.Write("startup", {std::to_string(si.dwFlags), std::to_string(si.wShowWindow), std::to_string(static_cast<LONG>(si.dwX)),
                            std::to_string(static_cast<LONG>(si.dwY)), std::to_string(static_cast<LONG>(si.dwXSize)),
                            std::to_string(static_cast<LONG>(si.dwYSize)), std::to_string(::GetPriorityClass(::GetCurrentProcess()))});
    ::DdeInitializeA(&g_inst, Callback, APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS, 0);
    g_service = ::DdeCreateStringHandleA(g_inst, g_config.String("fake", "Service").c_str(), CP_WINANSI);
    const long delay = g_config.Number("fake", "Register", 0);
    g_registerPending = delay >= 0;
    g_registerAt = ::GetTickCount() + static_cast<DWORD>(delay);
    RunUntilQuit(FakeBaseName(nullptr), static_cast<DWORD>(g_config.Number("fake", "Lifetime", 120000)), RegisterWhenDue);
    ::DdeNameService(g_inst, nullptr, nullptr, DNS_UNREGISTER);
    ::DdeFreeStringHandle(g_inst, g_service);
    ::DdeUninitialize(g_inst);
    g_log.Write("exit", {std::to_string(::GetCurrentProcessId())});
    return 0;
}
