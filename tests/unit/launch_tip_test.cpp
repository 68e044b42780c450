// The notification icon's tooltip: the program's sentences filled in, and
// cut to what the icon holds without losing what the sequence does.
#include "core/app/LaunchTip.h"
#include "core/text/Unicode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The program's sentences and a group name, in UTF-8.
const char STEPPING[] = "%1: %2/%3 ページ、次は %4 秒後";
const char DIALUP[] = "%1: ダイヤルアップ接続を待っています";
const char NETWORK[] = "%1: ネットワークの接続を待っています";
const char NAVIGATOR[] = "%1: %2/%3 ページ、Netscape Navigator の起動を待っています";
const char NEWS[] = "📰 ニュース";

LaunchTipTexts ProgramTexts() { return {STEPPING, DIALUP, NETWORK, NAVIGATOR}; }

LaunchProgress Progress(int activity, int opened = 0, int total = 0, int seconds = 0)
{
    LaunchProgress progress;
    progress.activity = activity;
    progress.opened = opened;
    progress.total = total;
    progress.secondsToNext = seconds;
    return progress;
}

TEST(LaunchTip, SaysWhatTheSequenceDoes)
{
    const struct {
        LaunchProgress progress;
        std::string expected;
    } cases[] = {
        {Progress(ACTIVITY_STEPPING, 3, 8, 12), "📰 ニュース: 3/8 ページ、次は 12 秒後"},
        {Progress(ACTIVITY_STEPPING, 0, 1, 0), "📰 ニュース: 0/1 ページ、次は 0 秒後"},
        {Progress(ACTIVITY_DIALUP), "📰 ニュース: ダイヤルアップ接続を待っています"},
        {Progress(ACTIVITY_NETWORK), "📰 ニュース: ネットワークの接続を待っています"},
        {Progress(ACTIVITY_NAVIGATOR, 1, 4), "📰 ニュース: 1/4 ページ、Netscape Navigator の起動を待っています"},
        {Progress(ACTIVITY_IDLE, 1, 4, 5), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, LaunchTipText(c.progress, NEWS, ProgramTexts())) << c.expected;
}

TEST(LaunchTip, GroupNameIsTakenAsItIsAndValuesGoWhereTheSentencePutsThem)
{
    EXPECT_EQ("%1 %d: 2/5 ..., 9", LaunchTipText(Progress(ACTIVITY_STEPPING, 2, 5, 9), "%1 %d", {"%1: %2/%3 ..., %4", "", "", ""}));
    EXPECT_EQ("9 s, 2 of 5: g%", LaunchTipText(Progress(ACTIVITY_STEPPING, 2, 5, 9), "g", {"%4 s, %2 of %3: %1%", "", "", ""}));
    EXPECT_EQ("a: 1/2 %4 %s", LaunchTipText(Progress(ACTIVITY_NAVIGATOR, 1, 2), "a", {"", "", "", "%1: %2/%3 %4 %s"}))
        << "a number with no value stays";
}

// Cut to 127 UTF-16 units, the name loses its end on a whole character: a
// character of three bytes is one unit, an emoji two, never split.
TEST(LaunchTip, LongGroupNameIsCutOnACharacterSoThatTheProgressStays)
{
    const std::string tail = ": 3/8 ページ、次は 12 秒後";
    const size_t kept = LAUNCH_TIP_MAX_UNITS - Utf16Units(tail);
    std::string hyou, emoji;
    for (int i = 0; i < 340; ++i) {
        hyou += "表";
        emoji += "📰";
    }
    const struct {
        std::string group;
        std::string name;    // what the tooltip keeps of it
    } cases[] = {
        {std::string(kept + 1, 'a'), std::string(kept, 'a')},
        {std::string(1022, 'a'), std::string(kept, 'a')},
        {hyou, hyou.substr(0, 3 * kept)},
        {"a" + emoji, "a" + emoji.substr(0, 4 * ((kept - 1) / 2))},
        {emoji, emoji.substr(0, 4 * (kept / 2))},
        // A lead byte left alone at the end of a damaged name.
        {std::string(kept + 10, 'a') + "\xE3", std::string(kept, 'a')},
    };
    for (const auto &c : cases) {
        const std::string tip = LaunchTipText(Progress(ACTIVITY_STEPPING, 3, 8, 12), c.group, ProgramTexts());
        EXPECT_EQ(c.name + tail, tip) << c.group.size();
        EXPECT_GE(LAUNCH_TIP_MAX_UNITS, Utf16Units(tip)) << c.group.size();
    }
    const std::string fits(kept, 'a');
    EXPECT_EQ(fits + tail, LaunchTipText(Progress(ACTIVITY_STEPPING, 3, 8, 12), fits, ProgramTexts()));
}

TEST(LaunchTip, SentenceTooLongOnItsOwnIsCutOnACharacter)
{
    std::string sentence = "%1";
    for (int i = 0; i < 200; ++i)
        sentence += "表";
    const std::string tip = LaunchTipText(Progress(ACTIVITY_NETWORK), "g", {"", "", sentence, ""});
    EXPECT_EQ(sentence.substr(2, LAUNCH_TIP_MAX_UNITS * 3), tip) << "the name goes first, then the sentence's end";
}

} // namespace
