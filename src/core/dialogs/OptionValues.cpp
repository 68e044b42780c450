#include "core/dialogs/OptionValues.h"

#include "core/text/Ascii.h"

#include "core/settings/Options.h"
#include "res/resource.h"

int ParseDelay(const char *text)
{
    if (!*text)
        return DELAY_EMPTY;
    while (IsSpaceChar(*text))
        ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        ++text;
    // Past DELAY_MAX the value only needs to stay large, not exact.
    int value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        if (value <= DELAY_MAX)
            value = value * 10 + (*text - '0');
    if (negative)
        value = -value;
    return value < DELAY_MIN ? DELAY_MIN : value > DELAY_MAX ? DELAY_MAX : value;
}

int BrowserRadioId(int browser)
{
    if ((browser & UB_FOLLOW) == UB_FOLLOW)
        return IDC_BROWSER_FOLLOW;
    if (browser & UB_NN)
        return IDC_BROWSER_NN;
    if (browser & UB_IE)
        return IDC_BROWSER_IE;
    if (browser & UB_DEFAULT)
        return IDC_BROWSER_DEFAULT;
    return 0;
}

int StartupChoice(int linked, int addChecked, int removeChecked)
{
    if (linked == 0 && addChecked)
        return 1;
    if (linked == 1 && removeChecked)
        return 0;
    return linked;
}
