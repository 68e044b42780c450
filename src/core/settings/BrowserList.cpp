#include "core/settings/BrowserList.h"

#include "core/settings/SettingsFile.h"

namespace {

std::string Section(int n) { return "Browser" + std::to_string(n); }

// The words of "Window", in the order of WindowForm.
const char *const FORM_NAMES[FORM_COUNT] = {"tab", "window", "app", "fullscreen", "kiosk"};

int FormOfName(const std::string &name)
{
    for (int form = 0; form < FORM_COUNT; ++form)
        if (name == FORM_NAMES[form])
            return form;
    return FORM_TAB;
}

} // namespace

bool ReadListedBrowser(int n, ListedBrowser &browser)
{
    if (n < 1 || n > MAX_BROWSERS)
        return false;
    const std::string section = Section(n);
    browser.name = ReadIniString(section.c_str(), "Name");
    if (browser.name.empty())
        return false;
    browser.program = ReadIniString(section.c_str(), "Program");
    browser.args = ReadIniString(section.c_str(), "Args");
    browser.bPrivate = static_cast<int>(ProfileReadInt(section.c_str(), "Private", 0, SettingsFile())) != 0;
    browser.bManual = static_cast<int>(ProfileReadInt(section.c_str(), "Manual", 0, SettingsFile())) != 0;
    browser.profile = ReadIniString(section.c_str(), "Profile");
    browser.form = FormOfName(ReadIniString(section.c_str(), "Window"));
    browser.monitor = ReadIniString(section.c_str(), "Monitor");
    return true;
}

bool WriteListedBrowser(int n, const ListedBrowser &browser)
{
    std::vector<ProfileEntry> entries = {{"Name", browser.name}, {"Program", browser.program}};
    if (browser.bManual) {
        entries.push_back({"Args", browser.args});
        entries.push_back({"Manual", "1"});
    } else {
        if (browser.bPrivate)
            entries.push_back({"Private", "1"});
        if (!browser.profile.empty())
            entries.push_back({"Profile", browser.profile});
        if (browser.form > FORM_TAB && browser.form < FORM_COUNT)
            entries.push_back({"Window", FORM_NAMES[browser.form]});
        if (!browser.monitor.empty())
            entries.push_back({"Monitor", browser.monitor});
    }
    return WriteIniSection(Section(n).c_str(), std::move(entries));
}

bool RemoveListedBrowser(int n) { return WriteIniString(Section(n).c_str(), nullptr, nullptr); }

int FreeBrowserNumber()
{
    ListedBrowser browser;
    for (int n = 1; n <= MAX_BROWSERS; ++n)
        if (!ReadListedBrowser(n, browser))
            return n;
    return -1;
}
