#include "core/app/LaunchSequencer.h"

#include "core/app/BrowserCommand.h"

#include "core/settings/Options.h"
#include "core/settings/GroupList.h"

int s_nOpenOrder[8];
int s_nNextUrl;
int s_nLaunchMode;
int s_nNsDdeWait;
unsigned s_nTimerId;
unsigned s_nStepStartMs;
int s_bDialupWaiting;
int s_bLaunchRunning;
int s_bNetworkWaiting;
int s_nNetworkPolls;
unsigned s_nListedWindowsOpened;
ILaunchHost *s_pLaunchHost;

// The longest period a window timer takes (USER_TIMER_MAXIMUM).
const long long STEP_PERIOD_MAX = 0x7FFFFFFF;

namespace {

const char *NextText() { return theUrlTable.text[s_nOpenOrder[s_nNextUrl]]; }

int NextKind() { return theUrlTable.kind[s_nOpenOrder[s_nNextUrl]]; }

void StartStepTimer()
{
    s_nStepStartMs = s_pLaunchHost->TickCount();
    s_nTimerId = s_pLaunchHost->SetTimer(TIMER_STEP, StepPeriodMs(s_nDelay));
}

void PostDone()
{
    s_bLaunchRunning = 0;
    s_pLaunchHost->PostNotify(NOTIFY_LAUNCH_DONE);
}

void KillLaunchTimer()
{
    if (s_nTimerId != 0)
        s_pLaunchHost->KillTimer(s_nTimerId);
    s_nTimerId = 0;
}

void EndWaits()
{
    KillLaunchTimer();
    s_bDialupWaiting = 0;
    s_bNetworkWaiting = 0;
}

// Where the system cannot tell (-1), the program does not wait.
void WaitForNetworkThenBegin()
{
    if (s_bWaitNetwork && s_pLaunchHost->NetworkConnectivity() == 0) {
        KillLaunchTimer();
        s_bNetworkWaiting = 1;
        s_nNetworkPolls = 0;
        s_nTimerId = s_pLaunchHost->SetTimer(TIMER_NETWORK, 1000);
        return;
    }
    BeginLaunch();
}

void NetworkTick()
{
    ++s_nNetworkPolls;
    const bool timedOut = s_nWaitNetworkMax > 0 && s_nNetworkPolls >= s_nWaitNetworkMax;
    if (s_pLaunchHost->NetworkConnectivity() == 0 && !timedOut)
        return;
    EndWaits();
    BeginLaunch();
}


// Starts the step timer while an entry is left, else ends the sequence.
void StepOnOrFinish()
{
    if (HasNextUrl())
        StartStepTimer();
    else
        PostDone();
}

void PostDoneIfLast()
{
    if (!HasNextUrl())
        PostDone();
}

void DirectTick()
{
    if (!HasNextUrl()) {
        PostDone();
        return;
    }
    OpenDirect();
    PostDoneIfLast();
}

// The direct entries come last: once the next one is direct, the phase
// changes for good, inside the tick, with the step timer running on.
bool EnterDirectPhase()
{
    if (s_nLaunchMode == BK_DEF || !OpensDirectly(NextKind()))
        return false;
    s_nLaunchMode = PHASE_DIRECT;
    OpenDirect();
    PostDoneIfLast();
    return true;
}

void NetscapeTick()
{
    if (s_nNsDdeWait == 1)
        return;
    if (s_nNsDdeWait == 2) {
        if (s_pLaunchHost->DdeListWindows(nullptr, BK_NN) < 0)
            return;
        s_nNsDdeWait = 0;
    }
    if (!HasNextUrl()) {
        PostDone();
        return;
    }
    if (EnterDirectPhase())
        return;
    if (s_nLaunchMode != BK_DEF && NextKind() == BK_IE) {
        s_nLaunchMode = BK_IE;
        OpenInExplorer();
        PostDoneIfLast();
        return;
    }
    if (TryReuseBrowser(BK_NN) != 0) {
        s_pLaunchHost->StartProgram(s_szNetscapePath, NextText());
        ++s_nNextUrl;
    }
    PostDoneIfLast();
}

void ExplorerTick()
{
    if (!HasNextUrl()) {
        PostDone();
        return;
    }
    if (EnterDirectPhase())
        return;
    if (s_nLaunchMode != BK_DEF && NextKind() == BK_NN) {
        s_pLaunchHost->KillTimer(s_nTimerId);
        s_nTimerId = 0;
        s_nLaunchMode = BK_NN;
        OpenFirstInNetscape();
        if (s_nNsDdeWait == 1 || s_nTimerId != 0)
            return;
        StepOnOrFinish();
        return;
    }
    OpenInExplorer();
    PostDoneIfLast();
}

// A tick of the step timer in the sequence's phase.
void StepTick()
{
    switch (s_nLaunchMode) {
    case BK_NN:
        NetscapeTick();
        break;
    case BK_IE:
        ExplorerTick();
        break;
    case PHASE_DIRECT:
        DirectTick();
        break;
    default:
        if (!HasNextUrl())
            PostDone();
        else if (s_nDefaultKind == BK_NN)
            NetscapeTick();
        else if (s_nDefaultKind == BK_IE)
            ExplorerTick();
        else
            DirectTick();
        break;
    }
}

} // namespace

unsigned StepPeriodMs(int delaySeconds)
{
    const long long ms = static_cast<long long>(delaySeconds) * 1000;
    return ms < 0 ? 0u : ms > STEP_PERIOD_MAX ? STEP_PERIOD_MAX : static_cast<unsigned>(ms);
}

void LaunchInit(ILaunchHost *host)
{
    s_pLaunchHost = host;
    s_bSingleWindowOpened = 0;
    s_bDialupWaiting = 0;
    s_bLaunchRunning = 0;
    s_bNetworkWaiting = 0;
    s_nNsDdeWait = 0;
    s_nTimerId = 0;
}

void LaunchStart()
{
    s_pLaunchHost->MinimizeWindow();
    s_bLaunchRunning = 1;
    if (s_bWaitDialup &&
        (s_pLaunchHost->RasLinkAutodialEnabled() != 0 || s_pLaunchHost->RasLinkQuery(RAS_QUERY_COUNT) > 0) &&
        s_pLaunchHost->RasLinkQuery(RAS_QUERY_FIRST) != 1) {
        // The one timer now polls: a step timer of an earlier Start stops.
        KillLaunchTimer();
        s_bDialupWaiting = 1;
        s_nTimerId = s_pLaunchHost->SetTimer(TIMER_DIALUP, 1000);
        return;
    }
    WaitForNetworkThenBegin();
}

void BeginLaunch()
{
    s_nNsWindowCount = s_pLaunchHost->DdeListWindows(s_nNsWindowIds, BK_NN);
    s_nIeWindowCount = s_pLaunchHost->DdeListWindows(s_nIeWindowIds, BK_IE);
    s_nNsWindowNext = 0;
    s_nIeWindowNext = 0;
    s_nIeBrowserNext = 0;
    s_nIeBrowserStart = s_pLaunchHost->ExplorerWindowsCreated();
    s_nNextUrl = 0;
    s_nListedWindowsOpened = 0;

    s_nLaunchMode = BuildOpenOrder();
    if (s_nOpenOrder[0] < 0) {
        PostDone();
        return;
    }
    if (s_nUseBrowser & UB_DEFAULT) {
        s_nLaunchMode = BK_DEF;
        if (s_nDefaultKind == BK_NN)
            OpenFirstInNetscape();
        else if (s_nDefaultKind == BK_IE)
            OpenInExplorer();
        else
            OpenDirect();
    } else if (s_nLaunchMode == BK_NN) {
        OpenFirstInNetscape();
    } else if (s_nLaunchMode == BK_IE) {
        OpenInExplorer();
    } else if (s_nLaunchMode == PHASE_DIRECT) {
        OpenDirect();
    }
    if (s_nNsDdeWait == 1)
        return;
    if (s_nTimerId != 0)
        return;    // the step timer of an earlier Start drives this sequence on
    StepOnOrFinish();
}

int BuildOpenOrder()
{
    for (int &index : s_nOpenOrder)
        index = -1;
    int n = 0;
    if (s_nUseBrowser & UB_DEFAULT) {
        for (int i = 0; i < theUrlTable.count && i < MAX_URLS; ++i)
            s_nOpenOrder[n++] = i;
    } else if (s_nDefaultKind == BK_NN) {
        if (s_nUseBrowser & UB_NN)
            CollectByKind(BK_NN, s_nOpenOrder, &n);
        if (s_nUseBrowser & UB_IE)
            CollectByKind(BK_IE, s_nOpenOrder, &n);
    } else {
        if (s_nUseBrowser & UB_IE)
            CollectByKind(BK_IE, s_nOpenOrder, &n);
        if (s_nUseBrowser & UB_NN)
            CollectByKind(BK_NN, s_nOpenOrder, &n);
    }
    // Entries for a browser of today follow both phases, in stored order,
    // when each entry's own browser is followed.
    if (!(s_nUseBrowser & UB_DEFAULT) && (s_nUseBrowser & UB_FOLLOW) == UB_FOLLOW)
        for (int i = 0; i < theUrlTable.count && i < MAX_URLS && n < MAX_URLS; ++i)
            if (OpensDirectly(theUrlTable.kind[i]))
                s_nOpenOrder[n++] = i;
    const int first = s_nOpenOrder[0] >= 0 ? theUrlTable.kind[s_nOpenOrder[0]] : BK_DEF;
    if (s_nOpenOrder[0] >= 0 && !(s_nUseBrowser & UB_DEFAULT) && OpensDirectly(first))
        return PHASE_DIRECT;
    if (first == BK_NN || first == BK_IE)
        return first;
    return s_nDefaultKind == BK_NN || s_nDefaultKind == BK_IE ? s_nDefaultKind : BK_DEF;
}

void CollectByKind(int key, int *order, int *n)
{
    for (int i = 0; i < theUrlTable.count && i < MAX_URLS && *n < MAX_URLS; ++i) {
        const int kind = theUrlTable.kind[i];
        if (kind == key || (kind == BK_DEF && key == s_nDefaultKind))
            order[(*n)++] = i;
    }
}

int HasNextUrl()
{
    if (s_nNextUrl >= 0 && s_nNextUrl < theUrlTable.count && s_nNextUrl < MAX_URLS && s_nOpenOrder[s_nNextUrl] >= 0)
        return 1;
    if (s_nTimerId != 0) {
        s_pLaunchHost->KillTimer(s_nTimerId);
        s_nTimerId = 0;
    }
    return 0;
}

void OpenFirstInNetscape()
{
    if (TryReuseBrowser(BK_NN) == 0)
        return;
    int wait;
    if (s_pLaunchHost->DdeGetVersion() < 0)
        wait = 1;
    else if (s_pLaunchHost->DdeListWindows(nullptr, BK_NN) < 0)
        wait = 2;
    else
        wait = 0;
    // A browser that could not be started will never register: the entry is
    // passed over like any other that cannot be opened, and the sequence
    // goes on instead of holding for good.
    if (s_pLaunchHost->StartProgram(s_szNetscapePath, NextText()) != 0)
        wait = 0;
    ++s_nNextUrl;
    s_nNsDdeWait = wait;
}

int OpensDirectly(int kind)
{
    return IsListedKind(kind) || (kind == BK_DEF && s_nDefaultKind != BK_NN && s_nDefaultKind != BK_IE);
}

void OpenDirect()
{
    const char *url = NextText() + 1;
    const int kind = NextKind();
    ++s_nNextUrl;
    if (s_nLaunchMode != BK_DEF && IsListedKind(kind)) {
        const int n = kind - BK_LISTED + 1;
        const unsigned bit = 1u << (n - 1);
        int window = s_bReuseBrowser ? WINDOW_TAB : WINDOW_NEW;
        if (s_nWindowNum != 0)
            window = s_nListedWindowsOpened & bit ? WINDOW_TAB : WINDOW_NEW;
        if (s_pLaunchHost->StartListedBrowser(n, url, window) != -2) {
            s_nListedWindowsOpened |= bit;
            return;
        }
    }
    s_pLaunchHost->OpenInDefaultBrowser(url);
}

void OpenInExplorer()
{
    if (TryReuseBrowser(BK_IE) == 0)
        return;
    s_pLaunchHost->CreateExplorerWindow(NextText() + 1);
    ++s_nNextUrl;
}

void OnLaunchTimer()
{
    if (s_bDialupWaiting && s_nTimerId == TIMER_DIALUP) {
        if (s_pLaunchHost->RasLinkQuery(RAS_QUERY_FIRST) == 1) {
            EndWaits();
            WaitForNetworkThenBegin();
        }
        return;
    }
    if (s_bNetworkWaiting && s_nTimerId == TIMER_NETWORK) {
        NetworkTick();
        return;
    }
    s_nStepStartMs = s_pLaunchHost->TickCount();
    StepTick();
}

int OnLaunchNotify(uintptr_t wParam, intptr_t lParam, int bNotSurf)
{
    if (lParam != 0)
        return 0;
    if (wParam == NOTIFY_NS_READY && s_nNsDdeWait == 1) {
        s_nNsDdeWait = 0;
        StepOnOrFinish();
    } else if (wParam == NOTIFY_LAUNCH_DONE) {
        s_pLaunchHost->PostEndCommand(bNotSurf != 0);
    }
    return 0;
}

void LaunchOpenNext()
{
    if (!s_bLaunchRunning)
        return;
    if (s_bDialupWaiting || s_bNetworkWaiting) {
        EndWaits();
        BeginLaunch();
        return;
    }
    s_nNsDdeWait = 0;
    StepTick();
    if (s_bLaunchRunning && s_nNsDdeWait != 1 && HasNextUrl())
        StartStepTimer();
}

void LaunchStop()
{
    if (!s_bLaunchRunning)
        return;
    EndWaits();
    s_bLaunchRunning = 0;
    s_nNsDdeWait = 0;
    s_nNextUrl = MAX_URLS;
    s_pLaunchHost->PostEndCommand(false);
}
