// The program's own list of browsers beyond Navigator and Explorer: the
// ones found installed on the machine (each perhaps twice, once for
// private windows) and the ones added by hand. Browser n (1 to
// MAX_BROWSERS) is the section "Browser<n>" of "Orvanta.ini"; older copies
// of the program never read those sections.
#pragma once

#include "core/settings/GroupList.h"

#include <string>

// How a browser found installed opens its pages. Stored by name under
// "Window"; a name older or newer copies do not know reads as a tab.
enum WindowForm {
    FORM_TAB,          // to the running browser, which opens a tab
    FORM_WINDOW,       // a new window, whatever the launch options say
    FORM_APP,          // a window with no tabs and no address bar
    FORM_FULLSCREEN,
    FORM_KIOSK,        // full screen, and the user cannot leave it
    FORM_COUNT
};

struct ListedBrowser {
    std::string name;      // shown on the URL page and the browsers page
    std::string program;   // the executable's path
    std::string args;      // by hand: exactly these, before the URL
    int bPrivate = 0;      // found installed: opens private windows
    int bManual = 0;       // added by hand: nothing of ours is added to args
    std::string profile;   // found installed: the browser's profile (a
                           // Chromium directory's name, a Firefox profile's
                           // name); empty for the one it uses by itself
    int form = FORM_TAB;   // found installed: a WindowForm
    std::string monitor;   // found installed: the device name of the monitor
                           // its windows go to ("\\.\DISPLAY2"); empty
                           // for wherever the browser puts them
};

// Fills browser from its section; false when browser n is not listed.
bool ReadListedBrowser(int n, ListedBrowser &browser);
// Writes the whole section anew; false when the file could not be written.
bool WriteListedBrowser(int n, const ListedBrowser &browser);
bool RemoveListedBrowser(int n);
// The lowest number not listed; -1 when the list is full.
int FreeBrowserNumber();
