#include "bookmarks/LocalProfiles.h"

#include <windows.h>

#include <shlobj.h>

std::vector<ChromiumProfile> FindLocalChromiumProfiles()
{
    char dir[MAX_PATH];
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, dir)))
        return {};
    return FindChromiumProfiles(dir);
}
