// The notification icon's tooltip: the program's sentences filled in, and
// cut to what the icon holds without losing what the sequence does.
#include "core/app/LaunchTip.h"
#include "core/text/AnsiText.h"

#include "Cp932.h"

#include <string>

namespace {

// The program's sentences and a group name in code page 932.
const char STEPPING[] = "%s: %s/%s \x83\x79\x81\x5b\x83\x57\x81\x41\x8e\x9f\x82\xcd %s \x95\x62\x8c\xe3";    // "%s: %s/%s ページ、次は %s 秒後"
const char DIALUP[] = "%s: \x83\x5f\x83\x43\x83\x84\x83\x8b\x83\x41\x83\x62\x83\x76\x90\xda\x91\xb1\x82\xf0\x91\xd2\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7";    // "%s: ダイヤルアップ接続を待っています"
const char NETWORK[] = "%s: \x83\x6c\x83\x62\x83\x67\x83\x8f\x81\x5b\x83\x4e\x82\xcc\x90\xda\x91\xb1\x82\xf0\x91\xd2\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7";    // "%s: ネットワークの接続を待っています"
const char NAVIGATOR[] = "%s: %s/%s \x83\x79\x81\x5b\x83\x57\x81\x41" "Netscape Navigator \x82\xcc\x8b\x4e\x93\xae\x82\xf0\x91\xd2\x82\xc1\x82\xc4\x82\xa2\x82\xdc\x82\xb7";    // "%s: %s/%s ページ、Netscape Navigator の起動を待っています"
const char NEWS[] = "\x83\x6a\x83\x85\x81\x5b\x83\x58";    // ニュース

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
    REQUIRE_CP932();
    const struct {
        LaunchProgress progress;
        std::string expected;
    } cases[] = {
        // "ニュース: 3/8 ページ、次は 12 秒後"
        {Progress(ACTIVITY_STEPPING, 3, 8, 12), std::string(NEWS) + ": 3/8 \x83\x79\x81\x5b\x83\x57\x81\x41\x8e\x9f\x82\xcd 12 \x95\x62\x8c\xe3"},
        {Progress(ACTIVITY_STEPPING, 0, 1, 0), std::string(NEWS) + ": 0/1 \x83\x79\x81\x5b\x83\x57\x81\x41\x8e\x9f\x82\xcd 0 \x95\x62\x8c\xe3"},
        {Progress(ACTIVITY_DIALUP), NEWS + std::string(DIALUP + 2)},
        {Progress(ACTIVITY_NETWORK), NEWS + std::string(NETWORK + 2)},
        {Progress(ACTIVITY_NAVIGATOR, 1, 4), std::string(NEWS) + ": 1/4" + (NAVIGATOR + 9)},
        {Progress(ACTIVITY_IDLE, 1, 4, 5), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.expected, LaunchTipText(c.progress, NEWS, ProgramTexts())) << c.expected;
}

TEST(LaunchTip, GroupNameIsTakenAsItIs)
{
    EXPECT_EQ("%s %d: 2/5 ..., 9", LaunchTipText(Progress(ACTIVITY_STEPPING, 2, 5, 9), "%s %d", {"%s: %s/%s ..., %s", "", "", ""}));
    EXPECT_EQ("a: 1/2 %s", LaunchTipText(Progress(ACTIVITY_NAVIGATOR, 1, 2), "a", {"", "", "", "%s: %s/%s %s"}))
        << "a \"%s\" with no value left stays";
}

TEST(LaunchTip, LongGroupNameIsCutOnACharacterSoThatTheProgressStays)
{
    REQUIRE_CP932();
    const std::string tail = ": 3/8 \x83\x79\x81\x5b\x83\x57\x81\x41\x8e\x9f\x82\xcd 12 \x95\x62\x8c\xe3";    // ": 3/8 ページ、次は 12 秒後"
    const size_t kept = LAUNCH_TIP_MAX_CHARS - CharCount(tail.c_str());
    std::string hyou;
    for (int i = 0; i < 511; ++i)
        hyou += "\x95\x5c";    // 表
    const std::string groups[] = {
        std::string(kept + 1, 'a'), std::string(1022, 'a'), hyou, "a" + hyou,
        // A lead byte left alone at the end of a damaged name.
        std::string(kept + 10, 'a') + "\x95",
    };
    for (const std::string &group : groups) {
        const std::string tip = LaunchTipText(Progress(ACTIVITY_STEPPING, 3, 8, 12), group, ProgramTexts());
        EXPECT_EQ(LAUNCH_TIP_MAX_CHARS, CharCount(tip.c_str())) << group.size();
        EXPECT_EQ(group.substr(0, CharsPrefix(group.c_str(), kept)) + tail, tip) << group.size();
    }
    const std::string fits(kept, 'a');
    EXPECT_EQ(fits + tail, LaunchTipText(Progress(ACTIVITY_STEPPING, 3, 8, 12), fits, ProgramTexts()));
}

TEST(LaunchTip, SentenceTooLongOnItsOwnIsCutOnACharacter)
{
    REQUIRE_CP932();
    std::string sentence = "%s";
    for (int i = 0; i < 200; ++i)
        sentence += "\x95\x5c";    // 表
    const std::string tip = LaunchTipText(Progress(ACTIVITY_NETWORK), "g", {"", "", sentence, ""});
    EXPECT_EQ(sentence.substr(2, LAUNCH_TIP_MAX_CHARS * 2), tip) << "the name goes first, then the sentence's end";
}

} // namespace
