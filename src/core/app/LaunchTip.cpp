#include "core/app/LaunchTip.h"

#include "core/app/LaunchSequencer.h"
#include "core/settings/GroupList.h"
#include "core/settings/Options.h"
#include "core/text/Arguments.h"
#include "core/text/Unicode.h"

#include <vector>

namespace {

std::string Compose(const LaunchProgress &progress, const std::string &group, const LaunchTipTexts &texts)
{
    const std::string opened = std::to_string(progress.opened), total = std::to_string(progress.total);
    switch (progress.activity) {
    case ACTIVITY_DIALUP:
        return FillArguments(texts.dialup, {group});
    case ACTIVITY_NETWORK:
        return FillArguments(texts.network, {group});
    case ACTIVITY_NAVIGATOR:
        return FillArguments(texts.navigator, {group, opened, total});
    case ACTIVITY_STEPPING:
        return FillArguments(texts.stepping, {group, opened, total, std::to_string(progress.secondsToNext)});
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
    size_t units = Utf16Units(tip);
    if (units > LAUNCH_TIP_MAX_UNITS) {
        const size_t over = units - LAUNCH_TIP_MAX_UNITS;
        size_t keep = Utf16Units(group);
        keep = keep > over ? keep - over : 0;
        // One unit less while the name's cut end still makes too many: a
        // character past U+FFFF at the cut, or the broken end of a damaged
        // name joining what follows into a character.
        for (;;) {
            tip = Compose(progress, group.substr(0, Utf8PrefixOfUnits(group, keep)), texts);
            units = Utf16Units(tip);
            if (units <= LAUNCH_TIP_MAX_UNITS || keep == 0)
                break;
            --keep;
        }
    }
    // Sentences that are too long on their own (never the program's).
    tip.resize(Utf8PrefixOfUnits(tip, LAUNCH_TIP_MAX_UNITS));
    return tip;
}
