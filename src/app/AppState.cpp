#include "app/AppState.h"

int s_nUseBrowser = 3;
int s_nDelay = 3;
int s_bReuseBrowser = 1;
int s_bWaitDialup = 0;
int s_nPrevSelBrowser = 2;
int s_nWindowNum = 0;
HWND s_hwndMain = nullptr;
int s_nCurrentGroup = 0;
int s_bStartupLinked = 0;
int s_bSingleWindowOpened = 0;
