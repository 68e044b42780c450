#include "bookmarks/NetscapeProfile.h"

#include "core/bookmarks/NavigatorVersion.h"
#include "core/bookmarks/Nsreg.h"
#include "links/Registry.h"
#include "core/text/Utf8Text.h"
#include "core/text/WideText.h"

#include <cstring>
#include <string>

namespace {

const char NAVIGATOR_KEY[] = "SOFTWARE\\Netscape\\Netscape Navigator";
const char USERS_KEY[] = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";

// Before 4.5: "CurrentUser" names the profile, its key's "DirRoot" is the directory.
int FindRegistryProfileDir(char *dir)
{
    char user[REG_VALUE_SIZE], root[REG_VALUE_SIZE];
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, USERS_KEY, "CurrentUser", user, sizeof user))
        return 0;
    const std::string key = std::string(USERS_KEY) + "\\" + user;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), "DirRoot", root, sizeof root))
        return 0;
    std::memcpy(dir, root, std::strlen(root) + 1);
    return 1;
}

} // namespace

bool NsregOpen(CFileStream &file)
{
    wchar_t windows[MAX_PATH];
    const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    return file.Open(JoinPath(Utf8FromWide(windows), "nsreg.dat").c_str());
}

int FindNetscapeProfileDir(char *dir)
{
    char version[REG_VALUE_SIZE];
    DWORD length;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, NAVIGATOR_KEY, "CurrentVersion", version, sizeof version, &length))
        return 0;
    switch (ProfilePlaceForVersion(version, length)) {
    case PROFILE_REGISTRY:
        return FindRegistryProfileDir(dir);
    case PROFILE_NSREG: {
        CFileStream file;
        return NsregOpen(file) ? NsregFindProfileDir(file, dir, PROFILE_DIR_SIZE) : 0;
    }
    case PROFILE_NONE:
        break;
    }
    return 0;
}
