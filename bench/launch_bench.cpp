// Timing of a launch in the real Orvanta.exe: a five-entry group with Delay
// 2, each page handed by DDE to one of five open windows of our stand-in
// Netscape Navigator. Reports the time from the Start click to the first
// page and each interval's error against the delay, from the stand-in's
// time stamps, over several runs.
#include "FakeBrowsers.h"
#include "LauncherDriver.h"
#include "IniFile.h"
#include "res/resource.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const int DELAY_S = 2;

std::vector<DWORD> OpenTimes(const FakeProgram &netscape)
{
    std::vector<DWORD> times;
    for (const FakeEvent &e : netscape.Events("request"))
        if (e.args.at(0) == "WWW_OpenURL")
            times.push_back(e.time);
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
    FakeProgram netscape{"netscape", "fake_browser.exe"};
    if (!StartDdeServer(netscape, DdeServerSettings("NETSCAPE", "WWW_ListWindows=1 2 3 4 5 0\r\nWWW_OpenURL=1", 0)) ||
        !RegisterAsNetscape(netscape))
        return std::printf("the stand-in browser did not start\n"), 1;
    std::string ini = "[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\nDelay=2\r\n[G1]\r\nGNAME=bench\r\nURL_Num=5\r\n";
    for (int i = 1; i <= 5; ++i)
        ini += "UL" + std::to_string(i) + "=NN http://page" + std::to_string(i) + "/\r\n";

    int worstFirst = 0, worstInterval = 0;
    for (int run = 0; run < runs; ++run) {
        WriteIniText(ini);
        const size_t before = OpenTimes(netscape).size();
        Launcher app;
        if (!app.Start() || !app.WaitWindow())
            return std::printf("Orvanta.exe showed no window\n"), 1;
        const DWORD click = ::GetTickCount();
        app.Click(IDC_START);
        if (!WaitUntil([&] { return OpenTimes(netscape).size() >= before + 5; }, 20000))
            return std::printf("not all five pages arrived\n"), 1;
        const std::vector<DWORD> all = OpenTimes(netscape);
        const std::vector<DWORD> times(all.begin() + static_cast<long>(before), all.end());
        const int first = static_cast<int>(times[0] - click);
        std::printf("run %d: first page %d ms after Start; intervals", run + 1, first);
        worstFirst = std::max(worstFirst, first);
        for (size_t i = 1; i < times.size(); ++i) {
            const int error = static_cast<int>(times[i] - times[i - 1]) - DELAY_S * 1000;
            std::printf(" %+d", error);
            worstInterval = std::max(worstInterval, std::abs(error));
        }
        std::printf(" ms against %d000\n", DELAY_S);
        app.Close();
        app.WaitExit();
    }
    std::printf("worst: first page %d ms after Start (goal <= 100), interval error %d ms (goal <= 50)\n", worstFirst,
                worstInterval);
    netscape.Quit();
    RemoveIni();
    return 0;
}
