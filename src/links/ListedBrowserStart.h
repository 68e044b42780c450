// Starting a browser of the program's list with a URL: a new process of
// its program, which hands the URL on to its running instance where there
// is one. Nothing waits for it.
#pragma once

// n: the browser's number; window: WINDOW_TAB or WINDOW_NEW. 0 when it
// started, -1 when it could not, -2 when no browser n is listed.
int StartListedBrowser(int n, const char *url, int window);
