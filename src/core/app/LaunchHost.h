// What the launch sequence reaches outside itself: the launcher window's
// timers and notices, the browsers' DDE servers, new browser processes and
// automation windows, and the dial-up monitor. The launcher window plugs in
// the Windows implementation; tests plug in scripted browsers and a clock.
#pragma once

#include <cstdint>

class ILaunchHost {
public:
    virtual ~ILaunchHost() = default;

    // Window timers of the launcher window: SetTimer returns the id, 0 on failure.
    virtual unsigned SetTimer(unsigned id, unsigned ms) = 0;
    virtual void KillTimer(unsigned id) = 0;
    // Posts the launcher window its launch notice with this wParam.
    virtual void PostNotify(int code) = 0;
    // Posts the launcher window SC_CLOSE (close) or SC_RESTORE.
    virtual void PostEndCommand(bool close) = 0;
    virtual void MinimizeWindow() = 0;
    // Milliseconds of a clock that counts up (GetTickCount); it may wrap.
    virtual unsigned TickCount() = 0;

    virtual int RasLinkAutodialEnabled() = 0;
    virtual int RasLinkQuery(int query) = 0;
    // Internet connectivity as the system's network list reports it: 1
    // connected, 0 not, -1 when its object cannot be created.
    virtual int NetworkConnectivity() = 0;

    virtual int DdeListWindows(uint32_t *ids, int service) = 0;
    virtual int DdeGetVersion() = 0;
    virtual uint32_t DdeGetFrameParent(uint32_t id) = 0;
    virtual uint32_t DdeOpenURL(const char *text, int service, uint32_t id) = 0;

    virtual int StartProgram(const char *path, const char *commandLine) = 0;
    // Automation windows this run created, kept in slots 0..7.
    virtual int ExplorerWindowsCreated() = 0;
    // 1 when the window in the slot took the URL; 0 when the slot is empty or
    // the navigation failed (the user closed that window).
    virtual int NavigateExplorerSlot(int slot, const char *url) = 0;
    virtual void ReleaseExplorerSlot(int slot) = 0;
    virtual void CreateExplorerWindow(const char *url) = 0;
    // Opens url as the system opens a link, in the user's default browser;
    // an empty url starts that browser at its home page. 0 or -1.
    virtual int OpenInDefaultBrowser(const char *url) = 0;
    // Starts browser n of the program's list with url (WINDOW_TAB or
    // WINDOW_NEW): 0 when it started, -1 when it could not, -2 when no
    // browser n is listed.
    virtual int StartListedBrowser(int n, const char *url, int window) = 0;
};
