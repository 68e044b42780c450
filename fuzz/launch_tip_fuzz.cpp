// Any bytes as a group's name and as the tooltip's sentences (UTF-8, or
// not), with any progress. The tooltip always fits the notification icon,
// in whole characters; with sentences like the program's, the name is what
// gets cut: the tip is a start of the name followed by the whole sentence.
#include "FuzzCheck.h"
#include "core/app/LaunchTip.h"
#include "core/text/Unicode.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    LaunchProgress progress;
    progress.activity = data[0] % 5;
    progress.opened = data[1];
    progress.total = data[2];
    progress.secondsToNext = data[3] * 1000;
    // The name, then the four sentences, apart at each NUL.
    std::vector<std::string> pieces(1);
    for (size_t i = 4; i < size; ++i) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back() += static_cast<char>(data[i]);
    }
    pieces.resize(5);
    const std::string &group = pieces[0];

    const std::string tip = LaunchTipText(progress, group, {pieces[1], pieces[2], pieces[3], pieces[4]});
    Check(Utf16Units(tip) <= LAUNCH_TIP_MAX_UNITS && Utf8PrefixOfUnits(tip, LAUNCH_TIP_MAX_UNITS) == tip.size());
    Check(tip.find('\0') == std::string::npos);
    Check(progress.activity != ACTIVITY_IDLE || tip.empty());

    const LaunchTipTexts program = {"%1: %2/%3 pages, next in %4 s", "%1: dial-up", "%1: network", "%1: %2/%3 Navigator"};
    const std::string numbers = std::to_string(progress.opened) + "/" + std::to_string(progress.total);
    const std::string sentences[] = {"", ": dial-up", ": network", ": " + numbers + " Navigator",
                                     ": " + numbers + " pages, next in " + std::to_string(progress.secondsToNext) + " s"};
    const std::string &sentence = sentences[progress.activity];
    const std::string fitted = LaunchTipText(progress, group, program);
    if (progress.activity == ACTIVITY_IDLE) {
        Check(fitted.empty());
        return 0;
    }
    Check(fitted.size() >= sentence.size() && fitted.compare(fitted.size() - sentence.size(), sentence.size(), sentence) == 0);
    const size_t name = fitted.size() - sentence.size();
    Check(group.compare(0, name, fitted, 0, name) == 0);
    return 0;
}
