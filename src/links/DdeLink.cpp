// The conversation with the old browsers' DDE servers, which speak the
// system's code page: the ANSI DDE functions and CF_TEXT are theirs.
#include "links/DdeLink.h"

#include "core/app/LaunchSequencer.h"
#include "core/text/Unicode.h"

namespace {

struct DdeTopic {
    HSZ hsz;
    const char *name;
};

DWORD s_idInst = 0;
HWND s_hwndNotify = nullptr;
UINT s_uNotifyMessage = WM_NULL;
HSZ s_hszServices[2] = {};
const char *const SERVICE_NAMES[2] = {"NETSCAPE", "IEXPLORE"};
// The list and version requests use their topic's handle as the item too.
DdeTopic s_topics[] = {
    {nullptr, "WWW_ListWindows"},
    {nullptr, "WWW_Version"},
    {nullptr, "WWW_OpenURL"},
    {nullptr, "WWW_GetFrameParent"},
    {nullptr, nullptr},
};
const int TOPIC_COUNT = sizeof s_topics / sizeof s_topics[0] - 1;

struct Reply {
    bool connected;
    bool data;
    DWORD size;
    unsigned char bytes[DDE_REPLY_SIZE];
};

// One request in a conversation of its own. item null: the topic's own
// name. Every handle made here is freed before it returns.
Reply Request(int topic, int service, const char *item)
{
    Reply reply = {};
    HCONV conv = DdeLinkConnect(topic, service);
    if (!conv)
        return reply;
    reply.connected = true;
    HSZ hszItem = item ? ::DdeCreateStringHandleA(s_idInst, item, CP_WINANSI) : s_topics[topic].hsz;
    if (hszItem) {
        HDDEDATA data = ::DdeClientTransaction(nullptr, 0, conv, hszItem, CF_TEXT, XTYP_REQUEST, DDE_TIMEOUT, nullptr);
        if (data) {
            reply.data = true;
            reply.size = ::DdeGetData(data, reply.bytes, sizeof reply.bytes, 0);
            ::DdeFreeDataHandle(data);
        }
        if (item)
            ::DdeFreeStringHandle(s_idInst, hszItem);
    }
    ::DdeDisconnect(conv);
    return reply;
}

} // namespace

DWORD DdeLinkInit(HWND notify, UINT message)
{
    s_hwndNotify = notify;
    s_uNotifyMessage = message;
    if (s_idInst)
        return s_idInst;
    ::DdeInitializeA(&s_idInst, DdeLinkCallback, 0, 0);
    for (int i = 0; i < 2; ++i)
        s_hszServices[i] = ::DdeCreateStringHandleA(s_idInst, SERVICE_NAMES[i], CP_WINANSI);
    for (DdeTopic *t = s_topics; t->name; ++t)
        t->hsz = ::DdeCreateStringHandleA(s_idInst, t->name, CP_WINANSI);
    return s_idInst;
}

void DdeLinkTerm()
{
    if (!s_idInst)
        return;
    for (DdeTopic *t = s_topics; t->name; ++t)
        if (t->hsz)
            ::DdeFreeStringHandle(s_idInst, t->hsz);
    for (HSZ hsz : s_hszServices)
        if (hsz)
            ::DdeFreeStringHandle(s_idInst, hsz);
    ::DdeUninitialize(s_idInst);
    s_idInst = 0;
}

HCONV DdeLinkConnect(int topic, int service)
{
    if (!s_idInst || topic < 0 || topic >= TOPIC_COUNT || service < 0 || service > 1)
        return nullptr;
    return ::DdeConnect(s_idInst, s_hszServices[service], s_topics[topic].hsz, nullptr);
}

int DdeListWindows(DWORD *ids, int service)
{
    const Reply reply = Request(DDE_TOPIC_LIST_WINDOWS, service, nullptr);
    if (!reply.data)
        return -1;
    return ParseWindowList(reply.bytes, reply.size, service, ids);
}

DWORD DdeGetFrameParent(DWORD id)
{
    char item[DDE_FRAME_ITEM_SIZE];
    FormatFrameParentItem(item, id);
    const Reply reply = Request(DDE_TOPIC_FRAME_PARENT, BK_NN, item);
    return reply.size ? ReplyDword(reply.bytes, reply.size, 0) : 0;
}

DWORD DdeOpenURL(const char *text, int service, DWORD id)
{
    // The browsers of DDE read the code page's text: a character of the
    // URL it lacks goes as the percent-escapes of its UTF-8 bytes.
    char item[DDE_URL_ITEM_SIZE];
    FormatOpenUrlItem(item, Utf8UrlToAnsi(text).c_str(), id);
    const Reply reply = Request(DDE_TOPIC_OPEN_URL, service, item);
    return reply.size ? ReplyDword(reply.bytes, reply.size, 0) : 0xFFFFFFFFu;
}

int DdeGetVersion() { return Request(DDE_TOPIC_VERSION, BK_NN, nullptr).connected ? 0 : -1; }

// Runs inside any DDEML call of this thread, so it only posts: the launch
// goes on from the window's own message handling.
HDDEDATA CALLBACK DdeLinkCallback(UINT type, UINT, HCONV, HSZ hsz1, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    if ((type & 0xFFFF) == XTYP_REGISTER && ::DdeCmpStringHandles(hsz1, s_hszServices[BK_NN]) == 0)
        ::PostMessageW(s_hwndNotify, s_uNotifyMessage, NOTIFY_NS_READY, 0);
    return nullptr;
}
