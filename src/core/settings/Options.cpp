#include "core/settings/Options.h"

#include "core/settings/SettingsFile.h"

Options s_options;
int &s_nUseBrowser = s_options.nUseBrowser;
int &s_nDelay = s_options.nDelay;
int &s_bReuseBrowser = s_options.bReuseBrowser;
int &s_bWaitDialup = s_options.bWaitDialup;
int &s_nPrevSelBrowser = s_options.nPrevSelBrowser;
int &s_nWindowNum = s_options.nWindowNum;
int &s_bWaitNetwork = s_options.bWaitNetwork;
int &s_nWaitNetworkMax = s_options.nWaitNetworkMax;

namespace {

struct OptionKey {
    unsigned bit;
    const char *key;
    int Options::*field;
};

// In the order the keys are written.
const OptionKey OPTION_KEYS[] = {
    {OPT_USE_BROWSER, KEY_USE_BROWSER, &Options::nUseBrowser},
    {OPT_DELAY, KEY_DELAY, &Options::nDelay},
    {OPT_NOTSURF, KEY_NOTSURF, &Options::bNotSurf},
    {OPT_REUSE_BROWSER, KEY_REUSE_BROWSER, &Options::bReuseBrowser},
    {OPT_WAIT_DIALUP, KEY_WAIT_DIALUP, &Options::bWaitDialup},
    {OPT_PREV_SEL_BROWSER, KEY_PREV_SEL_BROWSER, &Options::nPrevSelBrowser},
    {OPT_WINDOWNUM, KEY_WINDOWNUM, &Options::nWindowNum},
    // Keys an older copy does not know, and ignores.
    {OPT_WAIT_NETWORK, KEY_WAIT_NETWORK, &Options::bWaitNetwork},
    {OPT_WAIT_NETWORK_MAX, KEY_WAIT_NETWORK_MAX, &Options::nWaitNetworkMax},
    {OPT_UI_LANGUAGE, KEY_UI_LANGUAGE, &Options::nUiLanguage},
};

void ReadOption(Options &options, unsigned bit)
{
    for (const OptionKey &o : OPTION_KEYS)
        if (o.bit == bit)
            options.*o.field = ReadMainInt(o.key, options.*o.field);
}

} // namespace

Options ReadOptions(int &x, int &y)
{
    Options options;
    ReadOption(options, OPT_USE_BROWSER);
    ReadOption(options, OPT_DELAY);
    x = ReadMainInt(KEY_XPOS, -1);
    y = ReadMainInt(KEY_YPOS, -1);
    for (unsigned bit = OPT_NOTSURF; bit & OPT_ALL; bit <<= 1)
        ReadOption(options, bit);
    return options;
}

unsigned UpdateOptions(Options &held, const Options &chosen, unsigned fields, bool &written)
{
    unsigned changed = 0;
    for (const OptionKey &o : OPTION_KEYS) {
        if (!(fields & o.bit) || held.*o.field == chosen.*o.field)
            continue;
        if (!WriteMainInt(o.key, chosen.*o.field)) {
            written = false;
            continue;
        }
        held.*o.field = chosen.*o.field;
        changed |= o.bit;
    }
    return changed;
}
