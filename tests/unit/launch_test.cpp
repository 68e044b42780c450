// The launch sequence driven tick by tick: which page goes to which
// browser, in which order and at what time.
#include "LaunchSim.h"

#include "core/settings/Options.h"
#include "core/app/LaunchSequencer.h"
#include "core/app/LaunchTip.h"
#include "core/settings/GroupList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Entry {
    int kind;
    const char *url;
};

class Launch : public ::testing::Test {
protected:
    void SetUp() override
    {
        s_nUseBrowser = 3;
        s_nDelay = 3;
        s_bReuseBrowser = 1;
        s_bWaitDialup = 0;
        s_bWaitNetwork = 0;
        s_nWaitNetworkMax = 120;
        s_nWindowNum = 0;
        s_nDefaultKind = BK_NN;
        std::snprintf(s_szNetscapePath, sizeof s_szNetscapePath, "C:\\Netscape\\netscape.exe");
        LaunchInit(&sim);
    }

    // What Start does once the group's entries are loaded.
    void Start(const std::vector<Entry> &entries)
    {
        theUrlTable.count = static_cast<int>(entries.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            theUrlTable.kind[i] = entries[i].kind;
            std::snprintf(theUrlTable.text[i], URL_TEXT_SIZE, " %s", entries[i].url);
        }
        sim.ended.clear();
        LaunchStart();
    }

    std::vector<int> Order() const { return std::vector<int>(s_nOpenOrder, s_nOpenOrder + 8); }

    LaunchSim sim;
};

struct OrderCase {
    int line;
    int useBrowser;
    int defaultKind;
    std::vector<int> order;
    int phase;
};

class OpenOrder : public Launch, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(OpenOrder, FollowsTheBrowserChoiceAndTheDefaultBrowser)
{
    const OrderCase &c = GetParam();
    s_nUseBrowser = c.useBrowser;
    s_nDefaultKind = c.defaultKind;
    const std::vector<Entry> entries = {{BK_NN, "a"}, {BK_IE, "b"}, {BK_NN, "c"}, {BK_DEF, "d"}};
    theUrlTable.count = 4;
    for (int i = 0; i < 4; ++i)
        theUrlTable.kind[i] = entries[static_cast<size_t>(i)].kind;
    std::vector<int> expected = c.order;
    expected.resize(8, -1);
    EXPECT_EQ(c.phase, BuildOpenOrder()) << "case at line " << c.line;
    EXPECT_EQ(expected, Order()) << "case at line " << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenOrder,
    ::testing::Values(OrderCase{__LINE__, 3, BK_NN, {0, 2, 3, 1}, BK_NN}, OrderCase{__LINE__, 3, BK_IE, {1, 3, 0, 2}, BK_IE},
                      OrderCase{__LINE__, 3, -1, {1, 0, 2, 3}, BK_IE}, OrderCase{__LINE__, 1, BK_NN, {0, 2, 3}, BK_NN},
                      OrderCase{__LINE__, 1, BK_IE, {0, 2}, BK_NN}, OrderCase{__LINE__, 2, BK_IE, {1, 3}, BK_IE},
                      OrderCase{__LINE__, 2, BK_NN, {1}, BK_IE}, OrderCase{__LINE__, 4, BK_IE, {0, 1, 2, 3}, BK_NN},
                      OrderCase{__LINE__, 7, -1, {0, 1, 2, 3}, BK_NN}, OrderCase{__LINE__, 0, BK_NN, {}, BK_NN},
                      OrderCase{__LINE__, 1, -1, {0, 2}, BK_NN}, OrderCase{__LINE__, 2, -1, {1}, BK_IE},
                      OrderCase{__LINE__, 0, -1, {}, BK_DEF}));

TEST_F(Launch, DefaultEntriesOpenInTheDefaultBrowsersPhase)
{
    s_nUseBrowser = 3;
    s_nDefaultKind = BK_IE;
    theUrlTable.count = 2;
    theUrlTable.kind[0] = BK_DEF;
    theUrlTable.kind[1] = BK_NN;
    EXPECT_EQ(BK_IE, BuildOpenOrder());
    // A browser of today: the entry opens after both phases.
    s_nDefaultKind = -1;
    EXPECT_EQ(BK_NN, BuildOpenOrder());
    EXPECT_EQ((std::vector<int>{1, 0, -1, -1, -1, -1, -1, -1}), Order());
    theUrlTable.kind[1] = BK_DEF;
    EXPECT_EQ(PHASE_DIRECT, BuildOpenOrder());
}

// The ".htm" class names a browser of today (s_nDefaultKind -1): its
// entries open through the system's URL association, one a step, after the
// Explorer and Navigator phases.
TEST_F(Launch, TodaysDefaultBrowserTakesItsEntriesAfterBothPhases)
{
    s_nDefaultKind = -1;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_DEF, "http://d1/"}, {BK_NN, "http://n/"}, {BK_IE, "http://i/"}, {BK_DEF, ""}});
    sim.RunUntil(30000);
    const std::vector<Opened> expected = {{0, "IE new 0:http://i/"},
                                          {3000, "NN start: http://n/"},
                                          {6000, "DEF open:http://d1/"},
                                          {9000, "DEF open:(home)"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(PHASE_DIRECT, s_nLaunchMode);
    EXPECT_EQ("restore", sim.ended);
    EXPECT_EQ(9000, sim.endedAtMs);
}

TEST_F(Launch, TodaysDefaultBrowserAloneStepsWithoutHolding)
{
    s_nDefaultKind = -1;
    Start({{BK_DEF, "a"}, {BK_DEF, "b"}, {BK_DEF, "c"}});
    EXPECT_EQ(PHASE_DIRECT, s_nLaunchMode);
    EXPECT_EQ(0, s_nNsDdeWait);
    sim.RunUntil(30000);
    const std::vector<Opened> expected = {{0, "DEF open:a"}, {3000, "DEF open:b"}, {6000, "DEF open:c"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(6000, sim.endedAtMs);
}

TEST_F(Launch, TodaysDefaultBrowserFollowsANetscapeHold)
{
    s_nDefaultKind = -1;
    sim.registerAfterMs = 400;
    Start({{BK_DEF, "d"}, {BK_NN, "n"}});
    sim.RunUntil(30000);
    const std::vector<Opened> expected = {{0, "NN start: n"}, {3400, "DEF open:d"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(3400, sim.endedAtMs);
}

TEST_F(Launch, TodaysDefaultBrowserTakesEveryEntryWhenChosenForAll)
{
    s_nUseBrowser = UB_DEFAULT;
    s_nDefaultKind = -1;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_DEF, "b"}, {BK_IE, "c"}});
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "DEF open:a"}, {3000, "DEF open:b"}, {6000, "DEF open:c"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(BK_DEF, s_nLaunchMode);
}

TEST_F(Launch, TodaysDefaultBrowserEntriesStayOutWithOneOldBrowserChosen)
{
    s_nDefaultKind = -1;
    sim.netscape = LaunchSim::Server::Full;
    for (const int choice : {UB_NN, UB_IE}) {
        s_nUseBrowser = choice;
        sim.log.clear();
        Start({{BK_DEF, "d"}, {BK_NN, "n"}, {BK_IE, "i"}});
        sim.RunUntil(sim.now + 20000);
        ASSERT_EQ(1u, sim.log.size()) << choice;
        EXPECT_EQ(std::string::npos, sim.log[0].what.find("DEF")) << choice;
    }
}

const int B1 = BK_LISTED, B2 = BK_LISTED + 1, B3 = BK_LISTED + 2;

// Entries for browsers of the program's list start a program of their own
// after both phases, in stored order together with those for a default
// browser of today.
TEST_F(Launch, ListedBrowsersOpenAfterBothPhasesInStoredOrder)
{
    s_nDefaultKind = -1;
    sim.netscape = LaunchSim::Server::Full;
    Start({{B1, "http://a/"}, {BK_NN, "http://n/"}, {BK_DEF, "http://d/"}, {B2, "http://b/"}, {BK_IE, "http://i/"}});
    sim.RunUntil(30000);
    const std::vector<Opened> expected = {{0, "IE new 0:http://i/"},  {3000, "NN start: http://n/"},
                                          {6000, "B1 tab:http://a/"},   {9000, "DEF open:http://d/"},
                                          {12000, "B2 tab:http://b/"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(12000, sim.endedAtMs);
}

TEST_F(Launch, ListedBrowsersFollowTheOldDefaultBrowsersPhase)
{
    s_nDefaultKind = BK_IE;
    Start({{BK_DEF, "d"}, {B1, "a"}, {BK_IE, "i"}});
    sim.RunUntil(30000);
    const std::vector<Opened> expected = {{0, "IE new 0:d"}, {3000, "IE new 1:i"}, {6000, "B1 tab:a"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, ListedBrowserWindowsFollowReuseAndSingleWindowMode)
{
    struct {
        int reuse;
        int windowNum;
        std::vector<std::string> opened;
    } const cases[] = {
        {1, 0, {"B1 tab:1", "B2 tab:2", "B1 tab:3", "B2 tab:4"}},
        {0, 0, {"B1 new:1", "B2 new:2", "B1 new:3", "B2 new:4"}},
        {1, 1, {"B1 new:1", "B2 new:2", "B1 tab:3", "B2 tab:4"}},
        {0, 1, {"B1 new:1", "B2 new:2", "B1 tab:3", "B2 tab:4"}},
    };
    for (const auto &c : cases) {
        s_bReuseBrowser = c.reuse;
        s_nWindowNum = c.windowNum;
        for (int run = 0; run < 2; ++run) {
            sim.log.clear();
            Start({{B1, "1"}, {B2, "2"}, {B1, "3"}, {B2, "4"}});
            sim.RunUntil(sim.now + 20000);
            std::vector<std::string> opened;
            for (const Opened &o : sim.log)
                opened.push_back(o.what);
            // Each sequence opens its own first windows again.
            EXPECT_EQ(c.opened, opened) << "reuse " << c.reuse << " single window " << c.windowNum << " run " << run;
        }
    }
}

TEST_F(Launch, ListedBrowserThatIsGoneOrCannotStart)
{
    // No browser 3 any more: its entry opens in the default browser, as an
    // older copy, which reads its tag as "DEF", would open it.
    Start({{B3, "gone"}, {B1, "x"}});
    sim.RunUntil(20000);
    std::vector<Opened> expected = {{0, "DEF open:gone"}, {3000, "B1 tab:x"}};
    EXPECT_EQ(expected, sim.log);
    // A program that cannot start is passed over; the sequence goes on.
    sim.log.clear();
    sim.startSucceeds = false;
    Start({{B1, "a"}, {B2, "b"}});
    sim.RunUntil(sim.now + 20000);
    ASSERT_EQ(2u, sim.log.size());
    EXPECT_EQ("B2 tab:b (failed)", sim.log[1].what);
    EXPECT_EQ("restore", sim.ended);
}

TEST_F(Launch, ListedBrowserEntriesFollowTheBrowserChoice)
{
    sim.netscape = LaunchSim::Server::Full;
    s_nUseBrowser = UB_NN;
    Start({{B1, "a"}, {BK_NN, "n"}});
    sim.RunUntil(sim.now + 20000);
    EXPECT_EQ((std::vector<Opened>{{sim.log.at(0).ms, "NN start: n"}}), sim.log);
    sim.log.clear();
    s_nUseBrowser = UB_DEFAULT;
    s_nDefaultKind = -1;
    Start({{B1, "a"}, {BK_NN, "n"}});
    sim.RunUntil(sim.now + 20000);
    ASSERT_EQ(2u, sim.log.size());
    EXPECT_EQ("DEF open:a", sim.log[0].what);
    EXPECT_EQ("DEF open:n", sim.log[1].what);
}

TEST_F(Launch, StartedNetscapeHoldsTheSequenceUntilItRegisters)
{
    Start({{BK_NN, "http://1/"}, {BK_NN, "http://2/"}, {BK_IE, "http://3/"}});
    EXPECT_TRUE(sim.minimized);
    EXPECT_EQ(1, s_nNsDdeWait);
    EXPECT_EQ(0u, s_nTimerId) << "no timer while held";
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {
        {0, "NN start: http://1/"}, {3400, "NN start: http://2/"}, {6400, "IE new 0:http://3/"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ("restore", sim.ended);
    EXPECT_EQ(6400, sim.endedAtMs) << "the end follows the last page at once";
}

TEST_F(Launch, NotSurfClosesTheProgramAtTheEnd)
{
    sim.notSurf = true;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}});
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}, {3000, "NN start: b"}}), sim.log);
    EXPECT_EQ("close", sim.ended);
    EXPECT_EQ(3000, sim.endedAtMs);
}

TEST_F(Launch, StepPeriodIsTheDelayAsHeld)
{
    s_nDelay = 45;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}});
    EXPECT_EQ(45000, sim.TimerPeriod(TIMER_STEP));
}

// A hand-edited Delay is used as held, but the period never wraps: a
// negative one steps as fast as 0, a huge one waits as long as a timer can.
TEST(StepPeriod, IsDelayTimesAThousandWithoutWrapping)
{
    struct {
        int delay;
        unsigned ms;
    } const cases[] = {
        {0, 0u},           {3, 3000u},          {30, 30000u},           {2147483, 2147483000u},
        {2147484, 0x7FFFFFFFu}, {2147483647, 0x7FFFFFFFu}, {-1, 0u}, {-2147483647 - 1, 0u},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.ms, StepPeriodMs(c.delay)) << c.delay;
}

TEST_F(Launch, NothingToOpenEndsAtOnce)
{
    s_nUseBrowser = 0;
    Start({{BK_NN, "a"}, {BK_IE, "b"}});
    sim.RunUntil(10000);
    EXPECT_TRUE(sim.log.empty());
    EXPECT_EQ("restore", sim.ended);
    EXPECT_EQ(0, sim.endedAtMs);
}

TEST_F(Launch, UseDefaultOpensEveryEntryInTheDefaultBrowserInStoredOrder)
{
    s_nUseBrowser = 4;
    s_nDefaultKind = BK_IE;
    Start({{BK_NN, "a"}, {BK_DEF, "b"}, {BK_IE, "c"}});
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "IE new 0:a"}, {3000, "IE new 1:b"}, {6000, "IE new 2:c"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(BK_DEF, s_nLaunchMode);
}

TEST_F(Launch, OpenNetscapeWindowsTakeOneEntryEachInListedOrder)
{
    sim.netscape = LaunchSim::Server::Full;
    sim.netscapeWindows = {11, 7, 22};
    sim.frameParents[7] = 11;    // a frame of window 11, not a top-level window
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "NN dde 11: a"}, {3000, "NN dde 22: b"}, {6000, "NN start: c"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, ReuseOffAlwaysStartsNewBrowsers)
{
    s_bReuseBrowser = 0;
    sim.netscape = LaunchSim::Server::Full;
    sim.netscapeWindows = {11};
    Start({{BK_NN, "a"}, {BK_IE, "b"}});
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}, {3000, "IE new 0:b"}}), sim.log);
}

TEST_F(Launch, SingleWindowModeSendsEveryLaterEntryToWindowMinusOne)
{
    s_nWindowNum = 1;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_IE, "c"}});
    sim.RunUntil(20000);
    const std::vector<Opened> first = {{0, "NN start: a"}, {3000, "NN dde -1: b"}, {6000, "IE dde -1: c (no server)"}};
    EXPECT_EQ(first, sim.log);

    // The mode lasts for the run: the next sequence opens nothing anew.
    sim.log.clear();
    Start({{BK_NN, "d"}});
    sim.RunUntil(40000);
    EXPECT_EQ((std::vector<Opened>{{20000, "NN dde -1: d"}}), sim.log);
}

TEST_F(Launch, SingleWindowModeUsesTheFirstListedExplorerWindow)
{
    s_nWindowNum = 1;
    s_nDefaultKind = BK_IE;
    sim.explorerDde = true;
    sim.explorerWindows = {5, 6};
    Start({{BK_IE, "a"}, {BK_IE, "b"}});
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{0, "IE dde 5: a"}, {3000, "IE dde -1: b"}}), sim.log);
}

TEST_F(Launch, ExplorerWindowsOfAnEarlierSequenceAreReusedInSlotOrder)
{
    s_nDefaultKind = BK_IE;
    Start({{BK_IE, "a"}, {BK_IE, "b"}});
    sim.RunUntil(10000);
    EXPECT_EQ((std::vector<Opened>{{0, "IE new 0:a"}, {3000, "IE new 1:b"}}), sim.log);

    sim.log.clear();
    sim.slots[0] = 2;    // the user closed the first window meanwhile
    Start({{BK_IE, "c"}, {BK_IE, "d"}, {BK_IE, ""}});
    sim.RunUntil(30000);
    const std::vector<Opened> expected = {{10000, "IE new 0:c"}, {13000, "IE slot 1:d"}, {16000, "IE new 2:(home)"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, NoNinthExplorerWindow)
{
    s_nDefaultKind = BK_IE;
    s_bReuseBrowser = 0;
    s_nDelay = 1;
    std::vector<Entry> eight(8, Entry{BK_IE, "x"});
    Start(eight);
    sim.RunUntil(10000);
    sim.log.clear();
    Start({{BK_IE, "ninth"}});
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{10000, "IE no window:ninth"}}), sim.log);
    EXPECT_EQ("restore", sim.ended);
}

TEST_F(Launch, ChangeToExplorerKeepsTheTimerRunning)
{
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_IE, "b"}, {BK_IE, "c"}});
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "NN start: a"}, {3000, "IE new 0:b"}, {6000, "IE new 1:c"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, ChangeToNetscapeRestartsTheTimer)
{
    s_nDefaultKind = BK_IE;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_IE, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "IE new 0:a"}, {3000, "NN start: b"}, {6000, "NN start: c"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, ChangeToANetscapeThatMustStartHoldsAgain)
{
    s_nDefaultKind = BK_IE;
    Start({{BK_IE, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "IE new 0:a"}, {3000, "NN start: b"}, {6400, "NN start: c"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, NetscapeThatListsNoWindowsYetIsPolledOnEachTick)
{
    sim.netscape = LaunchSim::Server::VersionOnly;
    sim.registerAfterMs = -1;
    Start({{BK_NN, "a"}, {BK_NN, "b"}});
    EXPECT_EQ(2, s_nNsDdeWait);
    sim.At(7000, [this] { sim.netscape = LaunchSim::Server::Full; });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}, {9000, "NN start: b"}}), sim.log);
}

TEST_F(Launch, RegistrationNoticeWhileNothingWaitsChangesNothing)
{
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.At(1000, [this] { sim.PostNotify(NOTIFY_NS_READY); });
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "NN start: a"}, {3000, "NN start: b"}, {6000, "NN start: c"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, NewStartDuringASequenceRidesTheRunningTimer)
{
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.At(1000, [this] { Start({{BK_NN, "x"}, {BK_NN, "y"}}); });
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "NN start: a"}, {1000, "NN start: x"}, {3000, "NN start: y"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(3000, sim.endedAtMs);
}

TEST_F(Launch, GroupOfOneEndsAtOnceUnlessNetscapeMustRegister)
{
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    sim.RunUntil(10000);
    EXPECT_EQ(0, sim.endedAtMs);

    sim.netscape = LaunchSim::Server::Absent;
    sim.log.clear();
    Start({{BK_NN, "b"}});
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{10000, "NN start: b"}}), sim.log);
    EXPECT_EQ(10400, sim.endedAtMs);
}

TEST_F(Launch, NetscapeThatCannotStartIsPassedOver)
{
    sim.startSucceeds = false;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_IE, "c"}});
    EXPECT_EQ(0, s_nNsDdeWait);
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {
        {0, "NN start: a (failed)"}, {3000, "NN start: b (failed)"}, {6000, "IE new 0:c"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ("restore", sim.ended);
}

TEST_F(Launch, NetscapeThatStartsButNeverRegistersHoldsForGood)
{
    sim.registerAfterMs = -1;
    Start({{BK_NN, "a"}, {BK_IE, "b"}});
    sim.RunUntil(60000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}}), sim.log);
    EXPECT_EQ("", sim.ended);
}

struct DialupCase {
    int line;
    int autodial, count, first;
    bool waits;
};

class DialupWait : public Launch, public ::testing::WithParamInterface<DialupCase> {};

TEST_P(DialupWait, WaitsOnlyWhenAConnectionIsExpectedButNotUp)
{
    const DialupCase &c = GetParam();
    s_bWaitDialup = 1;
    sim.netscape = LaunchSim::Server::Full;
    sim.autodial = c.autodial;
    sim.dialupCount = c.count;
    sim.firstConnection = c.first;
    Start({{BK_NN, "a"}});
    EXPECT_EQ(c.waits ? 1 : 0, s_bDialupWaiting) << "case at line " << c.line;
    if (!c.waits) {
        EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}}), sim.log) << "case at line " << c.line;
        return;
    }
    EXPECT_EQ(1000, sim.TimerPeriod(TIMER_DIALUP));
    sim.RunUntil(4500);
    EXPECT_TRUE(sim.log.empty()) << "case at line " << c.line;
    sim.firstConnection = 1;
    sim.RunUntil(10000);
    EXPECT_EQ((std::vector<Opened>{{5000, "NN start: a"}}), sim.log) << "case at line " << c.line;
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_DIALUP));
}

INSTANTIATE_TEST_SUITE_P(Cases, DialupWait,
                         ::testing::Values(DialupCase{__LINE__, 0, 0, 0, false}, DialupCase{__LINE__, 1, 0, 0, true},
                                           DialupCase{__LINE__, 0, 1, 0, true}, DialupCase{__LINE__, 1, 1, 1, false},
                                           DialupCase{__LINE__, 1, -1, -1, true}, DialupCase{__LINE__, 0, -1, -1, false}));

TEST_F(Launch, DialupWaitWithoutTheLibraryNeverEndsByItself)
{
    s_bWaitDialup = 1;
    sim.autodial = 1;
    sim.firstConnection = -1;
    Start({{BK_NN, "a"}});
    sim.RunUntil(120000);
    EXPECT_TRUE(sim.log.empty());
    EXPECT_EQ(1000, sim.TimerPeriod(TIMER_DIALUP));
}

TEST_F(Launch, StopDuringANetscapeHoldOpensNothingMoreAndRestores)
{
    sim.notSurf = true;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_IE, "c"}});
    ASSERT_EQ(1, s_nNsDdeWait);
    sim.At(200, [] { LaunchStop(); });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}}), sim.log) << "the late registration opens nothing";
    EXPECT_EQ("restore", sim.ended) << "stopped by the user, not closed";
    EXPECT_EQ(200, sim.endedAtMs);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_STEP));
    EXPECT_EQ(0, s_bLaunchRunning);
}

TEST_F(Launch, StopWhileSteppingKillsTheTimer)
{
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.At(4000, [] { LaunchStop(); });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}, {3000, "NN start: b"}}), sim.log);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_STEP));
    EXPECT_EQ(4000, sim.endedAtMs);
}

TEST_F(Launch, OpenNextDuringALongDelayStartsTheTimerAgainFromThere)
{
    s_nDelay = 30;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}, {BK_NN, "d"}});
    sim.At(5000, [] { LaunchOpenNext(); });
    sim.RunUntil(100000);
    const std::vector<Opened> expected = {
        {0, "NN start: a"}, {5000, "NN start: b"}, {35000, "NN start: c"}, {65000, "NN start: d"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(65000, sim.endedAtMs);
}

TEST_F(Launch, OpenNextOfTheLastPageEndsTheSequence)
{
    s_nDelay = 30;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_IE, "b"}});
    sim.At(1000, [] { LaunchOpenNext(); });
    sim.At(2000, [] { LaunchOpenNext(); });
    sim.RunUntil(100000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}, {1000, "IE new 0:b"}}), sim.log);
    EXPECT_EQ("restore", sim.ended);
    EXPECT_EQ(1000, sim.endedAtMs);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_STEP));
}

TEST_F(Launch, OpenNextEndsANetscapeHold)
{
    Start({{BK_NN, "a"}, {BK_IE, "b"}, {BK_IE, "c"}});
    sim.registerAfterMs = -1;
    sim.At(100, [] { LaunchOpenNext(); });
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "NN start: a"}, {100, "IE new 0:b"}, {3100, "IE new 1:c"}};
    EXPECT_EQ(expected, sim.log);
    EXPECT_EQ(3100, sim.endedAtMs);
}

TEST_F(Launch, CommandsWithoutASequenceDoNothing)
{
    LaunchOpenNext();
    LaunchStop();
    sim.RunUntil(10000);
    EXPECT_TRUE(sim.log.empty());
    EXPECT_EQ("", sim.ended);

    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    sim.RunUntil(20000);
    ASSERT_EQ("restore", sim.ended);
    sim.ended.clear();
    LaunchStop();
    LaunchOpenNext();
    sim.RunUntil(30000);
    EXPECT_EQ(1u, sim.log.size());
    EXPECT_EQ("", sim.ended) << "a finished sequence is not ended twice";
}

TEST_F(Launch, SecondStartDuringASequenceIsStoppedWhole)
{
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.At(1000, [this] { Start({{BK_NN, "x"}, {BK_NN, "y"}, {BK_NN, "z"}}); });
    sim.At(2000, [] { LaunchStop(); });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}, {1000, "NN start: x"}}), sim.log);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_STEP));
}

// A Start that waits for dial-up while an earlier one steps: the one timer
// polls, and the pages follow the connection.
TEST_F(Launch, SecondStartThatWaitsForDialupRunsOneTimer)
{
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    s_bWaitDialup = 1;
    sim.autodial = 1;
    sim.At(1000, [this] { Start({{BK_NN, "x"}, {BK_NN, "y"}}); });
    sim.At(1500, [this] { EXPECT_EQ(-1, sim.TimerPeriod(TIMER_STEP)); });
    sim.At(4500, [this] { sim.firstConnection = 1; });
    sim.RunUntil(20000);
    const std::vector<Opened> expected = {{0, "NN start: a"}, {5000, "NN start: x"}, {8000, "NN start: y"}};
    EXPECT_EQ(expected, sim.log);
}

TEST_F(Launch, StopDuringTheDialupWait)
{
    s_bWaitDialup = 1;
    sim.autodial = 1;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    sim.At(2500, [] { LaunchStop(); });
    sim.At(3000, [this] { sim.firstConnection = 1; });
    sim.RunUntil(20000);
    EXPECT_TRUE(sim.log.empty());
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_DIALUP));
    EXPECT_EQ(0, s_bDialupWaiting);
    EXPECT_EQ("restore", sim.ended);
    EXPECT_EQ(2500, sim.endedAtMs);
}

TEST_F(Launch, OpenNextDuringTheDialupWaitOpensTheFirstPage)
{
    s_bWaitDialup = 1;
    sim.autodial = 1;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}});
    sim.At(2500, [] { LaunchOpenNext(); });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{2500, "NN start: a"}, {5500, "NN start: b"}}), sim.log);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_DIALUP));
}

TEST_F(Launch, NetworkWaitEndsWhenTheNetworkComesUp)
{
    s_bWaitNetwork = 1;
    sim.network = 0;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}});
    EXPECT_TRUE(sim.minimized);
    EXPECT_EQ(1000, sim.TimerPeriod(TIMER_NETWORK));
    sim.At(3500, [this] { sim.network = 1; });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{4000, "NN start: a"}, {7000, "NN start: b"}}), sim.log);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_NETWORK));
    EXPECT_EQ(0, s_bNetworkWaiting);
}

TEST_F(Launch, NetworkUpOrOptionOffOpensAtOnce)
{
    sim.network = 0;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    EXPECT_EQ(0, sim.networkPolls) << "not asked with the option off";
    s_bWaitNetwork = 1;
    sim.network = 1;
    Start({{BK_NN, "b"}});
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}, {0, "NN start: b"}}), sim.log);
}

TEST_F(Launch, NetworkWaitTimesOutAndOpensAnyway)
{
    s_bWaitNetwork = 1;
    s_nWaitNetworkMax = 2;
    sim.network = 0;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{2000, "NN start: a"}}), sim.log);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_NETWORK));
}

TEST_F(Launch, NetworkWaitWithoutATimeOutWaitsOn)
{
    s_bWaitNetwork = 1;
    s_nWaitNetworkMax = 0;
    sim.network = 0;
    Start({{BK_NN, "a"}});
    sim.RunUntil(600000);
    EXPECT_TRUE(sim.log.empty());
    EXPECT_EQ(601, sim.networkPolls);
}

TEST_F(Launch, NoConnectivityObjectMeansNoWait)
{
    s_bWaitNetwork = 1;
    sim.network = -1;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    EXPECT_EQ((std::vector<Opened>{{0, "NN start: a"}}), sim.log);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_NETWORK));
}

TEST_F(Launch, ObjectGoneDuringTheNetworkWaitEndsIt)
{
    s_bWaitNetwork = 1;
    sim.network = 0;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    sim.At(1500, [this] { sim.network = -1; });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{2000, "NN start: a"}}), sim.log);
}

// The dial-up wait comes first; the network's time-out counts from its end,
// and one timer runs at a time.
TEST_F(Launch, DialupThenNetworkWaitOneAfterTheOther)
{
    s_bWaitDialup = 1;
    s_bWaitNetwork = 1;
    s_nWaitNetworkMax = 3;
    sim.autodial = 1;
    sim.network = 0;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}});
    EXPECT_EQ(1000, sim.TimerPeriod(TIMER_DIALUP));
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_NETWORK));
    EXPECT_EQ(0, sim.networkPolls) << "the network is asked once dial-up is up";
    sim.At(4500, [this] {
        sim.firstConnection = 1;
    });
    sim.At(5500, [this] {
        EXPECT_EQ(-1, sim.TimerPeriod(TIMER_DIALUP));
        EXPECT_EQ(1000, sim.TimerPeriod(TIMER_NETWORK));
    });
    sim.RunUntil(20000);
    EXPECT_EQ((std::vector<Opened>{{8000, "NN start: a"}}), sim.log);
}

TEST_F(Launch, StopAndOpenNextDuringTheNetworkWait)
{
    s_bWaitNetwork = 1;
    sim.network = 0;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}});
    sim.At(1500, [] { LaunchOpenNext(); });
    sim.RunUntil(3000);
    EXPECT_EQ((std::vector<Opened>{{1500, "NN start: a"}}), sim.log);
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_NETWORK));

    sim.log.clear();
    Start({{BK_NN, "c"}});
    sim.At(4000, [] { LaunchStop(); });
    sim.RunUntil(20000);
    EXPECT_TRUE(sim.log.empty());
    EXPECT_EQ(-1, sim.TimerPeriod(TIMER_NETWORK));
    EXPECT_EQ("restore", sim.ended);
}

// What the notification icon tells of the sequence, sampled as a user
// hovering over it would see it.

struct Sample {
    int activity, opened, total, seconds;
    bool operator==(const Sample &o) const
    {
        return activity == o.activity && opened == o.opened && total == o.total && seconds == o.seconds;
    }
};

void PrintTo(const Sample &s, std::ostream *os)
{
    *os << "{" << s.activity << ", " << s.opened << "/" << s.total << ", " << s.seconds << " s}";
}

Sample ProgressNow()
{
    const LaunchProgress p = CurrentLaunchProgress();
    return {p.activity, p.opened, p.total, p.secondsToNext};
}

TEST_F(Launch, ProgressFollowsTheWaitsTheHoldAndTheSteps)
{
    s_nDelay = 10;
    s_bWaitDialup = 1;
    sim.autodial = 1;
    s_bWaitNetwork = 1;
    sim.network = 0;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_IE, "c"}});
    sim.At(2500, [this] { sim.firstConnection = 1; });
    sim.At(4500, [this] { sim.network = 1; });
    const struct {
        int ms;
        Sample expected;
    } samples[] = {
        {0, {ACTIVITY_DIALUP, 0, 0, 0}},
        {3500, {ACTIVITY_NETWORK, 0, 0, 0}},
        // The network is found at 5000, Navigator started, and registers at 5400.
        {5200, {ACTIVITY_NAVIGATOR, 1, 3, 0}},
        {5400, {ACTIVITY_STEPPING, 1, 3, 10}},
        {9000, {ACTIVITY_STEPPING, 1, 3, 7}},
        {15399, {ACTIVITY_STEPPING, 1, 3, 1}},
        {15400, {ACTIVITY_STEPPING, 2, 3, 10}},
        {25400, {ACTIVITY_IDLE, 0, 0, 0}},
    };
    for (const auto &s : samples) {
        sim.RunUntil(s.ms);
        EXPECT_EQ(s.expected, ProgressNow()) << "at " << s.ms << " ms";
    }
    EXPECT_EQ(3u, sim.log.size());
}

TEST_F(Launch, ProgressCountsFromOpenNextAndEndsWithStop)
{
    s_nDelay = 30;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}, {BK_NN, "c"}});
    sim.RunUntil(20000);
    EXPECT_EQ((Sample{ACTIVITY_STEPPING, 1, 3, 10}), ProgressNow());
    LaunchOpenNext();
    EXPECT_EQ((Sample{ACTIVITY_STEPPING, 2, 3, 30}), ProgressNow()) << "the step timer starts again";
    LaunchStop();
    EXPECT_EQ((Sample{ACTIVITY_IDLE, 0, 0, 0}), ProgressNow());
}

TEST_F(Launch, ProgressOfAStepAsLongAsATimerTakes)
{
    s_nDelay = 0x7FFFFFFF;
    sim.netscape = LaunchSim::Server::Full;
    Start({{BK_NN, "a"}, {BK_NN, "b"}});
    EXPECT_EQ((Sample{ACTIVITY_STEPPING, 1, 2, 2147484}), ProgressNow()) << "0x7FFFFFFF ms, rounded up";
}

} // namespace
