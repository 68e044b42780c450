#include "bookmarks/NetscapeProfile.h"

#include "bookmarks/NavigatorVersion.h"
#include "bookmarks/Nsreg.h"
#include "bookmarks/Registry.h"
#include "bookmarks/SystemPath.h"

#include <cstring>
#include <string>

namespace {

const char NAVIGATOR_KEY[] = "SOFTWARE\\Netscape\\Netscape Navigator";
const char USERS_KEY[] = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";

// Before 4.5: "CurrentUser" names the profile, its key's "DirRoot" is the directory.
int FindRegistryProfileDir(char *dir)
{
    char user[REG_VALUE_SIZE], root[REG_VALUE_SIZE];
    DWORD length;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, USERS_KEY, "CurrentUser", user, length))
        return 0;
    const std::string key = std::string(USERS_KEY) + "\\" + user;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), "DirRoot", root, length))
        return 0;
    std::memcpy(dir, root, std::strlen(root) + 1);
    return 1;
}

} // namespace

bool NsregOpen(CFileStream &file)
{
    char windows[1024];
    const UINT length = ::GetWindowsDirectoryA(windows, 1023);
    if (length == 0 || length > 1023)
        return false;
    return file.Open(JoinSystemPath(windows, "nsreg.dat").c_str());
}

int FindNetscapeProfileDir(char *dir)
{
    char version[REG_VALUE_SIZE];
    DWORD length;
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, NAVIGATOR_KEY, "CurrentVersion", version, length))
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
