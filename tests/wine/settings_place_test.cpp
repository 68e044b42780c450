// Where the launcher keeps its settings: the user's roaming application
// data folder, filled once from the file older copies used; or the file
// beside the program, for portable use.
#include "FileTree.h"
#include "LauncherDriver.h"
#include "TestIni.h"
#include "core/text/WideText.h"

#include <fstream>
#include <iterator>
#include <memory>

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

// A file another program holds open for reading only (a sync client, a
// virus scanner): every change fails, the first is told, naming the file,
// and the windows show what the file holds.
TEST_F(IniTest, AFileThatCannotBeWrittenIsToldOnceAndKeepsWhatItHolds)
{
    const std::string stored = GroupNamed("kept") + "UL1=DEF http://kept/\r\nURL_Num=1\r\n";
    WriteIniText(stored);
    const std::unique_ptr<void, decltype(&::CloseHandle)> held(
        ::CreateFileW(WideFromUtf8(IniPath()).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr), &::CloseHandle);
    ASSERT_NE(INVALID_HANDLE_VALUE, held.get());
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    const SettingsSheet sheet = OpenSettingsPage(app, 1);
    ASSERT_NE(nullptr, sheet.Window());
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 0));
    sheet.SetText(IDC_URL_EDIT, L"http://changed/");
    sheet.Press(IDC_URL_REGISTER);
    sheet.Click(IDC_GROUP_SAVE);
    HWND box = WaitProcessWindow(app.Pid(), L"Orvanta");
    EXPECT_NE(std::wstring::npos, MessageBoxText(box).find(WideFromUtf8(IniPath())));
    ASSERT_TRUE(CloseDialog(box, IDOK));
    EXPECT_EQ((std::vector<ListRow>{{L"DEF", L"http://kept/", 2}, {L"新規", L"新規ＵＲＬ", -1}}), ListRows(sheet.Item(IDC_URL_LIST)));
    sheet.Click(IDC_GROUP_NEW);
    HWND dialog = WaitProcessWindow(app.Pid(), L"グループ名設定");
    ASSERT_NE(nullptr, dialog);
    SendWait(::GetDlgItem(dialog, IDC_GROUP_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"new"));
    ASSERT_TRUE(CloseDialog(dialog, IDOK));
    sheet.Click(IDC_GROUP_DELETE);
    ASSERT_TRUE(CloseDialog(WaitProcessWindow(app.Pid(), L"Orvanta"), IDYES));
    EXPECT_EQ(nullptr, FindProcessWindow(app.Pid(), L"Orvanta")) << "told once a run";
    EXPECT_EQ((std::vector<ComboItem>{{"kept", 1}}), ComboItems(sheet.Item(IDC_GROUP_LIST)));
    sheet.ShowPage(0);
    sheet.Press(IDC_NOTSURF);
    ASSERT_TRUE(CloseSettings(app, sheet, true));
    EXPECT_EQ((std::vector<ComboItem>{{"kept", 1}}), app.Groups());
    const SettingsSheet again = OpenSettingsPage(app, 0);
    EXPECT_FALSE(again.IsChecked(IDC_NOTSURF)) << "the option as stored";
    ASSERT_TRUE(CloseSettings(app, again, false));
    app.Command(IDCANCEL);
    EXPECT_TRUE(app.WaitExit());
    EXPECT_EQ(stored, ReadIniText());
}

} // namespace
