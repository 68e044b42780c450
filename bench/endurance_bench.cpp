// Endurance of one running Orvanta.exe: many launches of an eight-entry
// group (Delay 0) and many openings of the settings sheet with its URL page
// shown. Prints each figure of the program before and after, and fails when
// one grew beyond the bounds the endurance test holds it to.
#include "Endurance.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Print(const char *what, size_t before, size_t after, size_t bound)
{
    std::printf("  %-14s %10zu -> %10zu  (%+lld, bound +%zu)\n", what, before, after,
                static_cast<long long>(after) - static_cast<long long>(before), bound);
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
    const std::string over = OutOfBounds(Growth(before, after));
    std::printf("%s\n", over.empty() ? "within bounds" : over.c_str());
    return over.empty() ? 0 : 1;
}
