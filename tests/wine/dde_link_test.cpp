// The DDE client against our scripted browser servers in other processes:
// what goes out on the wire, what comes back, time-outs, the registration
// notice, the instance's life, and that no exchange leaks a handle.
#include "FakeBrowsers.h"
#include "links/DdeLink.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

const DWORD UNTOUCHED = 0xCCCCCCCCu;

// A window that keeps the WM_USER notices it is sent.
class NoticeSink {
public:
    NoticeSink()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "OrvantaNoticeSink";
        ::RegisterClassA(&wc);
        m_hwnd = ::CreateWindowA("OrvantaNoticeSink", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~NoticeSink() { ::DestroyWindow(m_hwnd); }
    HWND Hwnd() const { return m_hwnd; }
    const std::vector<std::pair<WPARAM, LPARAM>> &Notices() const { return m_notices; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<NoticeSink *>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (msg == WM_USER && self)
            self->m_notices.emplace_back(wParam, lParam);
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    HWND m_hwnd;
    std::vector<std::pair<WPARAM, LPARAM>> m_notices;
};

class DdeLink : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(0u, DdeLinkInit(m_sink.Hwnd())); }
    void TearDown() override
    {
        DdeLinkTerm();
        EXPECT_TRUE(m_netscape.Quit());
        EXPECT_TRUE(m_explorer.Quit());
    }

    void ServeNetscape(const std::string &replies) { ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE", replies))); }
    void ServeExplorer(const std::string &replies) { ASSERT_TRUE(StartDdeServer(m_explorer, DdeServerSettings("IEXPLORE", replies))); }

    NoticeSink m_sink;
    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
    FakeProgram m_explorer{"iexplore", "fake_browser.exe"};
};

struct ListCase {
    const char *reply;
    int service;
    int result;
    std::vector<DWORD> ids;
};

TEST_F(DdeLink, ListWindowsReadsTheReplyOfEachService)
{
    ServeNetscape("");
    ServeExplorer("");
    const ListCase cases[] = {
        {"11 12 13 14 15 16 17 0", BK_NN, 5, {11, 12, 13, 14, 15}},
        {"0 5 6", BK_NN, 0, {}},
        {"7 9 0", BK_IE, 2, {7, 9}},
        {"1 0xFFFFFFFF 0", BK_IE, 1, {0}},
        {"1 0xFFFFFFFF 8 0", BK_NN, 3, {1, 0xFFFFFFFFu, 8}},
        {"none", BK_NN, -1, {}},
        {"none", BK_IE, -1, {}},
    };
    for (const ListCase &c : cases) {
        FakeProgram &server = c.service == BK_NN ? m_netscape : m_explorer;
        server.Configure(DdeServerSettings(c.service == BK_NN ? "NETSCAPE" : "IEXPLORE", std::string("WWW_ListWindows=") + c.reply));
        DWORD ids[DDE_MAX_WINDOWS + 1];
        std::fill(std::begin(ids), std::end(ids), UNTOUCHED);
        EXPECT_EQ(c.result, DdeListWindows(ids, c.service)) << c.reply;
        std::vector<DWORD> written;
        for (DWORD id : ids) {
            if (id == UNTOUCHED)
                break;
            written.push_back(id);
        }
        EXPECT_EQ(c.ids, written) << c.reply;
    }
    const std::vector<FakeEvent> requests = m_netscape.Events("request");
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ((std::vector<std::string>{"WWW_ListWindows", "1", "WWW_ListWindows"}), requests[0].args);
}

TEST_F(DdeLink, ListWindowsWithoutAListProbesWhetherTheServiceAnswers)
{
    EXPECT_EQ(-1, DdeListWindows(nullptr, BK_NN));
    ServeNetscape("WWW_ListWindows=0");
    EXPECT_EQ(1, DdeListWindows(nullptr, BK_NN));
    m_netscape.Configure(DdeServerSettings("NETSCAPE", "WWW_ListWindows=4 0"));
    EXPECT_EQ(1, DdeListWindows(nullptr, BK_NN));
    m_netscape.Configure(DdeServerSettings("NETSCAPE", "WWW_ListWindows=none"));
    EXPECT_EQ(-1, DdeListWindows(nullptr, BK_NN));
    EXPECT_EQ(-1, DdeListWindows(nullptr, BK_IE));
}

TEST_F(DdeLink, OpenUrlSendsTheTextWithTheSignedWindowId)
{
    ServeNetscape("WWW_OpenURL=3");
    ServeExplorer("WWW_OpenURL=none");
    EXPECT_EQ(3u, DdeOpenURL(" http://www.example.com/a", BK_NN, 3));
    EXPECT_EQ(3u, DdeOpenURL(" http://b/", BK_NN, 0xFFFFFFFFu));
    EXPECT_EQ(0xFFFFFFFFu, DdeOpenURL(" http://c/", BK_IE, 7));
    m_netscape.Configure(DdeServerSettings("NETSCAPE", "WWW_OpenURL=0x80000005"));
    EXPECT_EQ(0x80000005u, DdeOpenURL(" http://d/", BK_NN, 1));

    std::vector<std::vector<std::string>> sent;
    for (const FakeEvent &e : m_netscape.Events("request"))
        sent.push_back(e.args);
    EXPECT_EQ((std::vector<std::vector<std::string>>{{"WWW_OpenURL", "1", " http://www.example.com/a,,3,0,,,"},
                                                      {"WWW_OpenURL", "1", " http://b/,,-1,0,,,"},
                                                      {"WWW_OpenURL", "1", " http://d/,,1,0,,,"}}),
              sent);
    const std::vector<FakeEvent> explorer = m_explorer.Events("request");
    ASSERT_EQ(1u, explorer.size());
    EXPECT_EQ((std::vector<std::string>{"WWW_OpenURL", "1", " http://c/,,7,0,,,"}), explorer[0].args);
}

TEST_F(DdeLink, OpenUrlWithoutAServerIsMinusOne)
{
    EXPECT_EQ(0xFFFFFFFFu, DdeOpenURL(" http://a/", BK_NN, 1));
    EXPECT_EQ(0xFFFFFFFFu, DdeOpenURL(" http://a/", BK_IE, 1));
}

TEST_F(DdeLink, FrameParentAlwaysAsksNetscape)
{
    ServeExplorer("WWW_GetFrameParent=9");
    EXPECT_EQ(0u, DdeGetFrameParent(5));
    EXPECT_TRUE(m_explorer.Events("request").empty());

    ServeNetscape("WWW_GetFrameParent/5=9\r\nWWW_GetFrameParent/-1=4\r\nWWW_GetFrameParent/6=none");
    EXPECT_EQ(9u, DdeGetFrameParent(5));
    EXPECT_EQ(4u, DdeGetFrameParent(0xFFFFFFFFu));
    EXPECT_EQ(0u, DdeGetFrameParent(6));
    EXPECT_EQ(0u, DdeGetFrameParent(7));
    std::vector<std::string> items;
    for (const FakeEvent &e : m_netscape.Events("request"))
        items.push_back(e.args.at(0) + " " + e.args.at(1) + " " + e.args.at(2));
    EXPECT_EQ((std::vector<std::string>{"WWW_GetFrameParent 1 5", "WWW_GetFrameParent 1 -1", "WWW_GetFrameParent 1 6",
                                        "WWW_GetFrameParent 1 7"}),
              items);
}

TEST_F(DdeLink, VersionTellsOnlyWhetherNetscapeTookTheConversation)
{
    ServeExplorer("WWW_Version=1");
    EXPECT_EQ(-1, DdeGetVersion());
    ServeNetscape("WWW_Version=none");
    EXPECT_EQ(0, DdeGetVersion());
    const std::vector<FakeEvent> requests = m_netscape.Events("request");
    ASSERT_EQ(1u, requests.size());
    EXPECT_EQ((std::vector<std::string>{"WWW_Version", "1", "WWW_Version"}), requests[0].args);
}

TEST_F(DdeLink, ServiceNotYetRegisteredFailsTheReadinessProbes)
{
    ASSERT_TRUE(m_netscape.Install(DdeServerSettings("NETSCAPE", "WWW_ListWindows=1 0", -1)));
    ASSERT_TRUE(m_netscape.Start());
    ASSERT_TRUE(m_netscape.WaitEvents("start"));
    EXPECT_EQ(-1, DdeGetVersion());
    EXPECT_EQ(-1, DdeListWindows(nullptr, BK_NN));
    EXPECT_TRUE(m_netscape.Events("connect").empty());
}

TEST_F(DdeLink, ServerThatNeverAnswersTimesOutAfterOneSecond)
{
    ServeNetscape("WWW_ListWindows=block\r\nWWW_OpenURL=block\r\nWWW_GetFrameParent=block\r\nWWW_Version=block");
    struct Call {
        const char *name;
        std::function<bool()> failed;
    };
    const Call calls[] = {
        {"ListWindows", [] { DWORD ids[DDE_MAX_WINDOWS]; return DdeListWindows(ids, BK_NN) == -1; }},
        {"OpenURL", [] { return DdeOpenURL(" http://a/", BK_NN, 1) == 0xFFFFFFFFu; }},
        {"GetFrameParent", [] { return DdeGetFrameParent(1) == 0; }},
    };
    for (const Call &call : calls) {
        const DWORD start = ::GetTickCount();
        EXPECT_TRUE(call.failed()) << call.name;
        const DWORD elapsed = ::GetTickCount() - start;
        std::printf("%s with a server that never answers: %lu ms\n", call.name, static_cast<unsigned long>(elapsed));
        EXPECT_GE(elapsed, 900u) << call.name;
        EXPECT_LT(elapsed, 1500u) << call.name;
    }
    // The conversation was taken, so the version probe succeeds, late.
    EXPECT_EQ(0, DdeGetVersion());
}

TEST_F(DdeLink, AfterTermEveryExchangeFailsAndTermAgainDoesNothing)
{
    ServeNetscape("WWW_ListWindows=1 0\r\nWWW_OpenURL=1\r\nWWW_GetFrameParent=2\r\nWWW_Version=1");
    ASSERT_EQ(0, DdeGetVersion());
    const size_t connects = m_netscape.Events("connect").size();
    DdeLinkTerm();
    DdeLinkTerm();
    DWORD ids[DDE_MAX_WINDOWS] = {UNTOUCHED};
    EXPECT_EQ(-1, DdeListWindows(ids, BK_NN));
    EXPECT_EQ(UNTOUCHED, ids[0]);
    EXPECT_EQ(-1, DdeListWindows(nullptr, BK_NN));
    EXPECT_EQ(0xFFFFFFFFu, DdeOpenURL(" http://a/", BK_NN, 1));
    EXPECT_EQ(0u, DdeGetFrameParent(1));
    EXPECT_EQ(-1, DdeGetVersion());
    EXPECT_EQ(nullptr, DdeLinkConnect(DDE_TOPIC_VERSION, BK_NN));
    EXPECT_EQ(connects, m_netscape.Events("connect").size());

    // A new instance works again.
    ASSERT_NE(0u, DdeLinkInit(m_sink.Hwnd()));
    EXPECT_EQ(0, DdeGetVersion());
}

TEST_F(DdeLink, ConnectRefusesIndexesOutsideItsTables)
{
    ServeNetscape("");
    EXPECT_EQ(nullptr, DdeLinkConnect(4, BK_NN));
    EXPECT_EQ(nullptr, DdeLinkConnect(-1, BK_NN));
    EXPECT_EQ(nullptr, DdeLinkConnect(DDE_TOPIC_VERSION, BK_DEF));
    HCONV conv = DdeLinkConnect(DDE_TOPIC_VERSION, BK_NN);
    EXPECT_NE(nullptr, conv);
    ::DdeDisconnect(conv);
}

TEST_F(DdeLink, RegistrationOfNetscapeAloneIsNoticed)
{
    ASSERT_TRUE(m_explorer.Install(DdeServerSettings("IEXPLORE", "")));
    ASSERT_TRUE(m_explorer.Start());
    ASSERT_TRUE(m_explorer.WaitEvents("register"));
    ASSERT_TRUE(m_netscape.Install(DdeServerSettings("NETSCAPE", "", 200)));
    ASSERT_TRUE(m_netscape.Start());
    ASSERT_TRUE(PumpUntil([&] { return !m_sink.Notices().empty(); }));
    EXPECT_TRUE(m_netscape.WaitEvents("register"));
    EXPECT_EQ((std::vector<std::pair<WPARAM, LPARAM>>{{0, 0}}), m_sink.Notices());
}

TEST_F(DdeLink, InitAgainOnlyChangesTheNotifyWindow)
{
    NoticeSink other;
    const DWORD inst = DdeLinkInit(m_sink.Hwnd());
    EXPECT_EQ(inst, DdeLinkInit(other.Hwnd()));
    ServeNetscape("");
    ASSERT_TRUE(PumpUntil([&] { return !other.Notices().empty(); }));
    EXPECT_TRUE(m_sink.Notices().empty());
}

struct CallbackCase {
    UINT type;
    const char *service;
    bool posts;
};

TEST_F(DdeLink, CallbackPostsOnlyForNetscapeRegistering)
{
    const DWORD inst = DdeLinkInit(m_sink.Hwnd());
    const CallbackCase cases[] = {
        {XTYP_REGISTER, "NETSCAPE", true},
        {XTYP_REGISTER, "netscape", true},
        {XTYP_REGISTER | 0x12340000u, "NETSCAPE", true},
        {XTYP_REGISTER, "IEXPLORE", false},
        {XTYP_REGISTER, "OTHER", false},
        {XTYP_UNREGISTER, "NETSCAPE", false},
        {XTYP_CONNECT, "NETSCAPE", false},
    };
    for (const CallbackCase &c : cases) {
        HSZ service = ::DdeCreateStringHandleA(inst, c.service, CP_WINANSI);
        EXPECT_EQ(nullptr, DdeLinkCallback(c.type, 0, nullptr, service, nullptr, nullptr, 0, 0));
        ::DdeFreeStringHandle(inst, service);
        MSG msg;
        const bool posted = ::PeekMessageA(&msg, m_sink.Hwnd(), WM_USER, WM_USER, PM_REMOVE) != 0;
        EXPECT_EQ(c.posts, posted) << c.service << " " << std::hex << c.type;
        if (posted) {
            EXPECT_EQ(0u, msg.wParam);
            EXPECT_EQ(0, msg.lParam);
        }
    }
}

} // namespace
