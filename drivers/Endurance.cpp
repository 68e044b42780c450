#include "Endurance.h"

#include "IniFile.h"
#include "TrayIcon.h"
#include "res/resource.h"

#include <vector>

namespace {

const char LIFETIME[] = "Lifetime=3600000\r\n";
const int WARM_UP_SHEETS = 40;

std::string EightEntries()
{
    std::vector<std::string> entries;
    for (int i = 1; i <= EnduranceRun::NN_ENTRIES + EnduranceRun::IE_ENTRIES; ++i)
        entries.push_back((i <= EnduranceRun::NN_ENTRIES ? "NN http://page" : "IE http://page") + std::to_string(i) + "/");
    return GroupIni(entries, "Delay=0\r\n");
}

std::string Over(const char *what, size_t growth, size_t bound, const std::string &detail = "")
{
    return growth > bound ? std::string(what) + " grew by " + std::to_string(growth) + " (bound " + std::to_string(bound) +
                                ")" + detail + " "
                          : "";
}

BOOL CALLBACK AddWindow(HWND hwnd, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND> *>(windows)->push_back(hwnd);
    return TRUE;
}

} // namespace

std::string OutOfBounds(const ProcessResources &growth, const GrowthBounds &bounds)
{
    return Over("handles", growth.handles, bounds.handles) +
           Over("GDI objects", growth.gdiObjects, bounds.gdiObjects, ": " + GdiKindsText(growth.gdiByKind)) +
           Over("USER objects", growth.userObjects, bounds.userObjects) +
           Over("private bytes", growth.privateBytes, bounds.privateBytes);
}

size_t PaintEveryWindow(HWND window)
{
    std::vector<HWND> windows{window};
    ::EnumChildWindows(window, AddWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND hwnd : windows) {
        SendWait(hwnd, WM_NCPAINT, 1);
        SendWait(hwnd, WM_PAINT);
    }
    return windows.size();
}

EnduranceRun::~EnduranceRun()
{
    if (m_app.Window()) {
        m_app.Close();
        m_app.WaitExit();
    }
    RemoveIni();
}

std::string EnduranceRun::Prepare()
{
    WriteIniText(EightEntries());
    if (!SetKeyDefault(HKEY_CLASSES_ROOT, ".htm", "NetscapeMarkup"))
        return "no .htm class";
    // Registered from the start, so that it lives for the whole run.
    const std::string netscape = "[fake]\r\nService=NETSCAPE\r\nRegister=0\r\n" + std::string(LIFETIME) +
                                 "[replies]\r\nWWW_ListWindows=1 2 3 4 5 0\r\nWWW_GetFrameParent=0\r\nWWW_OpenURL=1\r\n";
    if (!StartDdeServer(m_netscape, netscape) || !RegisterAsNetscape(m_netscape))
        return "the stand-in Netscape Navigator did not start";
    const std::string explorerDde = "[fake]\r\nService=IEXPLORE\r\nRegister=0\r\n" + std::string(LIFETIME) +
                                    "[replies]\r\nWWW_ListWindows=0\r\n";
    if (!StartDdeServer(m_explorerDde, explorerDde))
        return "the stand-in Internet Explorer's DDE service did not start";
    if (!m_explorer.Install("[fake]\r\n" + std::string(LIFETIME)) || !RegisterAsExplorerServer(m_explorer))
        return "the stand-in Internet Explorer was not installed";
    m_taskbarTooltips = TaskbarTooltips();
    if (!m_app.Start() || !m_app.WaitWindow())
        return "Orvanta.exe showed no window";
    m_started = Sample();
    std::string error = RunSequences(WARM_UP_SEQUENCES);
    if (error.empty())
        error = OpenSheets(WARM_UP_SHEETS);
    return error.empty() ? FillDcCache() : error;
}

std::string EnduranceRun::FillDcCache()
{
    for (int round = 0; round < 3; ++round) {
        const size_t dcs = Sample().gdiByKind[GDI_DC];
        const SettingsSheet sheet(m_app.OpenSettings());
        if (!sheet.Window())
            return "the sheet that fills the DC cache did not open";
        sheet.ShowPage(1);
        const size_t windows = PaintEveryWindow(m_app.Window()) + PaintEveryWindow(sheet.Window());
        const size_t filled = Sample().gdiByKind[GDI_DC];
        sheet.Cancel();
        if (!sheet.WaitClosed() || !m_app.Sync())
            return "the sheet that fills the DC cache did not close";
        if (2 * windows <= WINE_DC_CACHE)
            return "only " + std::to_string(windows) + " windows to fill Wine's cache of DCs";
        if (filled == dcs)
            return "";
    }
    return "Wine's cache of DCs did not fill";
}

ProcessResources EnduranceRun::SampleAtRest() const
{
    WaitUntil([&] { return ThreadCount(m_app.Pid()) <= m_started.threads; }, 15000);
    return Sample();
}

// The last page is an IE one: once it is handed out, the window is no longer
// minimised and the icon is gone, this sequence has ended.
std::string EnduranceRun::RunSequences(int count)
{
    for (int i = 0; i < count; ++i) {
        const size_t pages = m_navigations.Count() + IE_ENTRIES;
        m_app.Click(IDC_START);
        const bool ended = WaitUntil([&] {
            return m_navigations.Count() >= pages && !::IsIconic(m_app.Window()) &&
                   !TrayIconShown(m_app.Window(), ID_NOTIFY_ICON);
        });
        if (!ended)
            return "launch " + std::to_string(i + 1) + " did not end: " +
                   std::to_string(m_navigations.Count() + IE_ENTRIES - pages) + " of " + std::to_string(IE_ENTRIES) +
                   " Internet Explorer pages, window " + (::IsIconic(m_app.Window()) ? "minimised" : "back") +
                   ", notification icon " + (TrayIconShown(m_app.Window(), ID_NOTIFY_ICON) ? "shown" : "gone");
        m_tooltipsClosed += CloseTaskbarTooltips(m_taskbarTooltips);
    }
    return "";
}

std::string EnduranceRun::OpenSheets(int count)
{
    for (int i = 0; i < count; ++i) {
        HWND hwnd = m_app.OpenSettings();
        if (!hwnd)
            return "sheet " + std::to_string(i + 1) + " did not open";
        const SettingsSheet sheet(hwnd);
        sheet.ShowPage(1);
        const LRESULT rows = SendWait(sheet.Item(IDC_URL_LIST), LVM_GETITEMCOUNT);
        sheet.Cancel();
        if (!sheet.WaitClosed() || !m_app.Sync())
            return "sheet " + std::to_string(i + 1) + " did not close";
        if (rows != NN_ENTRIES + IE_ENTRIES)
            return "sheet " + std::to_string(i + 1) + " showed " + std::to_string(rows) + " rows";
    }
    return "";
}

size_t EnduranceRun::NetscapePages() const
{
    size_t pages = 0;
    for (const FakeEvent &e : m_netscape.Events("request"))
        pages += e.args.at(0) == "WWW_OpenURL";
    return pages;
}

size_t EnduranceRun::ExplorerPages() const { return m_explorer.Events("navigate").size(); }
