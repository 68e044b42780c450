// How the browsers page and the browser dialog name a browser's form and
// monitor: "App window, monitor 2", "2: 1920 × 1080, main display".
#pragma once

#include "core/app/MonitorLayout.h"
#include "core/settings/BrowserList.h"

#include <string>

std::wstring FormName(int form);
// The form, with the monitor's number when the browser is placed on one.
std::wstring FormDescription(const ListedBrowser &browser);
// A connected monitor: its number, its size in pixels, and whether it is
// the main display.
std::wstring MonitorName(const MonitorArea &monitor);
