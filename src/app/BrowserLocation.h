// Where the browsers are, as the registry tells it once at start: the
// Netscape Navigator executable, and which browser opens ".htm" files.
#pragma once

#define NETSCAPE_PATH_SIZE 512

// The Netscape Navigator executable as the registry gives it, taken whole.
extern char s_szNetscapePath[NETSCAPE_PATH_SIZE];
// 1 Internet Explorer, 0 Netscape Navigator, -1 neither recognised.
extern int s_nDefaultKind;

// Copies the executable's path into out (NETSCAPE_PATH_SIZE bytes, may be
// null) and returns 0; -1 and out untouched when none is registered.
int LocateNetscape(char *out);
// The browser named by the ".htm" class, case counting.
int GetDefaultBrowserKind();
