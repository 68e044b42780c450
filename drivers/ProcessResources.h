// What another process holds, sampled from outside: threads, kernel handles,
// GDI and USER objects and private memory. Where Wine leaves the system's own
// counters unanswered, a measure of the same thing is taken instead and the
// sample says so.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

// The kinds of GDI object Wine's handle table tells apart by their extended
// type: display DCs, each of which comes with a surface object of its own,
// and memory DCs, which Wine types apart; pens share their base type with
// brushes there.
enum GdiKind {
    GDI_DC,
    GDI_SURFACE,
    GDI_MEMDC,
    GDI_REGION,
    GDI_BITMAP,
    GDI_PALETTE,
    GDI_FONT,
    GDI_BRUSH,
    GDI_PEN,
    GDI_OTHER,
    GDI_KINDS
};
typedef std::array<size_t, GDI_KINDS> GdiCounts;

struct ProcessResources {
    size_t threads = 0;
    size_t handles = 0;
    size_t gdiObjects = 0;
    // gdiObjects by kind, when read from the handle table; all 0 otherwise.
    GdiCounts gdiByKind = {};
    size_t userObjects = 0;
    size_t privateBytes = 0;
    // How the GDI and USER figures were taken: "GetGuiResources", or the
    // process's GDI handle table and its windows where that answers 0.
    std::string guiSource;
};

// The threads of a process.
size_t ThreadCount(DWORD pid);

// The kernel handles of a process. Wine answers 0 for
// GetProcessHandleCount; its system handle table is counted then.
size_t HandleCount(DWORD pid);

ProcessResources SampleResources(DWORD pid);

// "DC 66, DC surface 66, region 64, ...": each kind counted above 0, or "none".
std::string GdiKindsText(const GdiCounts &counts);

// How far each figure of after lies above before (0 when it fell).
ProcessResources Growth(const ProcessResources &before, const ProcessResources &after);
