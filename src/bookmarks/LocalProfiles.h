// The Chromium-family profiles of the user signed in, below the local
// application data folder ("%LOCALAPPDATA%").
#pragma once

#include "core/bookmarks/ChromiumProfiles.h"

#include <vector>

std::vector<ChromiumProfile> FindLocalChromiumProfiles();
