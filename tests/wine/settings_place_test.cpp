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

bool Writable(const std::string &path)
{
    HANDLE file = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

// A file nobody may write while this lives: "chattr +i", since the tests
// run as root, who writes files without write bits. Wine starts Unix
// programs but does not wait for them, so the change is polled for.
class UnwritableFile {
public:
    explicit UnwritableFile(const std::string &path) : m_path(path)
    {
        using UnixName = char *(CDECL *)(const wchar_t *);
        const auto unixName = reinterpret_cast<UnixName>(
            reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
        if (char *name = unixName ? unixName(WideFromUtf8(path).c_str()) : nullptr) {
            m_unixPath = name;
            ::HeapFree(::GetProcessHeap(), 0, name);
        }
        Chattr(L"+i", false);
    }
    ~UnwritableFile() { Chattr(L"-i", true); }

private:
    void Chattr(const wchar_t *flag, bool writable) const
    {
        std::wstring commandLine = L"/usr/bin/chattr " + std::wstring(flag) + L" \"" + WideFromUtf8(m_unixPath) + L"\"";
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi = {};
        if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return;
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        WaitUntil([&] { return Writable(m_path) == writable; });
    }
    std::string m_path, m_unixPath;
};

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

// Every change fails: the first is told, naming the file, and the windows
// show what the file holds.
TEST_F(IniTest, AFileThatCannotBeWrittenIsToldOnceAndKeepsWhatItHolds)
{
    const std::string stored = GroupNamed("kept") + "UL1=DEF http://kept/\r\nURL_Num=1\r\n";
    WriteIniText(stored);
    UnwritableFile unwritable(IniPath());
    ASSERT_FALSE(Writable(IniPath()));
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
    ASSERT_NE(nullptr, box);
    EXPECT_NE(std::wstring::npos, MessageBoxText(box).find(WideFromUtf8(IniPath())));
    ASSERT_TRUE(CloseDialog(box, IDOK));
    const std::vector<ListRow> rows = {{L"DEF", L"http://kept/", 2}, {L"新規", L"新規ＵＲＬ", -1}};
    EXPECT_EQ(rows, ListRows(sheet.Item(IDC_URL_LIST)));

    sheet.Click(IDC_GROUP_NEW);
    HWND dialog = WaitProcessWindow(app.Pid(), L"グループ名設定");
    ASSERT_NE(nullptr, dialog);
    SendWait(::GetDlgItem(dialog, IDC_GROUP_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"new"));
    ASSERT_TRUE(CloseDialog(dialog, IDOK));
    EXPECT_EQ(nullptr, FindProcessWindow(app.Pid(), L"Orvanta")) << "told once a run";
    EXPECT_EQ((std::vector<ComboItem>{{"kept", 1}}), ComboItems(sheet.Item(IDC_GROUP_LIST)));
    ASSERT_TRUE(CloseSettings(app, sheet, true));
    EXPECT_EQ((std::vector<ComboItem>{{"kept", 1}}), app.Groups());
    app.Command(IDCANCEL);
    ASSERT_TRUE(app.WaitExit());
    EXPECT_EQ(stored, ReadIniText());
}

} // namespace
