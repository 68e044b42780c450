// The command line that hands a URL to a browser of today. Chromium-family
// browsers and Firefox pass a URL to their running instance themselves, so
// a new process with the URL is all it takes; which switches ask for a new
// or private window, a form (an app window, full screen, kiosk) and a
// monitor depends on the family, told apart by the program's file name. A
// browser added by hand gets exactly its own arguments.
#pragma once

#include "core/app/MonitorLayout.h"
#include "core/settings/BrowserList.h"

#include <string>
#include <vector>

enum BrowserFamily { FAMILY_OTHER, FAMILY_CHROMIUM, FAMILY_EDGE, FAMILY_FIREFOX };

BrowserFamily FamilyOfProgram(const std::string &program);

// Whether the family opens pages in the form (a WindowForm); every one has
// FORM_TAB. Firefox has no app window and no full screen of its own.
bool FamilyHasForm(BrowserFamily family, int form);
// Whether the family can be told the monitor for a window of the form.
bool FamilyPlaces(BrowserFamily family, int form);
// The form the browser's pages open in: its own where its family has it,
// else a tab (a form stored by hand, or by a newer copy).
int OpeningForm(const ListedBrowser &browser);

#define WINDOW_TAB 0    // to the running browser, which opens a tab
#define WINDOW_NEW 1    // in a new window

// The URL with each double quote as %22, which names the same address: a
// quoted argument that holds it cannot end early.
std::string EscapeQuotes(const std::string &url);

// The whole command line, program first; an empty url opens the browser at
// its home page. The URL is one quoted argument that no browser takes for a
// switch. window counts only for FORM_TAB: every other form opens a window
// of its own. monitors: the connected ones, for a browser that names one.
std::string BrowserCommandLine(const ListedBrowser &browser, const std::string &url, int window,
                               const std::vector<MonitorArea> &monitors = {});
