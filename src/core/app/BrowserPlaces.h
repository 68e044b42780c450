// Where the browsers are, as the registry tells it once at start (see
// links/BrowserLocation.h): the Netscape Navigator executable, and which
// browser is the default one: the user's choice for "http" links where
// Windows keeps one (Windows 8 and later), else the class of ".htm" files.
#pragma once

#define NETSCAPE_PATH_SIZE 512

// The Netscape Navigator executable as the registry gives it, taken whole.
extern char s_szNetscapePath[NETSCAPE_PATH_SIZE];
// 1 Internet Explorer, 0 Netscape Navigator, -1 neither recognised.
extern int s_nDefaultKind;

// The browser kind a ".htm" class names, case counting: "htmlfile" 1,
// "NetscapeMarkup" 0, anything else -1.
int KindOfHtmlClass(const char *className);
// The browser kind the user's choice for "http" names, case not counting:
// Internet Explorer's ProgIds ("IE.HTTP", "IE.HTTPS", "htmlfile") 1, any
// other -1 (Navigator predates the choice).
int KindOfHttpChoice(const char *progId);
