// Endurance of one running Orvanta.exe: many launches of an eight-entry
// group (Delay 0) and many openings of the settings sheet with its URL page
// shown. Prints each figure of the program before and after (its GDI
// objects by kind too), and fails when one grew beyond the bounds the
// endurance test holds it to. Both samples are taken with the program at
// rest (SampleAtRest in Endurance.h); the threads and private bytes right
// after the last sheet, with Wine's thread-pool workers still alive, are
// printed too. With --steps after the counts, also prints the GDI objects by
// kind and the private bytes after every launch or sheet that changed the
// former or moved the latter by 64 KB or more.
//
// Wine's DDE library keeps a little memory for every conversation, however
// carefully its handles are freed. As a floor, the bench then makes the DDE
// conversations of as many launches itself, with the program's own client
// against the same stand-ins; the program's private bytes are bounded
// beyond what that leaves in the bench's own process.
//
// Each launch shows the notification icon and takes it away. Wine 8's
// taskbar keeps a hidden tooltip window of its own for every icon it has
// removed; since each DDE conversation begins with a message to every
// top-level window, a thousand of them made launches ever slower, until one
// took longer than the wait for it. The run closes them after each launch
// (CloseTaskbarTooltips in TrayIcon.h) and the bench prints how many: one a
// launch shows that the icon came and went in each.
//
// Wine's cache of display DCs grows with the most windows a process has
// painted at once, up to 64 DCs of three GDI objects each, and never
// shrinks (WINE_DC_CACHE in Endurance.h); the warm-up fills the program's.
// The bench shows the cache in its own process too: the same painting calls
// on ever more windows of its own, and what is left once they are gone.
#include "Endurance.h"
#include "links/DdeLink.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Print(const char *what, size_t before, size_t after, size_t bound)
{
    std::printf("  %-14s %10zu -> %10zu  (%+lld, bound +%zu)\n", what, before, after,
                static_cast<long long>(after) - static_cast<long long>(before), bound);
}

// The conversations of one launch of the endurance group: Netscape
// Navigator's window list, each NN page's frame query and hand-over, and
// Internet Explorer's window list.
void LaunchConversations()
{
    DWORD ids[DDE_MAX_WINDOWS];
    DdeListWindows(ids, BK_NN);
    for (DWORD id = 1; id <= EnduranceRun::NN_ENTRIES; ++id) {
        DdeGetFrameParent(id);
        const std::string text = " http://page" + std::to_string(id) + "/";
        DdeOpenURL(text.c_str(), BK_NN, id);
    }
    DdeListWindows(ids, BK_IE);
}

// Private bytes this process gains over count launches' conversations,
// after a warm-up like the program's.
long long DdeFloor(int count)
{
    if (!DdeLinkInit(nullptr, WM_NULL))
        return -1;
    for (int i = 0; i < 10; ++i)
        LaunchConversations();
    const size_t before = SampleResources(::GetCurrentProcessId()).privateBytes;
    for (int i = 0; i < count; ++i)
        LaunchConversations();
    const size_t after = SampleResources(::GetCurrentProcessId()).privateBytes;
    DdeLinkTerm();
    return static_cast<long long>(after) - static_cast<long long>(before);
}

size_t DisplayDcs() { return SampleResources(::GetCurrentProcessId()).gdiByKind[GDI_DC]; }

// Display DCs this process holds after painting 8, 16, ... 48 bordered
// windows of its own at once, as the warm-up paints the program's (a frame
// and a client area each, so 16 to 96 DCs asked for), and last after those
// windows are gone.
std::string DcCacheFloor()
{
    HWND top = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    std::string text = "display DCs";
    for (int count = 8; count <= 48; count += 8) {
        std::vector<HWND> windows;
        for (int i = 0; i < count; ++i)
            windows.push_back(::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, (i % 8) * 80,
                                                (i / 8) * 80, 70, 70, top, nullptr, nullptr, nullptr));
        PaintEveryWindow(top);
        text += (count == 8 ? " " : ", ") + std::to_string(DisplayDcs()) + " with " + std::to_string(count);
        for (HWND hwnd : windows)
            ::DestroyWindow(hwnd);
    }
    ::DestroyWindow(top);
    return text + " windows painted at once; " + std::to_string(DisplayDcs()) + " when they are gone";
}

// Runs count launches or sheets; with trace, one at a time, printing the GDI
// objects by kind and the private bytes after each that changed the GDI
// objects or moved the private bytes by 64 KB or more.
std::string Steps(EnduranceRun &run, bool launches, int count, bool trace)
{
    const auto step = [&](int n) { return launches ? run.RunSequences(n) : run.OpenSheets(n); };
    if (!trace)
        return step(count);
    ProcessResources last = run.Sample();
    for (int i = 1; i <= count; ++i) {
        const std::string error = step(1);
        if (!error.empty())
            return error;
        const ProcessResources now = run.Sample();
        const long long moved = static_cast<long long>(now.privateBytes) - static_cast<long long>(last.privateBytes);
        if (now.gdiByKind == last.gdiByKind && moved < 65536 && moved > -65536)
            continue;
        std::printf("  after %s %d: GDI %zu (%s), private bytes %zu (%+lld)\n", launches ? "launch" : "sheet", i,
                    now.gdiObjects, GdiKindsText(now.gdiByKind).c_str(), now.privateBytes, moved);
        last = now;
    }
    return "";
}

} // namespace

int main(int argc, char **argv)
{
    const int sequences = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int sheets = argc > 2 ? std::atoi(argv[2]) : 200;
    const bool trace = argc > 3 && std::string(argv[3]) == "--steps";
    EnduranceRun run;
    std::string error = run.Prepare();
    if (!error.empty())
        return std::printf("%s\n", error.c_str()), 1;
    const ProcessResources before = run.SampleAtRest();
    if (trace)
        std::printf("after the warm-up: GDI %zu (%s)\n", before.gdiObjects, GdiKindsText(before.gdiByKind).c_str());
    DWORD start = ::GetTickCount();
    error = Steps(run, true, sequences, trace);
    const DWORD launching = ::GetTickCount() - start;
    start = ::GetTickCount();
    if (error.empty())
        error = Steps(run, false, sheets, trace);
    const DWORD sheeting = ::GetTickCount() - start;
    if (!error.empty())
        return std::printf("%s\n", error.c_str()), 1;
    const ProcessResources busy = run.Sample();
    start = ::GetTickCount();
    const ProcessResources after = run.SampleAtRest();
    const DWORD resting = ::GetTickCount() - start;

    std::printf("%d launches in %lu ms (%lu ms each), %d sheets in %lu ms (%lu ms each)\n", sequences, launching,
                launching / static_cast<DWORD>(sequences), sheets, sheeting, sheeting / static_cast<DWORD>(sheets));
    std::printf("pages handed out: %zu to Netscape Navigator, %zu to Internet Explorer\n", run.NetscapePages(),
                run.ExplorerPages());
    const ProcessResources &started = run.Started();
    std::printf("at start, before the warm-up: threads %zu, handles %zu, GDI %zu, USER %zu, private bytes %zu\n",
                started.threads, started.handles, started.gdiObjects, started.userObjects, started.privateBytes);
    // Each sample is taken at rest (SampleAtRest): what Wine's thread-pool
    // workers hold while they live is not the program's.
    std::printf("right after the last sheet: threads %zu, private bytes %zu; at rest %lu ms later: threads %zu, "
                "private bytes %zu\n",
                busy.threads, busy.privateBytes, resting, after.threads, after.privateBytes);
    std::printf("after the warm-up -> after the run, each at rest:\n");
    const GrowthBounds bounds;
    Print("handles", before.handles, after.handles, bounds.handles);
    Print("GDI objects", before.gdiObjects, after.gdiObjects, bounds.gdiObjects);
    std::printf("    before: %s\n    after:  %s\n", GdiKindsText(before.gdiByKind).c_str(),
                GdiKindsText(after.gdiByKind).c_str());
    Print("USER objects", before.userObjects, after.userObjects, bounds.userObjects);
    Print("private bytes", before.privateBytes, after.privateBytes, bounds.privateBytes);
    std::printf("  (GDI and USER from %s)\n", after.guiSource.c_str());

    std::printf("floor: Wine's cache of DCs, in this process: %s\n", DcCacheFloor().c_str());
    std::printf("Wine's taskbar kept a tooltip window for each icon it removed: %zu closed after %d launches with the "
                "warm-up\n",
                run.TaskbarTooltipsClosed(), sequences + EnduranceRun::WARM_UP_SEQUENCES);

    // What the DDE library keeps for the launches' conversations is not the
    // program's to give back; the bound holds for the rest.
    const long long floor = DdeFloor(sequences);
    std::printf("floor: the DDE conversations of %d launches, made by this process: private bytes %+lld\n",
                sequences, floor);
    ProcessResources growth = Growth(before, after);
    const size_t library = floor > 0 ? static_cast<size_t>(floor) : 0;
    growth.privateBytes = growth.privateBytes > library ? growth.privateBytes - library : 0;
    std::printf("private bytes beyond the floor: +%zu (bound +%zu)\n", growth.privateBytes, bounds.privateBytes);
    const std::string over = OutOfBounds(growth, bounds);
    std::printf("%s\n", over.empty() ? "within bounds" : over.c_str());
    return over.empty() ? 0 : 1;
}
