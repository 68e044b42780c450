// Endurance of one running Orvanta.exe: many launches of an eight-entry
// group (Delay 0) and many openings of the settings sheet with its URL page
// shown. Prints each figure of the program before and after, and fails when
// one grew beyond the bounds the endurance test holds it to.
//
// Wine's DDE library keeps a little memory for every conversation, however
// carefully its handles are freed. As a floor, the bench then makes the DDE
// conversations of as many launches itself, with the program's own client
// against the same stand-ins; the program's private bytes are bounded
// beyond what that leaves in the bench's own process.
#include "Endurance.h"
#include "links/DdeLink.h"

#include <cstdio>
#include <cstdlib>

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
    if (!DdeLinkInit(nullptr))
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

} // namespace

int main(int argc, char **argv)
{
    const int sequences = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int sheets = argc > 2 ? std::atoi(argv[2]) : 200;
    EnduranceRun run;
    std::string error = run.Prepare();
    if (!error.empty())
        return std::printf("%s\n", error.c_str()), 1;
    const ProcessResources before = run.Sample();
    DWORD start = ::GetTickCount();
    error = run.RunSequences(sequences);
    const DWORD launching = ::GetTickCount() - start;
    start = ::GetTickCount();
    if (error.empty())
        error = run.OpenSheets(sheets);
    const DWORD sheeting = ::GetTickCount() - start;
    if (!error.empty())
        return std::printf("%s\n", error.c_str()), 1;
    const ProcessResources after = run.Sample();

    std::printf("%d launches in %lu ms (%lu ms each), %d sheets in %lu ms (%lu ms each)\n", sequences, launching,
                launching / static_cast<DWORD>(sequences), sheets, sheeting, sheeting / static_cast<DWORD>(sheets));
    std::printf("pages handed out: %zu to Netscape Navigator, %zu to Internet Explorer\n", run.NetscapePages(),
                run.ExplorerPages());
    const ProcessResources &started = run.Started();
    std::printf("at start, before the warm-up: handles %zu, GDI %zu, USER %zu, private bytes %zu\n", started.handles,
                started.gdiObjects, started.userObjects, started.privateBytes);
    std::printf("after the warm-up -> after the run:\n");
    const GrowthBounds bounds;
    Print("handles", before.handles, after.handles, bounds.handles);
    Print("GDI objects", before.gdiObjects, after.gdiObjects, bounds.gdiObjects);
    Print("USER objects", before.userObjects, after.userObjects, bounds.userObjects);
    Print("private bytes", before.privateBytes, after.privateBytes, bounds.privateBytes);
    std::printf("  (GDI and USER from %s)\n", after.guiSource.c_str());

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
