// Where the user's settings file is, decided once at start. A standard
// user cannot write the Windows directory, where older copies kept it.
#pragma once

#include <string>

// "Orvanta.ini" beside the program when there is one there (portable use;
// not when that folder is the Windows directory); else
// "%APPDATA%\Orvanta\Orvanta.ini", its folder made. Where that file does
// not exist yet, the one older copies used is copied there, once: Windows'
// per-user copy of it (the VirtualStore), else the Windows directory's,
// which stays as it is for those copies. Empty when no place is found.
std::string FindSettingsFile();
