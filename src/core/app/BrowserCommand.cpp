#include "core/app/BrowserCommand.h"

#include "core/text/Utf8Text.h"
#include "core/text/Ascii.h"

namespace {

const struct {
    const char *file;
    BrowserFamily family;
} FAMILIES[] = {
    {"chrome.exe", FAMILY_CHROMIUM}, {"chromium.exe", FAMILY_CHROMIUM}, {"brave.exe", FAMILY_CHROMIUM},
    {"vivaldi.exe", FAMILY_CHROMIUM}, {"msedge.exe", FAMILY_EDGE},      {"firefox.exe", FAMILY_FIREFOX},
};

// The profile, quoted: a directory such as "Profile 1" holds a blank.
// Firefox gets the name alone and never -no-remote, which would forbid
// handing the URL to its running copy.
std::string ProfileSwitch(BrowserFamily family, const std::string &profile)
{
    if (profile.empty())
        return "";
    switch (family) {
    case FAMILY_CHROMIUM:
    case FAMILY_EDGE:
        return " --profile-directory=\"" + profile + "\"";
    case FAMILY_FIREFOX:
        return " -P \"" + profile + "\"";
    case FAMILY_OTHER:
        break;
    }
    return "";
}

bool IsChromium(BrowserFamily family) { return family == FAMILY_CHROMIUM || family == FAMILY_EDGE; }

std::string FormSwitches(BrowserFamily family, int form, int window)
{
    switch (form) {
    case FORM_TAB: return window == WINDOW_NEW ? (IsChromium(family) ? " --new-window" : " -new-window") : "";
    case FORM_WINDOW: return IsChromium(family) ? " --new-window" : " -new-window";
    case FORM_FULLSCREEN: return " --new-window --start-fullscreen";
    case FORM_KIOSK: return family == FAMILY_EDGE ? " --kiosk --edge-kiosk-type=fullscreen" : " --kiosk";
    default: return "";    // FORM_APP: the URL is the switch's value
    }
}

std::string Switches(BrowserFamily family, bool isPrivate, int form, int window)
{
    switch (family) {
    case FAMILY_CHROMIUM:
    case FAMILY_EDGE:
        return std::string(!isPrivate ? "" : family == FAMILY_EDGE ? " --inprivate" : " --incognito") +
               FormSwitches(family, form, window);
    case FAMILY_FIREFOX:
        // A private window is a window of its own already: only kiosk adds to it.
        if (isPrivate)
            return std::string(form == FORM_KIOSK ? " --kiosk" : "") + " -private-window";
        return FormSwitches(family, form, window);
    case FAMILY_OTHER:
        break;
    }
    return "";
}

// The monitor named device, or the primary when it is not connected:
// Chromium gets its work area for the window, Firefox its screen's index.
std::string Placement(BrowserFamily family, int form, const std::string &device,
                      const std::vector<MonitorArea> &monitors)
{
    const int i = MonitorIndex(monitors, device);
    if (device.empty() || i < 0 || !FamilyPlaces(family, form))
        return "";
    if (family == FAMILY_FIREFOX)
        return " --kiosk-monitor " + std::to_string(FirefoxScreenIndex(monitors, i));
    const ScreenRect work = DipWorkArea(monitors, i);
    return " --window-position=" + std::to_string(work.left) + "," + std::to_string(work.top) +
           " --window-size=" + std::to_string(work.Width()) + "," + std::to_string(work.Height());
}

// Quoted (see EscapeQuotes). What begins with a dash would be read as a
// switch: Chromium takes nothing after "--" for one, Firefox takes the
// argument of "-url" as a URL.
std::string UrlArgument(BrowserFamily family, const std::string &url)
{
    const std::string quoted = "\"" + EscapeQuotes(url) + "\"";
    if (url[0] != '-')
        return " " + quoted;
    switch (family) {
    case FAMILY_CHROMIUM:
    case FAMILY_EDGE:
        return " -- " + quoted;
    case FAMILY_FIREFOX:
        return " -url " + quoted;
    case FAMILY_OTHER:
        break;
    }
    return " " + quoted;
}

} // namespace

std::string EscapeQuotes(const std::string &url)
{
    std::string escaped;
    for (const char c : url)
        escaped += c == '"' ? std::string("%22") : std::string(1, c);
    return escaped;
}

BrowserFamily FamilyOfProgram(const std::string &program)
{
    const char *file = FileNameOf(program.c_str());
    for (const auto &f : FAMILIES)
        if (EqualsNoCase(file, f.file))
            return f.family;
    return FAMILY_OTHER;
}

bool FamilyHasForm(BrowserFamily family, int form)
{
    switch (family) {
    case FAMILY_CHROMIUM:
    case FAMILY_EDGE: return form >= FORM_TAB && form < FORM_COUNT;
    case FAMILY_FIREFOX: return form == FORM_TAB || form == FORM_WINDOW || form == FORM_KIOSK;
    case FAMILY_OTHER: break;
    }
    return form == FORM_TAB;
}

bool FamilyPlaces(BrowserFamily family, int form)
{
    if (form == FORM_TAB || !FamilyHasForm(family, form))
        return false;
    return IsChromium(family) || form == FORM_KIOSK;
}

int OpeningForm(const ListedBrowser &browser)
{
    return FamilyHasForm(FamilyOfProgram(browser.program), browser.form) ? browser.form : FORM_TAB;
}

std::string BrowserCommandLine(const ListedBrowser &browser, const std::string &url, int window,
                               const std::vector<MonitorArea> &monitors)
{
    const BrowserFamily family = FamilyOfProgram(browser.program);
    std::string line = "\"" + browser.program + "\"";
    if (browser.bManual) {
        line += browser.args.empty() ? "" : " " + browser.args;
        return url.empty() ? line : line + UrlArgument(family, url);
    }
    int form = OpeningForm(browser);
    // An app window needs its page: the home page opens in a window.
    if (form == FORM_APP && url.empty())
        form = FORM_WINDOW;
    line += ProfileSwitch(family, browser.profile) + Switches(family, browser.bPrivate != 0, form, window) +
            Placement(family, form, browser.monitor, monitors);
    if (form == FORM_APP)
        return line + " --app=\"" + EscapeQuotes(url) + "\"";
    return url.empty() ? line : line + UrlArgument(family, url);
}
