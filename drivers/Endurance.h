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

// How far each figure may grow over a whole run.
struct GrowthBounds {
    size_t handles = 8;
    size_t gdiObjects = 8;
    size_t userObjects = 4;
    // Wine's heaps commit and give back memory a megabyte at a time.
    size_t privateBytes = 2 * 1024 * 1024;
};

// Empty when growth stays within bounds, else which figures did not.
std::string OutOfBounds(const ProcessResources &growth, const GrowthBounds &bounds = GrowthBounds());

class EnduranceRun {
public:
    static const int NN_ENTRIES = 5, IE_ENTRIES = 3;

    EnduranceRun() = default;
    // Closes the program, then the stand-ins.
    ~EnduranceRun();
    EnduranceRun(const EnduranceRun &) = delete;
    EnduranceRun &operator=(const EnduranceRun &) = delete;

    // Writes the group (Delay 0), starts the stand-ins and the program, and
    // runs some launches and sheets first, so that what their first uses
    // load for good is in every sample: under Wine the first few dozen
    // sheets leave device contexts (with a region and a bitmap each) that
    // later sheets reuse, a store that fills and then stays. Each step
    // returns "" or what went wrong.
    std::string Prepare();
    // Clicks Start and waits until the last page is handed out and the
    // window is back, count times.
    std::string RunSequences(int count);
    // Opens the settings sheet, brings the URL page to the front and
    // cancels, count times.
    std::string OpenSheets(int count);
    DWORD Pid() const { return m_app.Pid(); }
    ProcessResources Sample() const { return SampleResources(m_app.Pid()); }
    // The program as it was started, before Prepare's first launch and sheets.
    const ProcessResources &Started() const { return m_started; }
    // Pages the stand-ins were handed, read from their logs.
    size_t NetscapePages() const;
    size_t ExplorerPages() const;

private:
    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
    FakeProgram m_explorer{"explorer", "fake_explorer.exe"};
    FakeProgram m_explorerDde{"iexplore", "fake_browser.exe"};
    LogCounter m_navigations{m_explorer.LogPath(), "navigate"};
    Launcher m_app;
    ProcessResources m_started;
};
