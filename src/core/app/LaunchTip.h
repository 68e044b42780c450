// What the notification icon's tooltip says while a launch sequence runs:
// the group, how many of its pages are open and in how many seconds the
// next one opens, or what the sequence waits for. In UTF-8, from texts the
// caller gives (the program's come from its string table), so that the
// sentence and the group's name show whole on a system of any code page.
#pragma once

#include <cstddef>
#include <string>

enum LaunchActivity {
    ACTIVITY_IDLE,         // no sequence runs: no icon
    ACTIVITY_DIALUP,       // waits for a dial-up connection
    ACTIVITY_NETWORK,      // waits for the network
    ACTIVITY_NAVIGATOR,    // holds until a started Netscape Navigator registers
    ACTIVITY_STEPPING,     // opens the next page on the step timer
};

struct LaunchProgress {
    int activity = ACTIVITY_IDLE;
    int opened = 0;           // pages handed out (or passed over) so far
    int total = 0;            // pages this sequence opens
    int secondsToNext = 0;    // until the step timer falls due, rounded up
};

// The sequence's state now, by its host's clock.
LaunchProgress CurrentLaunchProgress();

// The tooltip's sentences. "%1" is the group, "%2" on the numbers in the
// order the comments give (FillArguments).
struct LaunchTipTexts {
    std::string stepping;     // opened, total, seconds to the next page
    std::string dialup;
    std::string network;
    std::string navigator;    // opened, total
};

// A notification icon's tooltip holds 127 UTF-16 units.
const size_t LAUNCH_TIP_MAX_UNITS = 127;

// The tooltip for progress; empty when idle. A group name too long for it is
// cut on a whole character, so that what the sequence does stays in view.
std::string LaunchTipText(const LaunchProgress &progress, const std::string &group, const LaunchTipTexts &texts);
