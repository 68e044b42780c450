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
