#include "links/ListedBrowserStart.h"

#include "core/app/BrowserCommand.h"
#include "links/BrowserStart.h"

int StartListedBrowser(int n, const char *url, int window)
{
    ListedBrowser browser;
    if (!ReadListedBrowser(n, browser))
        return -2;
    return StartProgram(browser.program.c_str(), BrowserCommandLine(browser, url, window).c_str());
}
