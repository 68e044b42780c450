// The user's default browser, whatever it is, reached as the system opens
// a link: the program of the association's command for "http", started
// with the entry's text in place of "%1". The text is never opened itself,
// so a path or a file: URL of a program reaches the browser as an address
// and runs nothing.
#pragma once

#include <string>

// The ProgId the user chose for "http" links in Windows' settings (the
// newer UserChoiceLatest key, which Windows 11 24H2 writes, before the older
// UserChoice one); empty where nobody chose (Windows before 8).
std::string UserHttpChoice();

// Opens url (system code page) in the default browser; an empty url
// starts that browser at its home page. 0 when something was started, -1
// otherwise.
int OpenInDefaultBrowser(const char *url);
