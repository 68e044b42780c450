// Firefox's profiles, as its "profiles.ini" lists them
// (%APPDATA%\Mozilla\Firefox\profiles.ini): a section "[Profile<n>]" each,
// with the name the user gave it (Name=), its folder (Path=, relative to
// the file's folder when IsRelative=1) and whether it is the default
// (Default=1). The file is UTF-8 text another program wrote.
#pragma once

#include <string>
#include <vector>

struct FirefoxProfile {
    std::string name;
    std::string path;
    bool relative = false;
    bool isDefault = false;
};

// At most this many profiles are read; a file of any length is read once.
const size_t MAX_FIREFOX_PROFILES = 64;

// The profiles in the file's order, each with a name: names are valid UTF-8
// and hold no double quote (a command line could not pass one whole).
std::vector<FirefoxProfile> ParseFirefoxProfiles(const std::string &text);
