// Looks up, in the registry, where the browsers are; the launcher keeps the
// answers in the values of core/app/BrowserPlaces.h.
#pragma once

#include "core/app/BrowserPlaces.h"

// Copies the executable's path into out (NETSCAPE_PATH_SIZE bytes, may be
// null) and returns 0; -1 and out untouched when none is registered.
int LocateNetscape(char *out);
// The browser the user chose for "http" links; where nobody chose, the
// one the ".htm" class names, case counting.
int GetDefaultBrowserKind();
