// Launches in the real Orvanta.exe against the stand-in browsers: Internet
// Explorer's automation server installed, ".htm" files opening in Netscape
// Navigator, and Netscape Navigator's stand-in left to each test.
#pragma once

#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "TestIni.h"
#include "res/resource.h"

#include <string>
#include <vector>

class LaunchTest : public IniTest {
protected:
    void SetUp() override;
    // Writes the group, starts the program and clicks Start.
    void StartGroup(const std::vector<std::string> &entries, const std::string &options);

    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
    FakeProgram m_explorer{"explorer", "fake_explorer.exe"};
    Launcher m_app;
};

// The network as our network list (drivers/fakes/fake_netlist.cpp),
// registered as the system's, reports it.
extern const char NETLIST_CLSID[];
extern const char INTERNET[];      // connected to the Internet
extern const char LOCAL_ONLY[];    // to a local network only

class NetworkListTest : public LaunchTest {
protected:
    void SetUp() override;

    // The stand-in's copy in C:\fakes is only its settings and log: the
    // library itself is loaded from beside the test.
    FakeProgram m_netlist{"fake_netlist", "fake_netlist.dll"};
};
