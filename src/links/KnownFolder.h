// The user's folders as the shell knows them (%APPDATA%, %LOCALAPPDATA%),
// which follow where the user moved them.
#pragma once

#include "core/app/BrowserProfiles.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

// Empty when the shell does not know the folder.
std::wstring KnownFolder(REFKNOWNFOLDERID id);
// The local and the roaming application data folders.
UserFolders ApplicationDataFolders();
