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
