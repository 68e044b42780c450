// The start-up options page's rules: the delay text, the radio button for a
// browser choice, the Startup choice.
#include "core/dialogs/OptionValues.h"
#include "res/resource.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionValues, DelayTextBecomesTwoToThirtySeconds)
{
    struct {
        const char *text;
        int seconds;
    } const cases[] = {
        {"", 3},        {"1", 2},        {"45", 30},     {"abc", 2},     {"7x", 7},
        {"2", 2},       {"30", 30},      {"31", 30},     {"0", 2},       {"-5", 2},
        {"+12", 12},    {"  9", 9},      {"\t15s", 15},  {" ", 2},       {"- 5", 2},
        {"012", 12},    {"1 5", 2},      {"99999999999999999999", 30},   {"-99999999999999999999", 2},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.seconds, ParseDelay(c.text)) << '"' << c.text << '"';
}

TEST(OptionValues, BrowserChoiceTicksTheRadioOfItsFirstMatchingBit)
{
    struct {
        int browser;
        int radio;
    } const cases[] = {
        {0, 0},
        {1, IDC_BROWSER_NN},
        {2, IDC_BROWSER_IE},
        {3, IDC_BROWSER_FOLLOW},
        {4, IDC_BROWSER_DEFAULT},
        {5, IDC_BROWSER_NN},
        {6, IDC_BROWSER_IE},
        {7, IDC_BROWSER_FOLLOW},
        {8, 0},
        {-1, IDC_BROWSER_FOLLOW},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.radio, BrowserRadioId(c.browser)) << c.browser;
}

TEST(OptionValues, StartupChoiceChangesOnlyThroughTheEnabledBox)
{
    struct {
        int linked, add, remove, wanted;
    } const cases[] = {
        {0, 0, 1, 0},    // as opened: remove shown ticked and disabled
        {0, 1, 1, 1},
        {1, 1, 0, 1},
        {1, 1, 1, 0},
        {0, 1, 0, 1},
        {1, 0, 0, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.wanted, StartupChoice(c.linked, c.add, c.remove)) << c.linked << c.add << c.remove;
}

} // namespace
