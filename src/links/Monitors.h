// The monitors connected now, as Windows lists them: their device names,
// rectangles, work areas (in physical pixels: the program is per-monitor
// DPI aware) and scales.
#pragma once

#include "core/app/MonitorLayout.h"

#include <vector>

std::vector<MonitorArea> ConnectedMonitors();
