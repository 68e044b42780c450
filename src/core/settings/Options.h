// The start-up options: read once at start from the main section of
// "Orvanta.ini", held for the whole run, and written back key by key only
// when the Settings command changes them.
#pragma once

#include "core/settings/GroupList.h"

// "USE_Browser" is a bit set; the options page offers these four values.
#define UB_NN 1
#define UB_IE 2
#define UB_FOLLOW (UB_NN | UB_IE)    // "設定に従う": each entry's own browser
#define UB_DEFAULT 4

// "UI_Language": Japanese where Windows' display language is Japanese,
// English for every other; or the one the user chose.
#define UI_AUTO 0
#define UI_JAPANESE 1
#define UI_ENGLISH 2

// Each field starts at the value a missing key reads as.
struct Options {
    int nUseBrowser = UB_FOLLOW;    // "USE_Browser"
    int nDelay = 3;                 // "Delay", seconds; used as held, never clamped
    int bNotSurf = 0;               // "NotSurf": close the program when a sequence ends
    int bReuseBrowser = 1;          // "Reuse_Browser"
    int bWaitDialup = 0;            // "Wait_Dialup"
    int nPrevSelBrowser = BK_DEF;   // "Prev_Sel_Browser", the URL page's preselected kind
    int nWindowNum = 0;             // "WindowNum": single-window mode
    int bWaitNetwork = 0;           // "Wait_Network": wait for Internet connectivity
    int nWaitNetworkMax = 120;      // "Wait_Network_Max", seconds; 0 waits without end
    int nUiLanguage = UI_AUTO;      // "UI_Language": the windows' language from the next start
};

// The options this run holds.
extern Options s_options;
// The names the launch code reads them by.
extern int &s_nUseBrowser;
extern int &s_nDelay;
extern int &s_bReuseBrowser;
extern int &s_bWaitDialup;
extern int &s_nPrevSelBrowser;
extern int &s_nWindowNum;
extern int &s_bWaitNetwork;
extern int &s_nWaitNetworkMax;

// One bit an option, for UpdateOptions.
#define OPT_USE_BROWSER 0x01
#define OPT_DELAY 0x02
#define OPT_NOTSURF 0x04
#define OPT_REUSE_BROWSER 0x08
#define OPT_WAIT_DIALUP 0x10
#define OPT_PREV_SEL_BROWSER 0x20
#define OPT_WINDOWNUM 0x40
#define OPT_WAIT_NETWORK 0x80
#define OPT_WAIT_NETWORK_MAX 0x100
#define OPT_UI_LANGUAGE 0x200
#define OPT_ALL 0x3FF

// Reads the main section's start-up keys in their order: "USE_Browser",
// "Delay", "XPOS", "YPOS", "NotSurf", "Reuse_Browser", "Wait_Dialup",
// "Prev_Sel_Browser", "WindowNum", "Wait_Network", "Wait_Network_Max",
// "UI_Language". x and y get the window position, -1 when missing.
Options ReadOptions(int &x, int &y);

// For each option of fields, in the order above, whose value in chosen
// differs from held: writes its key and, once written, stores it in held.
// Returns the bits of the options that changed; keys that did not change
// are not written. A key that could not be written leaves held as the file
// is and sets written to false (never to true).
unsigned UpdateOptions(Options &held, const Options &chosen, unsigned fields, bool &written);
