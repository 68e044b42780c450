// The launch sequence: opens the loaded group's entries one after another,
// the first at once and each further one on a tick of the step timer, in
// the phase (Netscape Navigator, Internet Explorer, every entry in the
// default browser, or entries that start a program of their own) the
// options choose.
#pragma once

#include <cstdint>

#include "core/app/BrowserPlaces.h"
#include "core/app/LaunchHost.h"
#include "core/app/BrowserReuse.h"
#include "core/links/DdeFormat.h"
#include "core/links/RasQuery.h"

#define TIMER_STEP 1
#define TIMER_DIALUP 2
#define TIMER_NETWORK 3
#define NOTIFY_NS_READY 0
#define NOTIFY_LAUNCH_DONE 1

// The phase after Navigator's and Explorer's: entries that start a program
// of their own, one a step, in stored order, with no DDE and no hold. These
// are the entries for a browser of the program's list, and those for the
// default browser when the ".htm" class names neither Navigator nor
// Explorer (a browser of today), opened through the system's URL
// association.
#define PHASE_DIRECT 3

// Automation windows a run keeps for reuse.
#define MAX_EXPLORER_WINDOWS 8

// The step timer's period for a delay in seconds, as held: Delay × 1000 ms,
// computed without overflow and kept within what a window timer takes (a
// negative delay steps as fast as 0 does, a huge one about every 24 days).
unsigned StepPeriodMs(int delaySeconds);

extern int s_nOpenOrder[8];
extern int s_nNextUrl;
extern int s_nLaunchMode;
extern int s_nNsDdeWait;
extern unsigned s_nTimerId;
// When the step timer last started or ticked, by the host's clock.
extern unsigned s_nStepStartMs;
extern int s_bDialupWaiting;
// Waiting for Internet connectivity, and for how many polls so far.
extern int s_bNetworkWaiting;
extern int s_nNetworkPolls;
// From Start until the last page opened or the user stopped the sequence.
extern int s_bLaunchRunning;

// The host every operation below goes through, set by LaunchInit, which
// also leaves the state idle.
extern ILaunchHost *s_pLaunchHost;
void LaunchInit(ILaunchHost *host);

// Start once a group's entries are in theUrlTable: minimise, maybe wait for
// dial-up, then maybe for the network (each polled once a second on the one
// timer, the network's time-out counted from the end of the dial-up wait),
// then BeginLaunch.
void LaunchStart();
void BeginLaunch();
int BuildOpenOrder();
void CollectByKind(int key, int *order, int *n);
int HasNextUrl();
void OpenFirstInNetscape();
void OpenInExplorer();
// Whether an entry of this kind opens in the direct phase.
int OpensDirectly(int kind);
// Opens the next entry in its own browser, or in the system's default one
// when every entry goes there or its browser is no longer listed.
void OpenDirect();
// The listed browsers (bit n - 1) that opened their window in this
// sequence: in single-window mode the later entries go to it.
extern unsigned s_nListedWindowsOpened;
void OnLaunchTimer();
// bNotSurf: close the program at the end instead of restoring the window.
int OnLaunchNotify(uintptr_t wParam, intptr_t lParam, int bNotSurf);

// The user's commands while a sequence runs. Open next: the next page opens
// now, whatever the sequence waits for, and the step timer starts again
// from there. Stop: no further page opens, the timers are killed and the
// window is restored (never closed: the user stopped it).
void LaunchOpenNext();
void LaunchStop();
