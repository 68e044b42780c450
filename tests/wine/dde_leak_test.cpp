// Every DDE conversation, string handle and data handle the client makes is
// released, on every path of every exchange, and a few hundred exchanges
// leave the process holding no more than before.
#include "DdeAccounting.h"
#include "FakeBrowsers.h"
#include "links/DdeLink.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

void PrintTo(const DdeHandles &h, std::ostream *os)
{
    *os << "{conversations " << h.conversations << ", strings " << h.strings << ", data " << h.data << "}";
}

namespace {

const DdeHandles NONE = {0, 0, 0};
const long LONG_LIVED_STRINGS = 6;    // two services, four topics

class DdeLeaks : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_accounting.Routed()); }
    void TearDown() override
    {
        DdeLinkTerm();
        EXPECT_TRUE(m_netscape.Quit());
    }

    DdeAccounting m_accounting;
    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
};

TEST_F(DdeLeaks, InitAndTermBalanceTheLongLivedStringHandles)
{
    ASSERT_NE(0u, DdeLinkInit(nullptr, WM_NULL));
    EXPECT_EQ((DdeHandles{0, LONG_LIVED_STRINGS, 0}), DdeAccounting::Held());
    DdeLinkInit(nullptr, WM_NULL);
    EXPECT_EQ((DdeHandles{0, LONG_LIVED_STRINGS, 0}), DdeAccounting::Made());
    DdeLinkTerm();
    EXPECT_EQ(NONE, DdeAccounting::Held());
    DdeLinkTerm();
    EXPECT_EQ(NONE, DdeAccounting::Held());
    EXPECT_EQ((DdeHandles{0, LONG_LIVED_STRINGS, 0}), DdeAccounting::Made());
}

struct PathCase {
    const char *name;
    const char *replies;            // null: no server
    std::function<void()> exchange;
    DdeHandles made;                // what the path had to make
};

const std::string LONG_TEXT = " http://a/" + std::string(400, 'x');    // longer than a string handle can be

TEST_F(DdeLeaks, EveryPathOfEveryExchangeReleasesWhatItMade)
{
    static DWORD ids[DDE_MAX_WINDOWS];
    const PathCase cases[] = {
        {"list, no server", nullptr, [] { DdeListWindows(ids, BK_NN); }, {0, 0, 0}},
        {"open, no server", nullptr, [] { DdeOpenURL(" http://a/", BK_NN, 1); }, {0, 0, 0}},
        {"frame, no server", nullptr, [] { DdeGetFrameParent(1); }, {0, 0, 0}},
        {"version, no server", nullptr, [] { DdeGetVersion(); }, {0, 0, 0}},
        {"list", "WWW_ListWindows=1 2 0", [] { DdeListWindows(ids, BK_NN); }, {1, 0, 1}},
        {"list, no data", "WWW_ListWindows=none", [] { DdeListWindows(ids, BK_NN); }, {1, 0, 0}},
        {"probe", "WWW_ListWindows=1 0", [] { DdeListWindows(nullptr, BK_NN); }, {1, 0, 1}},
        {"open", "WWW_OpenURL=3", [] { DdeOpenURL(" http://a/", BK_NN, 3); }, {1, 1, 1}},
        {"open, no data", "WWW_OpenURL=none", [] { DdeOpenURL(" http://a/", BK_NN, 3); }, {1, 1, 0}},
        {"open, no item handle", "WWW_OpenURL=3", [] { DdeOpenURL(LONG_TEXT.c_str(), BK_NN, 3); }, {1, 0, 0}},
        {"frame", "WWW_GetFrameParent=2", [] { DdeGetFrameParent(5); }, {1, 1, 1}},
        {"frame, no data", "WWW_GetFrameParent=none", [] { DdeGetFrameParent(5); }, {1, 1, 0}},
        {"version", "WWW_Version=1", [] { DdeGetVersion(); }, {1, 0, 1}},
        {"version, no data", "WWW_Version=none", [] { DdeGetVersion(); }, {1, 0, 0}},
        {"open, time-out", "WWW_OpenURL=block", [] { DdeOpenURL(" http://a/", BK_NN, 3); }, {1, 1, 0}},
    };
    ASSERT_NE(0u, DdeLinkInit(nullptr, WM_NULL));
    const DdeHandles held = DdeAccounting::Held();
    bool serving = false;
    for (const PathCase &c : cases) {
        if (c.replies && !serving) {
            ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE", "")));
            serving = true;
        }
        if (c.replies)
            m_netscape.Configure(DdeServerSettings("NETSCAPE", c.replies));
        const DdeHandles before = DdeAccounting::Made();
        c.exchange();
        const DdeHandles after = DdeAccounting::Made();
        EXPECT_EQ(c.made, (DdeHandles{after.conversations - before.conversations, after.strings - before.strings, after.data - before.data}))
            << c.name;
        EXPECT_EQ(held, DdeAccounting::Held()) << c.name;
    }
}

// Topic and service numbers index fixed tables: one outside them makes no
// conversation rather than reading past the end.
TEST_F(DdeLeaks, ConnectRefusesIndexesOutsideItsTables)
{
    ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE", "")));
    ASSERT_NE(0u, DdeLinkInit(nullptr, WM_NULL));
    EXPECT_EQ(nullptr, DdeLinkConnect(4, BK_NN));
    EXPECT_EQ(nullptr, DdeLinkConnect(-1, BK_NN));
    EXPECT_EQ(nullptr, DdeLinkConnect(DDE_TOPIC_VERSION, BK_DEF));
    EXPECT_EQ(0, DdeAccounting::Held().conversations);
    HCONV conv = DdeLinkConnect(DDE_TOPIC_VERSION, BK_NN);
    EXPECT_NE(nullptr, conv);
    ::DdeDisconnect(conv);
}

// The process-wide counts. Wine answers 0 for GetGuiResources; the windows
// of this thread (DDEML's conversation windows) are counted too.
struct Holdings {
    DWORD handles;
    DWORD userObjects;
    size_t windows;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count)
{
    ++*reinterpret_cast<size_t *>(count);
    return TRUE;
}

Holdings Measure()
{
    PumpUntil([] { return false; }, 50);
    Holdings h = {};
    h.handles = static_cast<DWORD>(ProcessHandleCount());
    h.userObjects = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&h.windows));
    for (HWND w = nullptr; (w = ::FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr)) != nullptr;)
        if (::GetWindowThreadProcessId(w, nullptr) == ::GetCurrentThreadId())
            ++h.windows;
    return h;
}

// A service without a server is left out here: Wine's DdeConnect keeps
// the window of a conversation that never began.
void Exchanges()
{
    DWORD ids[DDE_MAX_WINDOWS];
    DdeListWindows(ids, BK_NN);
    DdeListWindows(nullptr, BK_NN);
    DdeOpenURL(" http://a/", BK_NN, 3);
    DdeOpenURL(LONG_TEXT.c_str(), BK_NN, 3);
    DdeGetFrameParent(6);
    DdeGetVersion();
}
const int EXCHANGES = 6;

TEST_F(DdeLeaks, HundredsOfExchangesLeaveTheProcessAsItWas)
{
    ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE", "WWW_ListWindows=11 12 0\r\nWWW_OpenURL=3\r\nWWW_Version=1")));
    ASSERT_NE(0u, DdeLinkInit(nullptr, WM_NULL));
    Exchanges();
    const Holdings before = Measure();
    const int ROUNDS = 50;
    for (int i = 0; i < ROUNDS; ++i)
        Exchanges();
    const Holdings after = Measure();
    std::printf("%d exchanges: handles %lu -> %lu, USER objects %lu -> %lu, windows %zu -> %zu\n", ROUNDS * EXCHANGES,
                static_cast<unsigned long>(before.handles), static_cast<unsigned long>(after.handles),
                static_cast<unsigned long>(before.userObjects), static_cast<unsigned long>(after.userObjects), before.windows,
                after.windows);
    EXPECT_EQ(static_cast<size_t>((ROUNDS + 1) * (EXCHANGES - 1)), m_netscape.Events("request").size());
    EXPECT_LE(after.handles, before.handles + 2);
    EXPECT_LE(after.userObjects, before.userObjects + 2);
    EXPECT_LE(after.windows, before.windows);
    EXPECT_EQ((DdeHandles{0, LONG_LIVED_STRINGS, 0}), DdeAccounting::Held());
}

TEST_F(DdeLeaks, CountsSeeAConversationLeftOpen)
{
    ASSERT_TRUE(StartDdeServer(m_netscape, DdeServerSettings("NETSCAPE", "")));
    ASSERT_NE(0u, DdeLinkInit(nullptr, WM_NULL));
    const Holdings before = Measure();
    HCONV conv = DdeLinkConnect(DDE_TOPIC_VERSION, BK_NN);
    ASSERT_NE(nullptr, conv);
    EXPECT_EQ(1, DdeAccounting::Held().conversations);
    EXPECT_EQ(before.windows + 1, Measure().windows);
    ::DdeDisconnect(conv);
    EXPECT_EQ(0, DdeAccounting::Held().conversations);
}

} // namespace
