// How one entry reaches a new browser: a Netscape Navigator process with
// the entry's text as its command line, or an Internet Explorer window
// created and driven through automation. The automation objects this
// program created stay in eight slots until the launcher closes, so that
// later sequences can hand entries to them.
#pragma once

#include <windows.h>
#include <exdisp.h>

#include "core/app/LaunchSequencer.h"

#define IE_BROWSER_SLOTS MAX_EXPLORER_WINDOWS

// Each slot empty or holding one reference.
extern IWebBrowser2 *s_pIeBrowsers[IE_BROWSER_SLOTS];
// Creations attempted in this run (a free slot was found); never lowered.
extern int s_nIeBrowserCount;

// Starts path with exactly commandLine (for Netscape Navigator, a blank and
// the URL), both UTF-8; 0 when the process was created, -1 otherwise.
// Nothing waits for it.
int StartProgram(const char *path, const char *commandLine);
// Navigate with url (UTF-8); 1 when it returned S_OK.
int NavigateExplorer(const char *url, IWebBrowser2 *browser);
// A new window in the first empty slot, at url (its home page when url is
// empty) and shown; null when no slot is free or it cannot be created.
IWebBrowser2 *CreateExplorerWindow(const char *url);

// At start: every slot empty, no creation counted.
void ResetIeBrowsers();
// The object in a slot, null when it is empty or slot is not 0..7.
IWebBrowser2 *IeBrowserAt(int slot);
// Releases a slot's object, if any, and empties the slot.
void ReleaseIeBrowser(int slot);
// At close: releases every slot.
void ReleaseIeBrowsers();
