// Settings files the program did not write: it still starts, shows what it
// can, and closes without harm.
#include "LauncherDriver.h"
#include "TestIni.h"

#include <random>

namespace {

using HostileSettings = IniTest;

// Tests run as root here, where a read-only attribute does not stop a
// write; a file another program holds without sharing write access does.
TEST_F(HostileSettings, UnwritableFileIsLeftAsItWas)
{
    const std::string before = "[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\n[G1]\r\nGNAME=kept\r\nURL_Num=0\r\n";
    WriteIniText(before);
    HANDLE lock = ::CreateFileA(IniPath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    EXPECT_EQ((std::vector<ComboItem>{{"kept", 1}}), app.Groups());
    app.Close();
    ASSERT_TRUE(app.WaitExit());
    ::CloseHandle(lock);
    EXPECT_EQ(before, ReadIniText());
}

TEST_F(HostileSettings, FiveMegabytesOfGarbageGiveTheDefaults)
{
    std::mt19937 random(1234);
    std::string garbage(5 * 1024 * 1024, '\0');
    for (char &c : garbage)
        c = static_cast<char>(random());
    WriteIniText(garbage);
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow(60000));
    EXPECT_TRUE(app.Groups().empty());
    app.Close();
    ASSERT_TRUE(app.WaitExit(60000));
    EXPECT_EQ("0", ReadIniValue("Orvanta", "G_PREV"));
    EXPECT_NE("<missing>", ReadIniValue("Orvanta", "XPOS"));
}

TEST_F(HostileSettings, OverlongGroupIndexListsTheGroupsInItsFirst510Characters)
{
    std::string index = "2 ";
    while (index.size() < 600)
        index += "0 ";
    WriteIniText("[Orvanta]\r\nG_NUM=" + index + "7\r\n[G2]\r\nGNAME=two\r\n[G7]\r\nGNAME=seven\r\n");
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    EXPECT_EQ((std::vector<ComboItem>{{"two", 2}}), app.Groups());
}

TEST_F(HostileSettings, OverlongNamesAreCutNotOverrun)
{
    const std::string name(5000, 'n');
    WriteIniText("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=" + name + "\r\nURL_Num=1\r\nUL1=IE " + std::string(5000, 'u') +
                 "\r\n");
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    const std::vector<ComboItem> groups = app.Groups();
    ASSERT_EQ(1u, groups.size());
    EXPECT_EQ(name.substr(0, 1022), groups[0].text);
    app.Close();
    ASSERT_TRUE(app.WaitExit());
}

} // namespace
