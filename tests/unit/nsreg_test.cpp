#include "NsregImage.h"
#include "core/bookmarks/NavigatorVersion.h"
#include "core/bookmarks/Nsreg.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Found {
    int ok;
    std::string dir;
};

Found ProfileDir(const NsregImage &image)
{
    CMemoryStream stream(image.Bytes().data(), image.Bytes().size());
    char dir[1024] = "unchanged";
    const int ok = NsregFindProfileDir(stream, dir, sizeof dir);
    return {ok, dir};
}

const char DIR[] = "C:\\Program Files\\Netscape\\Users\\taro";

TEST(Nsreg, ProfileLocationOfTheLastUser)
{
    const Found found = ProfileDir(ProfileImage("taro", "taro", DIR));
    EXPECT_EQ(1, found.ok);
    EXPECT_EQ(DIR, found.dir);
}

TEST(Nsreg, ProfileLocationIsReadInTheCodePage)
{
    // A folder ending in 表, whose second byte in code page 932 is a backslash.
    const Found found = ProfileDir(ProfileImage("taro", "taro", "C:\\Users\\\x95\x5c"));
    EXPECT_EQ(1, found.ok);
    EXPECT_EQ("C:\\Users\\表", found.dir);
}

TEST(Nsreg, NamesMatchCaseSensitively)
{
    EXPECT_EQ(0, ProfileDir(ProfileImage("taro", "Taro", DIR)).ok);
}

// The damages a file from outside can have, each of which ends the lookup
// with failure (and in bounded time).
struct Damage {
    const char *what;
    void (*apply)(NsregImage &image);
};

uint32_t FindNode(const NsregImage &image, const char *name)
{
    const std::string &bytes = image.Bytes();
    const size_t at = bytes.find(std::string(name) + '\0');
    // The record follows its name.
    return static_cast<uint32_t>(at + std::string(name).size() + 1);
}

const Damage DAMAGES[] = {
    {"root offset 0", [](NsregImage &i) { i.SetRootOffset(0); }},
    {"root offset past the end", [](NsregImage &i) { i.SetRootOffset(0x7FFFFFF0); }},
    {"header cut", [](NsregImage &i) { i.Truncate(10); }},
    {"a name offset 0 in the chain before the wanted key",
     [](NsregImage &i) { i.SetField32(FindNode(i, "other"), 4, 0); }},
    {"a sibling chain that loops",
     [](NsregImage &i) {
         const uint32_t other = FindNode(i, "other");
         i.SetField32(other, 12, other);
     }},
    {"a child chain that points back to its parent",
     [](NsregImage &i) {
         const uint32_t common = FindNode(i, "Common");
         i.SetField32(common, 16, common);
     }},
    {"a sibling chain that runs past the end",
     [](NsregImage &i) { i.SetField32(FindNode(i, "other"), 12, static_cast<uint32_t>(i.Bytes().size() + 64)); }},
    {"a record cut by the end of the file", [](NsregImage &i) { i.Truncate(FindNode(i, "ProfileLocation") + 20); }},
    {"a name that runs past the end",
     [](NsregImage &i) { i.SetField32(FindNode(i, "other"), 4, static_cast<uint32_t>(i.Bytes().size() - 2)); }},
    {"a name longer than the name buffer", [](NsregImage &i) { i.SetField16(FindNode(i, "other"), 8, 300); }},
    {"a value offset 0", [](NsregImage &i) { i.SetField32(FindNode(i, "ProfileLocation"), 20, 0); }},
    {"a value longer than the value buffer",
     [](NsregImage &i) {
         const uint32_t entry = FindNode(i, "LastNetscapeUser");
         i.SetField32(entry, 20, i.AddBytes(std::string(600, 'u') + '\0'));
         i.SetField32(entry, 24, 601);
     }},
    {"a value that runs past the end",
     [](NsregImage &i) {
         const uint32_t entry = FindNode(i, "ProfileLocation");
         i.SetField32(entry, 20, static_cast<uint32_t>(i.Bytes().size() - 3));
         i.SetField32(entry, 24, 10);
     }},
    {"a key whose value length is not 0", [](NsregImage &i) { i.SetField32(FindNode(i, "ProfileManager"), 24, 1); }},
    {"a key without entries", [](NsregImage &i) { i.SetField32(FindNode(i, "ProfileManager"), 20, 0); }},
};

TEST(Nsreg, DamagedFilesGiveNothing)
{
    for (const Damage &d : DAMAGES) {
        NsregImage image = ProfileImage("taro", "taro", DIR);
        d.apply(image);
        const Found found = ProfileDir(image);
        EXPECT_EQ(0, found.ok) << d.what;
        EXPECT_EQ("unchanged", found.dir) << d.what;
    }
}

TEST(Nsreg, ValueStoredWithoutItsNulGetsOne)
{
    NsregImage image = ProfileImage("taro", "taro", DIR);
    const uint32_t entry = FindNode(image, "ProfileLocation");
    image.SetField32(entry, 20, image.AddBytes("D:\\p"));
    image.SetField32(entry, 24, 4);
    image.AddBytes("garbage after the value");
    EXPECT_EQ("D:\\p", ProfileDir(image).dir);
}

TEST(Nsreg, ValueFillingTheBufferNeedsItsOwnNul)
{
    for (const bool withNul : {true, false}) {
        NsregImage image = ProfileImage("taro", "taro", DIR);
        const uint32_t entry = FindNode(image, "ProfileLocation");
        const std::string value = std::string(NSREG_VALUE_SIZE - 1, 'p') + (withNul ? '\0' : 'q');
        image.SetField32(entry, 20, image.AddBytes(value));
        image.SetField32(entry, 24, NSREG_VALUE_SIZE);
        const Found found = ProfileDir(image);
        EXPECT_EQ(withNul ? 1 : 0, found.ok);
        if (withNul) {
            EXPECT_EQ(std::string(NSREG_VALUE_SIZE - 1, 'p'), found.dir);
        }
    }
}

TEST(Nsreg, FindKeyYieldsTheOwnOffsetFieldOfTheNodeReached)
{
    NsregImage image = ProfileImage("taro", "taro", DIR);
    const uint32_t manager = FindNode(image, "ProfileManager");
    image.SetField32(manager, 0, 0x1234);
    CMemoryStream stream(image.Bytes().data(), image.Bytes().size());
    const char *const path[] = {"Common", "Netscape", "ProfileManager"};
    uint32_t key = 0;
    EXPECT_EQ(1, NsregFindKey(stream, path, 3, key));
    EXPECT_EQ(0x1234u, key);
    const char *const wrong[] = {"Common", "ProfileManager"};
    EXPECT_EQ(0, NsregFindKey(stream, wrong, 2, key));
}

TEST(Nsreg, EntryNodeTakesTheLowBitsOfFieldSixteenAsItsBufferSize)
{
    NsregImage image = ProfileImage("taro", "taro", DIR);
    const uint32_t entry = FindNode(image, "ProfileLocation");
    image.SetField32(entry, 16, 0xABCD0042);
    const uint32_t key = FindNode(image, "Users");
    CMemoryStream stream(image.Bytes().data(), image.Bytes().size());
    NsregNode node;
    ASSERT_EQ(32, NsregReadNode(stream, entry, node));
    EXPECT_EQ(0u, node.down);
    EXPECT_EQ(0x42u, node.valueBufSize);
    ASSERT_EQ(32, NsregReadNode(stream, key, node));
    EXPECT_EQ(FindNode(image, "other"), node.down);
    EXPECT_EQ(0u, node.valueBufSize);
    EXPECT_EQ(-1, NsregReadNode(stream, static_cast<uint32_t>(image.Bytes().size() - 31), node));
}

struct VersionCase {
    std::string value;
    int major, minor;
    ProfilePlace place;
};

TEST(NavigatorVersion, MajorAndFirstMinorDigitChooseThePlace)
{
    const VersionCase cases[] = {
        {std::string("4.08 (ja)\0", 10), 4, 0, PROFILE_REGISTRY},
        {std::string("4.7 (ja)\0", 9), 4, 7, PROFILE_NSREG},
        {std::string("4.51\0", 5), 4, 5, PROFILE_NSREG},
        {std::string("4.5\0", 4), 4, 5, PROFILE_NSREG},
        {std::string("4.49\0", 5), 4, 4, PROFILE_REGISTRY},
        {std::string("6.2\0", 4), 6, 2, PROFILE_NSREG},
        {std::string("10.0\0", 5), 10, 0, PROFILE_NSREG},
        {std::string("3.04\0", 5), 3, 0, PROFILE_NONE},
        {std::string("v4.7\0", 5), 0, 4, PROFILE_NONE},
        {std::string("\0", 1), 0, 0, PROFILE_NONE},
        {std::string(), 0, 0, PROFILE_NONE},
        {std::string("4\0", 2), 4, 0, PROFILE_REGISTRY},
        {std::string("4.\0", 3), 4, 0, PROFILE_REGISTRY},
        {std::string("4.x\0", 4), 4, 0, PROFILE_REGISTRY},
        {std::string("4 9\0", 4), 4, 9, PROFILE_NSREG},
        // The minor digit must lie within the length the query returned.
        {std::string("4.7", 2), 4, 0, PROFILE_REGISTRY},
        {std::string("4.7", 3), 4, 7, PROFILE_NSREG},
        {std::string("99999999999999999999.1\0", 23), 1000, 1, PROFILE_NSREG},
        {std::string("999.1\0", 6), 999, 1, PROFILE_NSREG},
    };
    for (const VersionCase &c : cases) {
        int major = -1, minor = -1;
        ParseNavigatorVersion(c.value.data(), c.value.size(), major, minor);
        EXPECT_EQ(c.major, major) << c.value;
        EXPECT_EQ(c.minor, minor) << c.value;
        EXPECT_EQ(c.place, ProfilePlaceForVersion(c.value.data(), c.value.size())) << c.value;
    }
}

} // namespace
