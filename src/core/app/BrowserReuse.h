// Handing an entry to a browser window that is already open: a listed
// Netscape Navigator window, an Internet Explorer window in single-window
// mode, or an automation window this run opened in an earlier sequence.
#pragma once

#include "core/links/DdeFormat.h"

#include <cstdint>

// The windows the browsers listed when the sequence began, and the next to
// hand an entry to.
extern uint32_t s_nNsWindowIds[DDE_MAX_WINDOWS];
extern int s_nNsWindowCount;
extern int s_nNsWindowNext;
extern uint32_t s_nIeWindowIds[DDE_MAX_WINDOWS];
extern int s_nIeWindowCount;
extern int s_nIeWindowNext;
// Automation windows made before this sequence, and the next to reuse.
extern int s_nIeBrowserStart;
extern int s_nIeBrowserNext;
// Single-window mode has handed out its first entry; cleared at start and
// when "WindowNum" changes.
extern int s_bSingleWindowOpened;

// Hands the next entry to a browser window that is already open: 0 when it
// did (and advanced), -1 when reuse is off, -2 when no window took it.
int TryReuseBrowser(int kind);
