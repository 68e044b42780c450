#include "links/Monitors.h"

#include "core/text/WideText.h"

#include <windows.h>

#include <shellscalingapi.h>

namespace {

ScreenRect FromRect(const RECT &r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    MONITORINFOEXW info = {};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(monitor, &info))
        return TRUE;
    MonitorArea area;
    area.device = Utf8FromWide(info.szDevice);
    area.area = FromRect(info.rcMonitor);
    area.work = FromRect(info.rcWork);
    area.primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    UINT dpiX = 0, dpiY = 0;
    if (SUCCEEDED(::GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) && dpiX > 0)
        area.dpi = static_cast<int>(dpiX);
    reinterpret_cast<std::vector<MonitorArea> *>(data)->push_back(area);
    return TRUE;
}

} // namespace

std::vector<MonitorArea> ConnectedMonitors()
{
    std::vector<MonitorArea> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}
