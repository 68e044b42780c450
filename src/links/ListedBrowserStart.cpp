#include "links/ListedBrowserStart.h"

#include "core/app/BrowserCommand.h"
#include "links/BrowserStart.h"
#include "links/KnownFolder.h"
#include "links/Monitors.h"

int StartListedBrowser(int n, const char *url, int window)
{
    ListedBrowser browser;
    if (!ReadListedBrowser(n, browser))
        return -2;
    // A profile deleted since it was listed: the browser's own, never an error.
    if (!ProfileExists(browser, ApplicationDataFolders()))
        browser.profile.clear();
    return StartProgram(browser.program.c_str(), BrowserCommandLine(browser, url, window, ConnectedMonitors()).c_str());
}
