// Any bytes as "Orvanta.ini": the group store reads every group, saves one
// and reads it back, through our INI functions.
#include "core/settings/GroupList.h"
#include "core/settings/SettingsFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = Folder() + "/" INI_FILE;
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    CGroupList groups;
    groups.LoadGroups();
    for (int n = 0; n <= MAX_GROUPS + 1; ++n) {
        char name[GROUP_NAME_SIZE];
        if (groups.ReadGroupName(n, name) && std::strlen(name) > 1022)
            std::abort();
        const int count = groups.LoadGroupUrls(n);
        if (count > MAX_URLS)
            std::abort();
        for (int i = 0; i < count; ++i)
            if (theUrlTable.text[i][0] != ' ' || std::strlen(theUrlTable.text[i]) >= URL_TEXT_SIZE)
                std::abort();
        if (count > 0) {
            groups.SaveGroup(n, name, count);
            if (groups.LoadGroupUrls(n) != count)
                std::abort();
        }
    }
    groups.WriteCurrentGroup(ReadMainInt(KEY_G_PREV, 0));
    return 0;
}
