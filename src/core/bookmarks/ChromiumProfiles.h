// The Chromium-family browsers' profiles on this machine: each browser
// keeps its profiles in "<local application data>\<vendor>\<browser>\User
// Data", as "Default" and "Profile <n>" directories, and the names the user
// gave them in the "Local State" file beside them
// (profile.info_cache.<directory>.name).
#pragma once

#include <string>
#include <vector>

enum ChromiumBrowser { CHROME, EDGE, BRAVE, VIVALDI, CHROMIUM, CHROMIUM_BROWSERS };

struct ChromiumProfile {
    int browser;          // a ChromiumBrowser
    std::string label;    // "Google Chrome - 仕事"
    std::string dir;      // the profile's directory
};

// The browser's name as its maker spells it.
const char *ChromiumBrowserName(int browser);
// Its "User Data" folder below the local application data.
const char *ChromiumUserData(int browser);
// The browser program is, CHROMIUM_BROWSERS for none (ProgramIsBrowser).
int ChromiumBrowserOf(const std::string &program);

struct NamedProfile {
    std::string dir;     // "Default", "Profile 1"
    std::string name;    // the name the user gave it
};

// The text of the browser's "Local State" below localAppData; empty when
// there is none.
std::string ChromiumLocalState(const std::string &localAppData, int browser);

// Every profile "Local State" (its text) knows, in the order profiles are
// shown: "Default" first, then "Profile <n>" by n.
std::vector<NamedProfile> LocalStateProfiles(const std::string &localState);

// Every profile with a "Bookmarks" file, below localAppData (a path):
// browser by browser in the order of ChromiumBrowser,
// "Default" first, then "Profile <n>" by n.
std::vector<ChromiumProfile> FindChromiumProfiles(const std::string &localAppData);

// The name "Local State" (its text) gives the profile in directory dir
// (its last name, "Default"); dir itself when it names none.
std::string ProfileName(const std::string &localState, const std::string &dir);

// True when program (a path) is the browser's executable: chrome.exe,
// msedge.exe, brave.exe, vivaldi.exe; Chromium's is chromium.exe, or a
// chrome.exe with a directory named "Chromium" on its path.
bool ProgramIsBrowser(const std::string &program, int browser);

// The kind entries from the browser's profile (its directory's name)
// take: the browser's in the program's list (BrowserList.h) with that
// profile, else with none; one for ordinary windows before one for private
// windows; else the default browser's.
int ChromiumEntryKind(int browser, const std::string &profileDir);
