// Launches in the real Orvanta.exe against the stand-in browsers: Internet
// Explorer's automation server installed, ".htm" files opening in Netscape
// Navigator, and Netscape Navigator's stand-in left to each test.
#pragma once

#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "TestIni.h"

#include <string>
#include <vector>

const int IDC_START = 1000;

// A settings file of one group, current, of entries "KIND URL", with these
// [Orvanta] options.
std::string GroupIni(const std::vector<std::string> &entries, const std::string &options);

// The items a DDE stand-in was asked for on one topic, in order.
std::vector<std::string> Items(const FakeProgram &server, const std::string &topic);

class LaunchTest : public IniTest {
protected:
    void SetUp() override;
    // Writes the group, starts the program and clicks Start.
    void StartGroup(const std::vector<std::string> &entries, const std::string &options);

    FakeProgram m_netscape{"netscape", "fake_browser.exe"};
    FakeProgram m_explorer{"explorer", "fake_explorer.exe"};
    Launcher m_app;
};
