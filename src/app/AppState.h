// Options the launcher window loads from "Orvanta.ini" at start and the rest
// of the program reads; only the Settings command changes them afterwards.
#pragma once

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
extern int s_nCurrentGroup;
// Whether the Startup shortcut existed when the settings sheet last opened.
extern int s_bStartupLinked;
