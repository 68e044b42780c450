// The launch sequence: opens the loaded group's entries one after another,
// the first at once and each further one on a tick of the step timer, in
// the phase (Netscape Navigator, Internet Explorer or the default browser)
// the options choose.
#pragma once

#include <cstdint>

#include "app/BrowserLocation.h"
#include "app/LaunchHost.h"
#include "links/DdeFormat.h"
#include "links/RasQuery.h"

#define TIMER_STEP 1
#define TIMER_DIALUP 2
#define NOTIFY_NS_READY 0
#define NOTIFY_LAUNCH_DONE 1

// Automation windows a run keeps for reuse.
#define MAX_EXPLORER_WINDOWS 8

extern int s_nOpenOrder[8];
extern int s_nNextUrl;
extern int s_nLaunchMode;
extern int s_nNsDdeWait;
extern unsigned s_nTimerId;
extern int s_bDialupWaiting;

extern uint32_t s_nNsWindowIds[DDE_MAX_WINDOWS];
extern int s_nNsWindowCount;
extern int s_nNsWindowNext;
extern uint32_t s_nIeWindowIds[DDE_MAX_WINDOWS];
extern int s_nIeWindowCount;
extern int s_nIeWindowNext;
extern int s_nIeBrowserStart;
extern int s_nIeBrowserNext;
// Single-window mode has handed out its first entry; cleared at start and
// when "WindowNum" changes.
extern int s_bSingleWindowOpened;

// The host every operation below goes through, set by LaunchInit, which
// also leaves the state idle.
extern ILaunchHost *s_pLaunchHost;
void LaunchInit(ILaunchHost *host);

// Start once a group's entries are in theUrlTable: minimise, maybe wait for
// dial-up, then BeginLaunch.
void LaunchStart();
void BeginLaunch();
int BuildOpenOrder();
void CollectByKind(int key, int *order, int *n);
int HasNextUrl();
void OpenFirstInNetscape();
void OpenInExplorer();
void OnLaunchTimer();
// bNotSurf: close the program at the end instead of restoring the window.
int OnLaunchNotify(uintptr_t wParam, intptr_t lParam, int bNotSurf);

// Hands the next entry to a browser window that is already open: 0 when it
// did (and advanced), -1 when reuse is off, -2 when no window took it.
int TryReuseBrowser(int kind);
