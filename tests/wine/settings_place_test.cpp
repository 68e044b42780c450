// Where the launcher keeps its settings: the user's roaming application
// data folder, filled once from the file older copies used; or the file
// beside the program, for portable use.
#include "FileTree.h"
#include "LauncherDriver.h"
#include "TestIni.h"
#include "core/text/WideText.h"

#include <shlobj.h>

namespace {

std::string KnownFolder(REFKNOWNFOLDERID id)
{
    wchar_t *path = nullptr;
    ::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path);
    const std::string folder = Utf8FromWide(path ? path : L"");
    ::CoTaskMemFree(path);
    return folder;
}

std::string GroupNamed(const char *name) { return std::string("[Orvanta]\r\nG_NUM=1\r\nG_PREV=1\r\n[G1]\r\nGNAME=") + name + "\r\n"; }

std::string Bytes(const std::string &path)
{
    std::string bytes;
    if (FILE *f = ::_wfopen(WideFromUtf8(path).c_str(), L"rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;)
            bytes += static_cast<char>(c);
        std::fclose(f);
    }
    return bytes;
}

TEST_F(IniTest, SettingsComeFromTheUsersFolderFilledOnceFromTheOldPlace)
{
    const std::string windows = KnownFolder(FOLDERID_Windows) + "\\Orvanta.ini";
    const std::string storeDir = KnownFolder(FOLDERID_LocalAppData) + "\\VirtualStore\\windows";
    const std::string store = storeDir + "\\Orvanta.ini";
    const std::string programDir = MakeTempDir("prg");
    const std::string program = programDir + "\\Orvanta.exe", beside = programDir + "\\Orvanta.ini";
    ASSERT_TRUE(::CopyFileW(WideFromUtf8(ProgramDir() + "\\Orvanta.exe").c_str(), WideFromUtf8(program).c_str(), FALSE));
    ::SHCreateDirectoryExW(nullptr, WideFromUtf8(storeDir).c_str(), nullptr);
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
        for (const auto &[path, name] : {std::pair(windows, c.inWindows), {store, c.inStore}, {beside, c.besideProgram}}) {
            ::DeleteFileW(WideFromUtf8(path).c_str());
            if (name)
                WriteBytes(path, GroupNamed(name));
        }
        std::string inWindows = c.inWindows ? GroupNamed(c.inWindows) : "";
        for (int start = 0; start < 2; ++start) {
            Launcher app;
            ASSERT_TRUE(app.StartCommandLine(program, "\"" + program + "\"")) << c.why;
            ASSERT_TRUE(app.WaitWindow()) << c.why;
            const std::vector<ComboItem> shown = c.shown ? std::vector<ComboItem>{{c.shown, 1}} : std::vector<ComboItem>{};
            EXPECT_EQ(shown, app.Groups()) << c.why;
            EXPECT_EQ(c.perUser, IniExists()) << c.why;
            EXPECT_EQ(c.perUser ? GroupNamed(c.shown) : "", ReadIniText()) << c.why << ": copied whole";
            EXPECT_EQ(inWindows, Bytes(windows)) << c.why << ": left as it was";
            app.Command(IDCANCEL);
            ASSERT_TRUE(app.WaitExit()) << c.why;
            // The second start reads the user's file, not the old one again.
            if (c.perUser)
                WriteBytes(windows, inWindows = GroupNamed("changed"));
        }
    }
    for (const std::string &path : {windows, store, beside, program})
        ::DeleteFileW(WideFromUtf8(path).c_str());
    RemoveTree(programDir);
}

} // namespace
