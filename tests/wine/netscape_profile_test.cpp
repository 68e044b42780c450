// The Netscape profile lookup against this prefix's registry and Windows
// directory.
#include "NsregImage.h"
#include "PickerDriver.h"
#include "bookmarks/NetscapeProfile.h"
#include "core/text/Utf8Text.h"
#include "links/Registry.h"

#include <gtest/gtest.h>

namespace {

const char NAVIGATOR_KEY[] = "SOFTWARE\\Netscape\\Netscape Navigator";
const char USERS_KEY[] = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";

class NetscapeProfile : public ::testing::Test {
protected:
    void TearDown() override
    {
        DeleteKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Netscape");
        ::DeleteFileA(NsregPath().c_str());
    }
    static std::string NsregPath() { return JoinPath(WindowsDir(), "nsreg.dat"); }
};

struct ProfileCase {
    const char *what;
    const char *version;       // null: no "CurrentVersion"
    bool registryUsers;        // "CurrentUser" taro, its "DirRoot" C:\reg\taro
    const char *nsregProfile;  // null: no nsreg.dat; else the key under Users
    int found;
    const char *dir;
};

TEST_F(NetscapeProfile, VersionChoosesTheRegistryOrNsregAndNeverBoth)
{
    const ProfileCase cases[] = {
        {"4.08 reads the registry", "4.08", true, "taro", 1, "C:\\reg\\taro"},
        {"4.08 without a current user", "4.08", false, "taro", 0, ""},
        {"4.7 reads nsreg.dat", "4.7 (ja)", true, "taro", 1, "C:\\ns\\taro"},
        {"4.51 reads nsreg.dat", "4.51", false, "taro", 1, "C:\\ns\\taro"},
        {"6.0 reads nsreg.dat", "6.0", false, "taro", 1, "C:\\ns\\taro"},
        {"4.5 without nsreg.dat does not fall back to the registry", "4.5", true, nullptr, 0, ""},
        {"names in nsreg.dat match case-sensitively", "4.7", false, "Taro", 0, ""},
        {"3.04 is too old", "3.04", true, "taro", 0, ""},
        {"a version not starting with a digit", "x4.7", true, "taro", 0, ""},
        {"no version", nullptr, true, "taro", 0, ""},
    };
    for (const ProfileCase &c : cases) {
        if (c.version)
            SetRegString(HKEY_LOCAL_MACHINE, NAVIGATOR_KEY, "CurrentVersion", c.version);
        if (c.registryUsers) {
            SetRegString(HKEY_LOCAL_MACHINE, USERS_KEY, "CurrentUser", "taro");
            SetRegString(HKEY_LOCAL_MACHINE, std::string(USERS_KEY) + "\\taro", "DirRoot", "C:\\reg\\taro");
        }
        if (c.nsregProfile)
            WriteBytes(NsregPath(), ProfileImage("taro", c.nsregProfile, "C:\\ns\\taro").Bytes());
        char dir[PROFILE_DIR_SIZE] = "";
        EXPECT_EQ(c.found, FindNetscapeProfileDir(dir)) << c.what;
        if (c.found) {
            EXPECT_STREQ(c.dir, dir) << c.what;
        }
        TearDown();
    }
}

TEST_F(NetscapeProfile, RegistryValueLongerThanItsBufferGivesNothing)
{
    SetRegString(HKEY_LOCAL_MACHINE, NAVIGATOR_KEY, "CurrentVersion", "4.08");
    SetRegString(HKEY_LOCAL_MACHINE, USERS_KEY, "CurrentUser", "taro");
    SetRegString(HKEY_LOCAL_MACHINE, std::string(USERS_KEY) + "\\taro", "DirRoot", std::string(REG_VALUE_SIZE, 'd'));
    char dir[PROFILE_DIR_SIZE] = "";
    EXPECT_EQ(0, FindNetscapeProfileDir(dir));
}

} // namespace
