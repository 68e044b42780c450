#include "app/AppState.h"
#include "app/BrowserLocation.h"

int s_nUseBrowser = 3;
int s_nDelay = 3;
int s_bReuseBrowser = 1;
int s_bWaitDialup = 0;
int s_nPrevSelBrowser = 2;
int s_nWindowNum = 0;
int s_nCurrentGroup = 0;

// Filled once at start from the registry.
char s_szNetscapePath[NETSCAPE_PATH_SIZE] = "";
int s_nDefaultKind = -1;

int s_bStartupLinked = 0;
