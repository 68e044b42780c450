// Where a browser's window goes on a chosen monitor. Windows gives each
// monitor a device name ("\\.\DISPLAY2"), a rectangle and a work area in
// physical pixels, and a scale; each browser takes a position in its own
// terms: Chromium in device-independent pixels laid out from the primary
// monitor, Firefox as a monitor's index.
#pragma once

#include <string>
#include <vector>

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const ScreenRect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct MonitorArea {
    std::string device;     // "\\.\DISPLAY2"
    ScreenRect area, work;  // physical pixels; the work area leaves out the taskbar
    int dpi = 96;           // effective DPI: 96 at 100 %, 192 at 200 %
    bool primary = false;
};

// The number Windows shows for a monitor: the digits its device name ends
// in; 0 when it ends in none.
int MonitorNumber(const std::string &device);

// The index of the monitor named device; when none is (it is not connected,
// or device is empty) the primary's; -1 when monitors is empty.
int MonitorIndex(const std::vector<MonitorArea> &monitors, const std::string &device);

// Each monitor's rectangle in Chromium's device-independent pixels: the
// primary at the origin, each other one scaled by its own scale and moved
// to touch the one it touches in pixels, at the same relative offset.
std::vector<ScreenRect> DipLayout(const std::vector<MonitorArea> &monitors);

// Monitor i's work area in those pixels: the window Chromium is asked for.
ScreenRect DipWorkArea(const std::vector<MonitorArea> &monitors, int i);

// Monitor i as Firefox counts its screens: the primary 0, the others after
// it in the order Windows lists them.
int FirefoxScreenIndex(const std::vector<MonitorArea> &monitors, int i);
