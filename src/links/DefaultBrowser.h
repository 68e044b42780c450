// The user's default browser, whatever it is, reached as the system opens
// a link: through the URL association of "http", never by reading the
// association's keys by hand (the system keeps the user's choice elsewhere
// and checks it).
#pragma once

// Opens url (system code page) in the default browser; an empty url
// starts that browser at its home page, "about:blank" hands it exactly
// that. 0 when something was started, -1 otherwise.
int OpenInDefaultBrowser(const char *url);
