// Process-wide values the launcher window loads at start and the rest of the
// program reads.
#pragma once

#include <windows.h>

// Bits of "USE_Browser".
#define UB_NN 1
#define UB_IE 2
#define UB_DEFAULT 4

extern int s_nUseBrowser;
extern int s_nDelay;
extern int s_bReuseBrowser;
extern int s_bWaitDialup;
extern int s_nPrevSelBrowser;
extern int s_nWindowNum;
extern HWND s_hwndMain;
extern int s_nCurrentGroup;
// Whether the Startup shortcut existed when the settings sheet last opened.
extern int s_bStartupLinked;
// Single-window mode has its browser window open; a change of "WindowNum"
// starts it afresh.
extern int s_bSingleWindowOpened;
