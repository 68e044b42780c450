// Where the launcher keeps its settings: the user's roaming application
// data folder, filled once from the file older copies used; or the file
// beside the program, for portable use.
#include "FileTree.h"
#include "LauncherDriver.h"
#include "TestIni.h"
#include "core/text/WideText.h"

#include <fstream>
#include <iterator>

namespace {

std::string GroupNamed(const char *name) { return std::string("[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\n[G1]\r\nGNAME=") + name + "\r\n"; }

std::string Bytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(IniTest, SettingsComeFromTheUsersFolderFilledOnceFromTheOldPlace)
{
    const std::string windows = std::string(std::getenv("WINDIR")) + "\\Orvanta.ini";
    const std::string store = std::string(std::getenv("LOCALAPPDATA")) + "\\VirtualStore";
    const std::string programDir = MakeTempDir("prg");
    const std::string program = programDir + "\\Orvanta.exe", beside = programDir + "\\Orvanta.ini";
    ASSERT_TRUE(::CopyFileW(WideFromUtf8(ProgramDir() + "\\Orvanta.exe").c_str(), WideFromUtf8(program).c_str(), FALSE));
    MakeDir(store);
    MakeDir(store + "\\windows");
    const struct {
        const char *why, *inWindows, *inStore, *besideProgram, *shown;
        bool perUser;    // a file of the user's after the start
    } cases[] = {
        {"the Windows directory's", "win", nullptr, nullptr, "win", true},
        {"the VirtualStore's", nullptr, "store", nullptr, "store", true},
        {"both: the VirtualStore's", "win", "store", nullptr, "store", true},
        {"neither", nullptr, nullptr, nullptr, nullptr, false},
        {"beside the program", "win", nullptr, "beside", "beside", false},
    };
    for (const auto &c : cases) {
        RemoveIni();
        const std::pair<std::string, const char *> files[] = {
            {windows, c.inWindows}, {store + "\\windows\\Orvanta.ini", c.inStore}, {beside, c.besideProgram}};
        for (const auto &[path, name] : files) {
            ::DeleteFileW(WideFromUtf8(path).c_str());
            if (name)
                WriteBytes(path, GroupNamed(name));
        }
        std::string inWindows = c.inWindows ? GroupNamed(c.inWindows) : "";
        // The second start reads the user's file, not the old one again.
        for (int start = 0; start < 2; ++start) {
            Launcher app;
            ASSERT_TRUE(app.StartCommandLine(program, "\"" + program + "\"")) << c.why;
            ASSERT_TRUE(app.WaitWindow()) << c.why;
            const std::vector<ComboItem> shown = c.shown ? std::vector<ComboItem>{{c.shown, 1}} : std::vector<ComboItem>{};
            EXPECT_EQ(shown, app.Groups()) << c.why;
            EXPECT_EQ(c.perUser ? GroupNamed(c.shown) : "", ReadIniText()) << c.why << ": copied whole";
            EXPECT_EQ(inWindows, Bytes(windows)) << c.why << ": left as it was";
            app.Command(IDCANCEL);
            ASSERT_TRUE(app.WaitExit()) << c.why;
            if (c.perUser)
                WriteBytes(windows, inWindows = GroupNamed("changed"));
        }
    }
    ::DeleteFileW(WideFromUtf8(windows).c_str());
    RemoveTree(programDir);
    RemoveTree(store);
}

} // namespace
