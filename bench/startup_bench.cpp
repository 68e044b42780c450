// Start-up cost: the time from CreateProcess until the program's window is
// visible, and the peak working set at that moment, for Orvanta.exe and for
// the minimal dialog program beside it, alternating, several runs each.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Sample {
    double ms;
    double peakKb;
};

std::string Dir()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of('\\') + 1);
}

HWND VisibleWindow(DWORD pid, const char *title)
{
    HWND hwnd = FindWindowA(nullptr, title);
    DWORD owner = 0;
    if (hwnd)
        GetWindowThreadProcessId(hwnd, &owner);
    return owner == pid && IsWindowVisible(hwnd) ? hwnd : nullptr;
}

bool Measure(const std::string &exe, const char *title, Sample &out)
{
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    HWND hwnd = nullptr;
    for (int i = 0; i < 20000 && !(hwnd = VisibleWindow(pi.dwProcessId, title)); ++i)
        Sleep(0);
    QueryPerformanceCounter(&t1);
    PROCESS_MEMORY_COUNTERS pmc = {};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
    if (hwnd)
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    out = {double(t1.QuadPart - t0.QuadPart) * 1000.0 / double(freq.QuadPart), double(pmc.PeakWorkingSetSize) / 1024.0};
    return hwnd != nullptr;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? atoi(argv[1]) : 15;
    const std::string dir = Dir();
    std::vector<double> appMs, appKb, floorMs, floorKb;
    Sample s;
    Measure(dir + "floor.exe", "<Floor>", s);    // warm the caches for both
    Measure(dir + "Orvanta.exe", "<Orvanta>", s);
    for (int i = 0; i < runs; ++i) {
        if (!Measure(dir + "Orvanta.exe", "<Orvanta>", s))
            return std::printf("Orvanta.exe showed no window\n"), 1;
        appMs.push_back(s.ms);
        appKb.push_back(s.peakKb);
        if (!Measure(dir + "floor.exe", "<Floor>", s))
            return std::printf("floor.exe showed no window\n"), 1;
        floorMs.push_back(s.ms);
        floorKb.push_back(s.peakKb);
    }
    const double am = Median(appMs), fm = Median(floorMs), ak = Median(appKb), fk = Median(floorKb);
    std::printf("start-up, median of %d runs under Wine\n", runs);
    const double goal = 1.30;
    std::printf("  time to visible window: Orvanta %.1f ms, floor %.1f ms, ratio %.2f (goal <= %.2f)\n", am, fm, am / fm, goal);
    std::printf("  peak working set:       Orvanta %.0f KiB, floor %.0f KiB, ratio %.2f (goal <= %.2f)\n", ak, fk, ak / fk, goal);
    const bool met = am / fm <= goal && ak / fk <= goal;
    if (!met)
        std::printf("  a ratio is beyond its goal\n");
    return met ? 0 : 1;
}
