// The browsers installed on the machine, where Windows lists them for the
// Start menu and the default-programs settings:
// SOFTWARE\Clients\StartMenuInternet\<key> of the machine and of the user.
#pragma once

#include "core/settings/BrowserList.h"

#include <vector>

// Each with its name and program, once per program, followed by one for
// each of its profiles (BrowserProfiles); Navigator and Explorer, which the
// program reaches in ways of their own, are left out.
std::vector<ListedBrowser> FindInstalledBrowsers();
