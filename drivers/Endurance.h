// One running Orvanta.exe put through many launches and settings sheets,
// as the endurance test and benchmark do. The stand-in browsers answer
// without a process started per page: five listed windows of a running
// Netscape Navigator take the NN entries by DDE, and the three Internet
// Explorer automation windows of the first launch take the IE entries of
// every later one. Internet Explorer's DDE service is up too, listing no
// window: Wine's DdeConnect keeps the window of a conversation that found
// no server, one per launch, which is Wine's and not the program's.
#pragma once

#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "ProcessResources.h"

#include <string>
#include <vector>

// How far each figure may grow over a whole run.
struct GrowthBounds {
    size_t handles = 8;
    size_t gdiObjects = 8;
    size_t userObjects = 4;
    // Under Wine these are the Unix process's resident anonymous pages (its
    // RssAnon and swap): they move by about a megabyte when Wine's heaps
    // grow or a thread's stack comes or goes.
    size_t privateBytes = 2 * 1024 * 1024;
};

// Empty when growth stays within bounds, else which figures did not (and the
// GDI objects' growth by kind).
std::string OutOfBounds(const ProcessResources &growth, const GrowthBounds &bounds = GrowthBounds());

// Wine keeps the display DCs a process has painted with in a cache of up to
// 64: it gives the one last used for the same window and kind of painting
// (client area or frame) if it is free, else an unused one, and creates a
// new one, with a region and a surface object, while it holds fewer than 64.
// It never deletes one. So the cache grows, three GDI objects a DC, with the
// most windows ever painted at once, until it is full.
const size_t WINE_DC_CACHE = 64;

// Sends WM_NCPAINT and WM_PAINT to window and every window inside it, shown
// or hidden, so that each takes a DC for its frame and one for its client
// area, as painting them does. Returns how many windows that was.
size_t PaintEveryWindow(HWND window);

class EnduranceRun {
public:
    static const int NN_ENTRIES = 5, IE_ENTRIES = 3, WARM_UP_SEQUENCES = 10;

    EnduranceRun() = default;
    // Closes the program, then the stand-ins.
    ~EnduranceRun();
    EnduranceRun(const EnduranceRun &) = delete;
    EnduranceRun &operator=(const EnduranceRun &) = delete;

    // Writes the group (Delay 0), starts the stand-ins and the program, and
    // runs some launches and sheets first, so that what their first uses
    // load for good is in every sample. Then fills Wine's cache of display
    // DCs (WINE_DC_CACHE): how far launches and sheets fill it depends on
    // how many windows happened to be painted at once, and a sheet painted
    // at an unlucky moment could add 13 DCs and 39 GDI objects to a run. Each
    // step returns "" or what went wrong.
    std::string Prepare();
    // Clicks Start and waits until the last page is handed out and the
    // window is back, count times. After each, closes the tooltip Wine's
    // taskbar kept of the icon (CloseTaskbarTooltips in TrayIcon.h).
    std::string RunSequences(int count);
    // Opens the settings sheet, brings the URL page to the front and
    // cancels, count times.
    std::string OpenSheets(int count);
    DWORD Pid() const { return m_app.Pid(); }
    ProcessResources Sample() const { return SampleResources(m_app.Pid()); }
    // Sample() once the program is at rest, with no more threads than when
    // its window first showed (waiting 15 s at most). COM calls reach the
    // program in every hand-over to Internet Explorer, and Wine's RPC runtime
    // runs each in a worker of Wine's thread pool, which ends a worker 5 s
    // after its last work item; while a worker lives, it holds about a
    // megabyte of the program's private bytes.
    ProcessResources SampleAtRest() const;
    // The program as it was started, before Prepare's first launch and sheets.
    const ProcessResources &Started() const { return m_started; }
    // Pages the stand-ins were handed, read from their logs.
    size_t NetscapePages() const;
    size_t ExplorerPages() const;
    // The tooltips of removed icons that Wine's taskbar kept and the run
    // closed: one for each sequence that showed the icon, on Wine 8.
    size_t TaskbarTooltipsClosed() const { return m_tooltipsClosed; }

private:
    // With the sheet open on its second page, so that both pages exist, has
    // every window of the launcher and the sheet take its two DCs, which
    // must be more than the cache holds. Done until a round takes no new DC.
    std::string FillDcCache();

    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
    FakeProgram m_explorer{"explorer", "fake_explorer.exe"};
    FakeProgram m_explorerDde{"iexplore", "fake_browser.exe"};
    LogCounter m_navigations{m_explorer.LogPath(), "navigate"};
    Launcher m_app;
    ProcessResources m_started;
    std::vector<HWND> m_taskbarTooltips; // the taskbar's own, before the program started
    size_t m_tooltipsClosed = 0;
};
