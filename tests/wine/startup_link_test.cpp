// The Startup shortcut through the options page of the real launcher: the
// folder comes from the user's shell folders, which each test points at a
// folder of its own.
#include "LauncherDriver.h"
#include "TestIni.h"
#include "core/text/WideText.h"
#include "res/resource.h"

namespace {

bool Exists(const std::string &path) { return ::GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

class StartupShortcut : public IniTest {
protected:
    void SetUp() override
    {
        IniTest::SetUp();
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        m_strTemp = Utf8FromWide(temp);
    }
    void TearDown() override
    {
        for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
            if (!::DeleteFileW(WideFromUtf8(*it).c_str()))
                ::RemoveDirectoryW(WideFromUtf8(*it).c_str());
        IniTest::TearDown();
    }
    // A fresh folder under the temporary folder, removed after the test.
    std::string MakeFolder(const std::string &name)
    {
        const std::string path = m_strTemp + name;
        ::CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr);
        m_created.push_back(path);
        return path;
    }
    void Remember(const std::string &file) { m_created.push_back(file); }

    // Opens the sheet, sets the Startup choice with a click on box (0: no
    // click) and presses OK.
    static void ChangeStartup(const Launcher &app, int box)
    {
        HWND hwnd = app.OpenSettings();
        ASSERT_NE(nullptr, hwnd);
        const SettingsSheet sheet(hwnd);
        if (box)
            sheet.Press(box);
        sheet.Ok();
        ASSERT_TRUE(sheet.WaitClosed());
    }
    // Whether the page shows the shortcut as there: its box ticked and disabled.
    static void ExpectShown(const Launcher &app, bool linked)
    {
        HWND hwnd = app.OpenSettings();
        ASSERT_NE(nullptr, hwnd);
        const SettingsSheet sheet(hwnd);
        const int present = linked ? IDC_STARTUP_ADD : IDC_STARTUP_REMOVE;
        const int change = linked ? IDC_STARTUP_REMOVE : IDC_STARTUP_ADD;
        EXPECT_TRUE(sheet.IsChecked(present)) << linked;
        EXPECT_FALSE(sheet.IsEnabled(present)) << linked;
        EXPECT_FALSE(sheet.IsChecked(change)) << linked;
        EXPECT_TRUE(sheet.IsEnabled(change)) << linked;
        sheet.Cancel();
        EXPECT_TRUE(sheet.WaitClosed());
    }
    static void ExpectMessage(const Launcher &app, const std::wstring &text)
    {
        HWND box = WaitProcessWindow(app.Pid(), L"Orvanta");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(text, MessageBoxText(box));
        PressButton(box, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
        EXPECT_TRUE(app.Sync());
    }

    StartupFolderValue m_saved;
    std::string m_strTemp;
    std::vector<std::string> m_created;
};

TEST_F(StartupShortcut, IsCreatedWithStartArgumentAndRemovedAgain)
{
    const std::string folder = MakeFolder("orvanta-startup");
    const std::string link = folder + "\\Orvanta.lnk";
    Remember(link);
    StartupFolderValue::Set(folder.c_str());
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    ExpectShown(app, false);

    ChangeStartup(app, IDC_STARTUP_ADD);
    ASSERT_TRUE(app.Sync());
    EXPECT_EQ(nullptr, FindProcessWindow(app.Pid(), L"Orvanta"));
    const ShortcutInfo info = ReadShortcut(link);
    ASSERT_TRUE(info.loaded);
    EXPECT_EQ(ProgramDir() + "\\Orvanta.exe", info.target);
    EXPECT_EQ("-start", info.arguments);
    EXPECT_EQ("Link to Orvanta", info.description);
    EXPECT_FALSE(IniExists()) << "the shortcut is no setting";
    ExpectShown(app, true);

    // OK without a change leaves it alone.
    ChangeStartup(app, 0);
    ASSERT_TRUE(app.Sync());
    EXPECT_TRUE(Exists(link));

    // Held open by another program without sharing its deletion, it stays,
    // and the message names it.
    HANDLE held =
        ::CreateFileW(WideFromUtf8(link).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ChangeStartup(app, IDC_STARTUP_REMOVE);
    ExpectMessage(app, Shown(L"スタートアップから削除できませんでした。次のショートカットを削除して下さい。\n\n",
                             L"Orvanta could not be removed from the Startup folder. Please delete this shortcut:\n\n") +
                           WideFromUtf8(link));
    ::CloseHandle(held);
    ExpectShown(app, true);

    ChangeStartup(app, IDC_STARTUP_REMOVE);
    ASSERT_TRUE(app.Sync());
    EXPECT_EQ(nullptr, FindProcessWindow(app.Pid(), L"Orvanta"));
    EXPECT_FALSE(Exists(link));
    ExpectShown(app, false);
}

// Folders and a program named in any script: on code page 932 a folder
// ending in 表, whose second byte there is a backslash, and names in
// Hangul and with "é", which the code page lacks; on 1252 Cyrillic and
// Japanese names.
TEST_F(StartupShortcut, FolderAndProgramNamesInAnyScriptAreKeptWhole)
{
    struct Names {
        const char *folder, *programDir, *programName;
    };
    const std::vector<Names> cases = ::GetACP() == 932
                                         ? std::vector<Names>{{"スタート表", "表", "表示"}, {"시작 é", "사용자 é", "프로그램é"}}
                                         : std::vector<Names>{{"Автозагрузка スタート", "Пользователь 日本", "Программа表"}};
    for (const Names &c : cases) {
        const std::string folder = MakeFolder(c.folder);
        const std::string program = MakeFolder(c.programDir) + "\\" + c.programName + ".exe";
        const std::wstring original = WideFromUtf8(ProgramDir() + "\\Orvanta.exe");
        ASSERT_TRUE(::CopyFileW(original.c_str(), WideFromUtf8(program).c_str(), FALSE));
        Remember(program);
        const std::string link = folder + "\\" + c.programName + ".lnk";
        Remember(link);
        StartupFolderValue::Set(folder.c_str());
        {
            Launcher app;
            ASSERT_TRUE(app.StartCommandLine(program, "\"" + program + "\" -x"));
            ASSERT_TRUE(app.WaitWindow());
            ChangeStartup(app, IDC_STARTUP_ADD);
            ASSERT_TRUE(app.Sync());
            EXPECT_EQ(nullptr, FindProcessWindow(app.Pid(), L"Orvanta"));
            const ShortcutInfo info = ReadShortcut(link);
            ASSERT_TRUE(info.loaded) << "no " << link;
            EXPECT_EQ(program, info.target);
            EXPECT_EQ("-start", info.arguments);
            ExpectShown(app, true);
            ChangeStartup(app, IDC_STARTUP_REMOVE);
            ASSERT_TRUE(app.Sync());
            EXPECT_FALSE(Exists(link));
            app.Command(IDCANCEL);
            ASSERT_TRUE(app.WaitExit());
        }
        // Only the one shortcut was ever made: no name cut inside 表.
        WIN32_FIND_DATAW data;
        HANDLE find = ::FindFirstFileW(WideFromUtf8(folder + "\\*.lnk").c_str(), &data);
        EXPECT_EQ(INVALID_HANDLE_VALUE, find) << Utf8FromWide(data.cFileName);
        if (find != INVALID_HANDLE_VALUE)
            ::FindClose(find);
    }
}

TEST_F(StartupShortcut, DeletingAShortcutThatWentAwayShowsNothing)
{
    const std::string folder = MakeFolder("orvanta-gone");
    const std::string link = folder + "\\Orvanta.lnk";
    Remember(link);
    ASSERT_TRUE(WriteShortcut(link, ProgramDir() + "\\Orvanta.exe"));
    StartupFolderValue::Set(folder.c_str());
    Launcher app;
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(app.WaitWindow());
    HWND hwnd = app.OpenSettings();
    ASSERT_NE(nullptr, hwnd);
    const SettingsSheet sheet(hwnd);
    EXPECT_TRUE(sheet.IsChecked(IDC_STARTUP_ADD));
    ASSERT_TRUE(::DeleteFileA(link.c_str()));
    sheet.Press(IDC_STARTUP_REMOVE);
    sheet.Ok();
    ASSERT_TRUE(sheet.WaitClosed());
    ASSERT_TRUE(app.Sync());
    EXPECT_EQ(nullptr, FindProcessWindow(app.Pid(), L"Orvanta"));
    EXPECT_FALSE(Exists(link));
    ExpectShown(app, false);
}

TEST_F(StartupShortcut, UnreadableFolderOrBareProgramNameFails)
{
    const std::string folder = MakeFolder("orvanta-fails");
    const std::string exe = ProgramDir() + "\\Orvanta.exe";
    const struct {
        const char *why;
        std::string startup;    // empty: no "Startup" value
        std::string commandLine;
    } cases[] = {
        {"no Startup value", "", "\"" + exe + "\""},
        {"folder longer than a path may be", folder + "\\" + std::string(300, 'x'), "\"" + exe + "\""},
        {"program named without a folder", folder, "Orvanta"},
    };
    for (const auto &c : cases) {
        StartupFolderValue::Set(c.startup.empty() ? nullptr : c.startup.c_str());
        Launcher app;
        ASSERT_TRUE(app.StartCommandLine(exe, c.commandLine)) << c.why;
        ASSERT_TRUE(app.WaitWindow()) << c.why;
        ExpectShown(app, false);
        ChangeStartup(app, IDC_STARTUP_ADD);
        ExpectMessage(app, Shown(L"スタートアップへの登録に失敗しました", L"Orvanta could not be added to the Startup folder."));
        // The failure is not remembered: the next opening asks again.
        ExpectShown(app, false);
        app.Command(IDCANCEL);
        ASSERT_TRUE(app.WaitExit()) << c.why;
    }
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    int entries = 0;
    if (find != INVALID_HANDLE_VALUE) {
        do
            ++entries;
        while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    EXPECT_EQ(2, entries) << "only . and ..";
}

} // namespace
