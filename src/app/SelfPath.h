// The program's own path, which the Startup shortcut points at.
#pragma once

// Taken once at start from the process command line, in UTF-8; empty when the
// command line's path does not fit.
extern char s_szSelfPath[1024];

void GetSelfPath();
