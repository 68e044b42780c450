// An entry's URL as the settings file keeps it, and whether it can be kept
// whole. A URL that cannot is never cut, since a cut address looks whole
// and leads elsewhere: a typed one is refused (MakeEntryUrl), and the
// bookmark readers leave out an entry whose URL does not fit, so that the
// picker never offers it; the import takes none that does not fit either.
#pragma once

#include <string>

// The settings file ends a URL at the first blank or tab, so those inside a
// URL are stored as %20 and %09; the ones around it are left as they are.
std::string EscapeInnerBlanks(const std::string &url);

// True when the URL, blanks escaped, is at most MAX_URL_CHARS long as
// StoredLength counts it: what the settings file gives back whole.
bool UrlFitsEntry(const std::string &url);
