#include "core/app/LaunchTip.h"

#include "core/app/LaunchSequencer.h"
#include "core/settings/GroupList.h"
#include "core/settings/Options.h"
#include "core/text/AnsiText.h"

#include <vector>

namespace {

// The text with each "%s" replaced by the next value, in one pass: a "%s"
// inside a value (a group may be named so) stays as it is.
std::string Fill(const std::string &text, const std::vector<std::string> &values)
{
    std::string filled;
    size_t next = 0;
    for (const char *p = text.c_str(); *p;) {
        if (p[0] == '%' && p[1] == 's' && next < values.size()) {
            filled += values[next++];
            p += 2;
            continue;
        }
        const char *after = NextCharA(p);
        filled.append(p, after);
        p = after;
    }
    return filled;
}

std::string Compose(const LaunchProgress &progress, const std::string &group, const LaunchTipTexts &texts)
{
    const std::string opened = std::to_string(progress.opened), total = std::to_string(progress.total);
    switch (progress.activity) {
    case ACTIVITY_DIALUP:
        return Fill(texts.dialup, {group});
    case ACTIVITY_NETWORK:
        return Fill(texts.network, {group});
    case ACTIVITY_NAVIGATOR:
        return Fill(texts.navigator, {group, opened, total});
    case ACTIVITY_STEPPING:
        return Fill(texts.stepping, {group, opened, total, std::to_string(progress.secondsToNext)});
    default:
        return std::string();
    }
}

int PagesInOrder()
{
    int n = 0;
    while (n < MAX_URLS && n < theUrlTable.count && s_nOpenOrder[n] >= 0)
        ++n;
    return n;
}

} // namespace

LaunchProgress CurrentLaunchProgress()
{
    LaunchProgress progress;
    if (!s_bLaunchRunning)
        return progress;
    if (s_bDialupWaiting || s_bNetworkWaiting) {
        progress.activity = s_bDialupWaiting ? ACTIVITY_DIALUP : ACTIVITY_NETWORK;
        return progress;
    }
    progress.total = PagesInOrder();
    progress.opened = s_nNextUrl < progress.total ? s_nNextUrl : progress.total;
    if (s_nNsDdeWait != 0) {
        progress.activity = ACTIVITY_NAVIGATOR;
        return progress;
    }
    progress.activity = ACTIVITY_STEPPING;
    // The step timer falls due once a period from its last tick. Unsigned
    // arithmetic: the clock may have wrapped since.
    const unsigned period = StepPeriodMs(s_nDelay);
    const unsigned elapsed = s_pLaunchHost->TickCount() - s_nStepStartMs;
    const unsigned left = period == 0 ? 0 : period - elapsed % period;
    progress.secondsToNext = static_cast<int>(left / 1000 + (left % 1000 != 0));
    return progress;
}

std::string LaunchTipText(const LaunchProgress &progress, const std::string &group, const LaunchTipTexts &texts)
{
    std::string tip = Compose(progress, group, texts);
    size_t chars = CharCount(tip.c_str());
    if (chars > LAUNCH_TIP_MAX_CHARS) {
        const size_t over = chars - LAUNCH_TIP_MAX_CHARS;
        size_t keep = CharCount(group.c_str());
        keep = keep > over ? keep - over : 0;
        // One character less while the name's cut end joins what follows
        // into a character (a lead byte left alone in a damaged name).
        for (;;) {
            tip = Compose(progress, group.substr(0, CharsPrefix(group.c_str(), keep)), texts);
            chars = CharCount(tip.c_str());
            if (chars <= LAUNCH_TIP_MAX_CHARS || keep == 0)
                break;
            --keep;
        }
    }
    // Sentences that are too long on their own (never the program's).
    tip.resize(CharsPrefix(tip.c_str(), LAUNCH_TIP_MAX_CHARS));
    return tip;
}
