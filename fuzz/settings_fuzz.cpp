// Any bytes as "Orvanta.ini", in the code page or UTF-16LE, through our INI
// functions: every name and value reads as UTF-8, cut to the buffer on a
// whole character; the group store reads every group within the table's
// limits, then saves each group and reads it back. A saved group reads back
// exactly as it was read (its URLs without the control characters the
// writer leaves out, and whole up to the length the file gives back whole:
// a character the code page lacks turns the file into UTF-16), and saving
// one group changes no other. Each listed browser has a known form, a
// command line that starts with its program, and reads back as written.
#include "FuzzCheck.h"
#include "core/app/BrowserCommand.h"
#include "core/settings/GroupList.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string Folder()
{
    static std::string dir;
    if (dir.empty()) {
        char pattern[] = "/tmp/orvanta-fuzz-XXXXXX";
        dir = mkdtemp(pattern);
        SetProfileDirectory(dir.c_str());
    }
    return dir;
}

struct Entry {
    int kind;
    std::string url;
};

// The group's entries, read into theUrlTable; none for a missing group.
std::vector<Entry> Load(const CGroupList &groups, int n)
{
    const int count = groups.LoadGroupUrls(n);
    Check(count <= MAX_URLS && (count >= 0) == (groups.IsGroup(n) != 0));
    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i) {
        const char *text = theUrlTable.text[i];
        Check(text[0] == ' ' && std::strlen(text) < URL_TEXT_SIZE && !std::strpbrk(text + 1, " \t"));
        Check(IsEntryKind(theUrlTable.kind[i]));
        entries.push_back({theUrlTable.kind[i], text + 1});
    }
    return entries;
}

// Read back after a save: the same kinds, each URL as the writer stored it.
void CheckSaved(const std::vector<Entry> &read, const std::vector<Entry> &saved)
{
    Check(read.size() == saved.size());
    for (size_t i = 0; i < read.size(); ++i) {
        const std::string stored = WithoutControlChars(saved[i].url);
        const std::string &url = read[i].url;
        Check(read[i].kind == saved[i].kind);
        Check(StoredLength(stored) <= MAX_URL_CHARS ? url == stored
                                                    : StoredLength(url) <= MAX_URL_CHARS && url.size() < stored.size() &&
                                                          stored.compare(0, url.size(), url) == 0);
    }
}

// Every list and value of the file through ProfileReadString: UTF-8, each
// list ended by two NULs within the buffer (the sanitizer sees a walk past it).
void CheckEveryValue()
{
    char sections[512], keys[512], value[64];
    ProfileReadString(nullptr, nullptr, "", sections, sizeof sections, SettingsFile());
    for (const char *s = sections; *s; s += std::strlen(s) + 1) {
        Check(ValidUtf8(s) == s);
        ProfileReadString(s, nullptr, "", keys, sizeof keys, SettingsFile());
        for (const char *k = keys; *k; k += std::strlen(k) + 1) {
            const size_t n = ProfileReadString(s, k, "", value, sizeof value, SettingsFile());
            Check(n < sizeof value && std::strlen(value) <= n && ValidUtf8(value) == value);
        }
    }
}

void CheckBrowsers()
{
    const std::vector<MonitorArea> monitors = {
        {"\\\\.\\DISPLAY1", {0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 144, true},
        {"\\\\.\\DISPLAY2", {1920, -200, 3840, 880}, {1920, -200, 3840, 880}, 96, false},
    };
    for (int n = 1; n <= MAX_BROWSERS; ++n) {
        ListedBrowser browser, again;
        if (!ReadListedBrowser(n, browser))
            continue;
        Check(browser.form >= FORM_TAB && browser.form < FORM_COUNT && MonitorNumber(browser.monitor) >= 0);
        const std::string program = "\"" + browser.program + "\"";
        Check(BrowserCommandLine(browser, "http://a/", WINDOW_TAB, monitors).compare(0, program.size(), program) == 0);
        if (WriteListedBrowser(n, browser))
            Check(ReadListedBrowser(n, again) && again.form == (browser.bManual ? FORM_TAB : browser.form) &&
                  again.monitor == (browser.bManual ? "" : browser.monitor));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = Folder() + "/" INI_FILE_NAME;
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CheckEveryValue();
    CGroupList groups;
    const int previous = groups.LoadGroups();
    std::vector<Entry> before[MAX_GROUPS + 2];
    for (int n = 0; n <= MAX_GROUPS + 1; ++n)
        before[n] = Load(groups, n);

    for (int n = 0; n <= MAX_GROUPS + 1; ++n) {
        if (before[n].empty())
            continue;
        char name[GROUP_NAME_SIZE];
        Check(groups.ReadGroupName(n, name) && StoredLength(name) <= MAX_GROUP_NAME_CHARS);
        Load(groups, n);
        groups.SaveGroup(n, name, static_cast<int>(before[n].size()));
        CheckSaved(Load(groups, n), before[n]);
    }
    for (int n = 0; n <= MAX_GROUPS + 1; ++n)
        if (!before[n].empty())
            CheckSaved(Load(groups, n), before[n]);

    groups.WriteCurrentGroup(previous);
    Check(ReadMainInt(KEY_G_PREV, ~previous) == previous);
    CheckBrowsers();
    return 0;
}
