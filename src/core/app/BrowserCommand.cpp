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

std::string Switches(BrowserFamily family, bool isPrivate, bool newWindow)
{
    switch (family) {
    case FAMILY_CHROMIUM:
        return std::string(isPrivate ? " --incognito" : "") + (newWindow ? " --new-window" : "");
    case FAMILY_EDGE:
        return std::string(isPrivate ? " --inprivate" : "") + (newWindow ? " --new-window" : "");
    case FAMILY_FIREFOX:
        // A private window is a window of its own already.
        return isPrivate ? " -private-window" : newWindow ? " -new-window" : "";
    case FAMILY_OTHER:
        break;
    }
    return "";
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

std::string BrowserCommandLine(const ListedBrowser &browser, const std::string &url, int window)
{
    const BrowserFamily family = FamilyOfProgram(browser.program);
    std::string line = "\"" + browser.program + "\"";
    if (browser.bManual)
        line += browser.args.empty() ? "" : " " + browser.args;
    else
        line += ProfileSwitch(family, browser.profile) + Switches(family, browser.bPrivate != 0, window == WINDOW_NEW);
    return url.empty() ? line : line + UrlArgument(family, url);
}
