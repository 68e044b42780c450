#include "core/settings/BrowserList.h"

#include "core/settings/SettingsFile.h"

namespace {

std::string Section(int n) { return "Browser" + std::to_string(n); }

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
    return true;
}

void WriteListedBrowser(int n, const ListedBrowser &browser)
{
    const std::string section = Section(n);
    WriteIniString(section.c_str(), nullptr, nullptr);
    WriteIniString(section.c_str(), "Name", browser.name.c_str());
    WriteIniString(section.c_str(), "Program", browser.program.c_str());
    if (browser.bManual) {
        WriteIniString(section.c_str(), "Args", browser.args.c_str());
        WriteIniInt(section.c_str(), "Manual", 1);
    } else if (browser.bPrivate) {
        WriteIniInt(section.c_str(), "Private", 1);
    }
}

void RemoveListedBrowser(int n) { WriteIniString(Section(n).c_str(), nullptr, nullptr); }

int FreeBrowserNumber()
{
    ListedBrowser browser;
    for (int n = 1; n <= MAX_BROWSERS; ++n)
        if (!ReadListedBrowser(n, browser))
            return n;
    return -1;
}
