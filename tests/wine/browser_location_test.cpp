// Where the program finds Netscape Navigator and which browser is the
// default one, from the registry of the test's prefix.
#include "FakeBrowsers.h"
#include "links/BrowserLocation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char *const NO_VALUE = "<no default value>";

// nullptr: no key; NO_VALUE: a key without a default value.
void SetKey(HKEY root, const char *key, const char *value)
{
    ASSERT_TRUE(DeleteKeyTree(root, key));
    if (!value)
        return;
    if (std::strcmp(value, NO_VALUE) == 0)
        ASSERT_TRUE(SetKeyValue(root, key, "Other", REG_SZ, std::string("x", 2)));
    else
        ASSERT_TRUE(SetKeyDefault(root, key, value));
}

struct LocateCase {
    const char *name;
    const char *appPath;
    const char *localServer;
    int result;
    const char *path;    // null: the buffer keeps what it held
};

const std::string LONGEST = "C:\\" + std::string(504, 'n') + ".exe";    // 511 bytes and the terminator
const std::string TOO_LONG = LONGEST + "x";

TEST(LocateNetscape, AppPathsFirstThenTheComServerTakenWhole)
{
    const char *server = "\"C:\\Program Files\\Netscape\\Communicator\\Program\\netscape.exe\" -automation";
    const LocateCase cases[] = {
        {"both", "C:\\nn\\netscape.exe", server, 0, "C:\\nn\\netscape.exe"},
        {"app path only", "C:\\nn\\netscape.exe", nullptr, 0, "C:\\nn\\netscape.exe"},
        {"server only", nullptr, server, 0, server},
        {"app path key without value", NO_VALUE, server, 0, server},
        {"empty app path", "", server, 0, server},
        {"cp932 path", "C:\\\x95\x5c\\netscape.exe", nullptr, 0, "C:\\表\\netscape.exe"},
        {"longest that fits", LONGEST.c_str(), server, 0, LONGEST.c_str()},
        {"app path too long", TOO_LONG.c_str(), server, 0, server},
        {"both too long", TOO_LONG.c_str(), TOO_LONG.c_str(), -1, nullptr},
        {"server key without value", nullptr, NO_VALUE, -1, nullptr},
        {"neither", nullptr, nullptr, -1, nullptr},
    };
    for (const LocateCase &c : cases) {
        SetKey(HKEY_LOCAL_MACHINE, APP_PATHS_NETSCAPE, c.appPath);
        SetKey(HKEY_CLASSES_ROOT, CLSID_NETSCAPE_SERVER, c.localServer);
        char out[NETSCAPE_PATH_SIZE] = "kept";
        EXPECT_EQ(c.result, LocateNetscape(out)) << c.name;
        EXPECT_STREQ(c.path ? c.path : "kept", out) << c.name;
        EXPECT_EQ(c.result, LocateNetscape(nullptr)) << c.name;
    }
}

struct KindCase {
    const char *htm;
    int kind;
};

TEST(DefaultBrowserKind, HtmClassNamesTheBrowserCaseCounting)
{
    const KindCase cases[] = {
        {"htmlfile", 1},       {"NetscapeMarkup", 0},    {"HTMLFile", -1},  {"netscapemarkup", -1},
        {"htmlfile ", -1},     {"FirefoxHTML", -1},      {"", -1},          {NO_VALUE, -1},
        {nullptr, -1},         {TOO_LONG.c_str(), -1},
    };
    for (const KindCase &c : cases) {
        SetKey(HKEY_CLASSES_ROOT, ".htm", c.htm);
        EXPECT_EQ(c.kind, GetDefaultBrowserKind()) << (c.htm ? c.htm : "no key");
    }
    SetKey(HKEY_CLASSES_ROOT, ".htm", "htmlfile");
}

// Where the user chose a browser for "http" links (the newer key before a
// stale older one), the choice decides whatever ".htm" says; an empty one
// is no choice.
TEST(DefaultBrowserKind, TheUsersChoiceForHttpDecidesWhereThereIsOne)
{
    const std::string http = "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\";
    const struct {
        const char *choice, *latest;
        int kind;
    } cases[] = {{"IE.HTTP", nullptr, 1},      {"ie.https", nullptr, 1},     {"htmlfile", nullptr, 1}, {"ChromeHTML", nullptr, -1},
                 {"IE.HTTP", "MSEdgeHTM", -1}, {"ChromeHTML", "IE.HTTP", 1}, {"", nullptr, 0},         {nullptr, nullptr, 0}};
    SetKey(HKEY_CLASSES_ROOT, ".htm", "NetscapeMarkup");
    for (const auto &c : cases) {
        for (const auto &[key, progId] : {std::make_pair("UserChoice", c.choice), std::make_pair("UserChoiceLatest\\ProgId", c.latest)}) {
            ASSERT_TRUE(DeleteKeyTree(HKEY_CURRENT_USER, http + key));
            if (progId) {
                ASSERT_TRUE(SetKeyValue(HKEY_CURRENT_USER, http + key, "ProgId", REG_SZ, std::string(progId) + '\0'));
            }
        }
        EXPECT_EQ(c.kind, GetDefaultBrowserKind()) << (c.choice ? c.choice : "none") << " / " << (c.latest ? c.latest : "none");
    }
}

} // namespace
