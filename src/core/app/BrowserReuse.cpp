#include "core/app/BrowserReuse.h"

#include "core/app/LaunchSequencer.h"
#include "core/settings/Options.h"
#include "core/settings/GroupList.h"

uint32_t s_nNsWindowIds[DDE_MAX_WINDOWS];
int s_nNsWindowCount;
int s_nNsWindowNext;
uint32_t s_nIeWindowIds[DDE_MAX_WINDOWS];
int s_nIeWindowCount;
int s_nIeWindowNext;
int s_nIeBrowserStart;
int s_nIeBrowserNext;
int s_bSingleWindowOpened;

namespace {

const char *NextText() { return theUrlTable.text[s_nOpenOrder[s_nNextUrl]]; }

int ReuseNetscapeWindow(ILaunchHost *host)
{
    for (; s_nNsWindowNext < s_nNsWindowCount && s_nNsWindowNext < DDE_MAX_WINDOWS; ++s_nNsWindowNext) {
        const uint32_t id = s_nNsWindowIds[s_nNsWindowNext];
        if (host->DdeGetFrameParent(id) != 0)
            continue;    // not a top-level window
        host->DdeOpenURL(NextText(), BK_NN, id);
        ++s_nNsWindowNext;
        ++s_nNextUrl;
        s_nNsDdeWait = 0;
        return 0;
    }
    return -2;
}

int ReuseExplorerWindow(ILaunchHost *host)
{
    if (s_nWindowNum != 0 && s_nIeWindowCount > 0) {
        host->DdeOpenURL(NextText(), BK_IE, s_nIeWindowIds[s_nIeWindowNext]);
        ++s_nNextUrl;
        return 0;
    }
    if (host->ExplorerWindowsCreated() > 0 && s_nIeBrowserNext < s_nIeBrowserStart &&
        s_nIeBrowserNext < MAX_EXPLORER_WINDOWS) {
        const char *url = NextText() + 1;
        if (!host->NavigateExplorerSlot(s_nIeBrowserNext, url)) {
            host->ReleaseExplorerSlot(s_nIeBrowserNext);
            host->CreateExplorerWindow(url);
        }
        ++s_nIeBrowserNext;
        ++s_nNextUrl;
        return 0;
    }
    return -2;
}

} // namespace

int TryReuseBrowser(int kind)
{
    ILaunchHost *host = s_pLaunchHost;
    if (s_nWindowNum != 0) {
        if (s_bSingleWindowOpened) {
            host->DdeOpenURL(NextText(), kind, 0xFFFFFFFFu);
            ++s_nNextUrl;
            if (kind == BK_NN)
                s_nNsDdeWait = 0;
            return 0;
        }
        s_bSingleWindowOpened = 1;
    }
    if (s_bReuseBrowser == 0)
        return -1;
    return kind == BK_NN ? ReuseNetscapeWindow(host) : ReuseExplorerWindow(host);
}
