// What another process holds, sampled from outside: kernel handles, GDI and
// USER objects and private memory. Where Wine leaves the system's own
// counters unanswered, a measure of the same thing is taken instead and the
// sample says so.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct ProcessResources {
    size_t handles = 0;
    size_t gdiObjects = 0;
    size_t userObjects = 0;
    size_t privateBytes = 0;
    // How the GDI and USER figures were taken: "GetGuiResources", or the
    // process's GDI handle table and its windows where that answers 0.
    std::string guiSource;
};

// The kernel handles of a process. Wine answers 0 for
// GetProcessHandleCount; its system handle table is counted then.
size_t HandleCount(DWORD pid);

ProcessResources SampleResources(DWORD pid);

// How far each figure of after lies above before (0 when it fell).
ProcessResources Growth(const ProcessResources &before, const ProcessResources &after);
