// The command the URL association gives for "http" (a browser's own
// "shell\open\command"), filled in with one entry's text the way the shell
// fills it in for a link: the program the command names is started with the
// text in place of its "%1", so the text reaches a browser as an address
// and is never itself opened, run or searched for.
#pragma once

#include <string>

struct AssocLaunch {
    std::string program;    // empty when the command names none
    std::string line;       // the whole command line, program first
};

// command: as the association holds it, e.g. "C:\...\chrome.exe"
// --single-argument %1 or "C:\...\firefox.exe" -osint -url "%1". %1, %0
// and %L take the text (its double quotes as %22, see EscapeQuotes), %%
// is a percent sign, %* and %2 to %9 (arguments the shell was given; none
// here) are dropped, and every other % is kept. A command with no place for
// the text gets it as a quoted argument at the end. An empty text starts
// the program alone, at its home page.
AssocLaunch AssocCommandLine(const std::string &command, const std::string &text);
