// The settings sheet's start-up options page, opened from the real
// launcher's Settings button and driven like a user.
#include "LauncherDriver.h"
#include "TestIni.h"
#include "res/resource.h"

#include <set>

namespace {

const int RADIOS[] = {IDC_BROWSER_FOLLOW, IDC_BROWSER_NN, IDC_BROWSER_IE, IDC_BROWSER_DEFAULT};

std::string Read(const char *key) { return ReadIniValue("Orvanta", key); }

class OptionsPage : public IniTest {
protected:
    void StartLauncher()
    {
        ASSERT_TRUE(m_app.Start());
        ASSERT_TRUE(m_app.WaitWindow());
    }
    // The sheet as the Settings button opens it; null when it did not.
    SettingsSheet Open() const
    {
        HWND sheet = m_app.OpenSettings();
        EXPECT_NE(nullptr, sheet);
        return SettingsSheet(sheet);
    }
    // OK or Cancel, then waits until the launcher has acted on it.
    void Close(const SettingsSheet &sheet, bool ok) const
    {
        ok ? sheet.Ok() : sheet.Cancel();
        ASSERT_TRUE(sheet.WaitClosed());
        ASSERT_TRUE(m_app.Sync());
    }
    std::set<int> CheckedRadios(const SettingsSheet &sheet) const
    {
        std::set<int> checked;
        for (int id : RADIOS)
            if (sheet.IsChecked(id))
                checked.insert(id);
        return checked;
    }

    Launcher m_app;
};

TEST_F(OptionsPage, ShowsTheOptionsFromTheFile)
{
    struct {
        const char *ini;
        bool notSurf, waitDialup, reuse, windowNum;
        std::set<int> radios;
        const wchar_t *delay;
    } const cases[] = {
        {"", false, false, true, false, {IDC_BROWSER_FOLLOW}, L"3"},
        {"NotSurf=1\r\nWait_Dialup=1\r\nReuse_Browser=0\r\nWindowNum=1\r\nUSE_Browser=2\r\nDelay=12\r\n", true, true,
         false, true, {IDC_BROWSER_IE}, L"12"},
        {"USE_Browser=0\r\n", false, false, true, false, {}, L"3"},
        {"USE_Browser=1\r\n", false, false, true, false, {IDC_BROWSER_NN}, L"3"},
        {"USE_Browser=4\r\nDelay=30\r\n", false, false, true, false, {IDC_BROWSER_DEFAULT}, L"30"},
        {"USE_Browser=5\r\n", false, false, true, false, {IDC_BROWSER_NN}, L"3"},
        {"USE_Browser=7\r\nDelay=99\r\n", false, false, true, false, {IDC_BROWSER_FOLLOW}, L"99"},
        // Values outside 0..2 show as unchecked.
        {"NotSurf=5\r\nReuse_Browser=-1\r\n", false, false, false, false, {IDC_BROWSER_FOLLOW}, L"3"},
    };
    for (const auto &c : cases) {
        WriteIniText(std::string("[Orvanta]\r\n") + c.ini);
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        HWND hwnd = app.OpenSettings();
        ASSERT_NE(nullptr, hwnd) << c.ini;
        const SettingsSheet sheet(hwnd);
        EXPECT_EQ(c.notSurf, sheet.IsChecked(IDC_NOTSURF)) << c.ini;
        EXPECT_EQ(c.waitDialup, sheet.IsChecked(IDC_WAIT_DIALUP)) << c.ini;
        EXPECT_EQ(c.reuse, sheet.IsChecked(IDC_REUSE_BROWSER)) << c.ini;
        EXPECT_EQ(c.windowNum, sheet.IsChecked(IDC_WINDOWNUM)) << c.ini;
        EXPECT_EQ(c.radios, CheckedRadios(sheet)) << c.ini;
        EXPECT_EQ(c.delay, sheet.Text(IDC_DELAY)) << c.ini;
        sheet.Cancel();
        EXPECT_TRUE(sheet.WaitClosed());
    }
}

TEST_F(OptionsPage, OkWritesExactlyTheChangedOptionsInOrder)
{
    WriteIniText("[Orvanta]\r\nG_NUM=\r\nReuse_Browser=1\r\n");
    StartLauncher();
    const SettingsSheet sheet = Open();
    sheet.Press(IDC_WINDOWNUM);
    sheet.Press(IDC_WAIT_DIALUP);
    sheet.SetText(IDC_DELAY, L"9");
    sheet.Press(IDC_NOTSURF);
    sheet.Press(IDC_BROWSER_DEFAULT);
    Close(sheet, true);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"G_NUM", "Reuse_Browser", "USE_Browser", "Delay", "NotSurf", "Wait_Dialup",
                                        "WindowNum"}),
              KeysInOrder(text, "Orvanta"))
        << text;
    EXPECT_EQ("4", Read("USE_Browser"));
    EXPECT_EQ("9", Read("Delay"));
    EXPECT_EQ("1", Read("NotSurf"));
    EXPECT_EQ("1", Read("Wait_Dialup"));
    EXPECT_EQ("1", Read("WindowNum"));
    EXPECT_EQ("1", Read("Reuse_Browser"));

    // The launcher keeps the new values: the next opening shows them, and
    // turning one back writes only that one.
    const SettingsSheet again = Open();
    EXPECT_TRUE(again.IsChecked(IDC_NOTSURF));
    EXPECT_EQ(std::set<int>{IDC_BROWSER_DEFAULT}, CheckedRadios(again));
    EXPECT_EQ(L"9", again.Text(IDC_DELAY));
    again.Press(IDC_REUSE_BROWSER);
    Close(again, true);
    EXPECT_EQ("0", Read("Reuse_Browser"));
    EXPECT_EQ(KeysInOrder(text, "Orvanta"), KeysInOrder(ReadIniText(), "Orvanta"));
}

TEST_F(OptionsPage, OkWithoutChangesWritesNothing)
{
    const std::string before = "[Orvanta]\r\nUSE_Browser=5\r\nDelay=7\r\nNotSurf=1\r\nReuse_Browser=0\r\n"
                               "Wait_Dialup=1\r\nWindowNum=1\r\n";
    for (const char *ini : {"", before.c_str(), "[Orvanta]\r\nUSE_Browser=0\r\n"}) {
        WriteIniText(ini);
        if (!*ini)
            RemoveIni();
        Launcher app;
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.WaitWindow());
        HWND hwnd = app.OpenSettings();
        ASSERT_NE(nullptr, hwnd);
        const SettingsSheet sheet(hwnd);
        sheet.Ok();
        ASSERT_TRUE(sheet.WaitClosed());
        ASSERT_TRUE(app.Sync());
        if (*ini)
            EXPECT_EQ(ini, ReadIniText());
        else
            EXPECT_FALSE(IniExists());
    }
}

TEST_F(OptionsPage, DelayTextIsCorrectedOnOk)
{
    WriteIniText("[Orvanta]\r\nDelay=10\r\n");
    StartLauncher();
    const struct {
        const wchar_t *text;
        const char *written;
    } cases[] = {{L"45", "30"}, {L"abc", "2"}, {L"+12", "12"}};
    for (const auto &c : cases) {
        const SettingsSheet sheet = Open();
        sheet.SetText(IDC_DELAY, c.text);
        Close(sheet, true);
        EXPECT_EQ(c.written, Read("Delay")) << AnsiFromWide(c.text);
    }
    const SettingsSheet sheet = Open();
    EXPECT_EQ(L"12", sheet.Text(IDC_DELAY));
    Close(sheet, false);
}

TEST_F(OptionsPage, BrowserChoiceChangesOnlyByAClick)
{
    WriteIniText("[Orvanta]\r\nUSE_Browser=5\r\n");
    StartLauncher();
    // 5 shows as IDC_BROWSER_NN but stays 5 while nothing is clicked.
    SettingsSheet sheet = Open();
    EXPECT_EQ(std::set<int>{IDC_BROWSER_NN}, CheckedRadios(sheet));
    Close(sheet, true);
    EXPECT_EQ("5", Read("USE_Browser"));

    // Cancel after a click keeps the launcher's value.
    sheet = Open();
    sheet.Press(IDC_BROWSER_IE);
    EXPECT_EQ(std::set<int>{IDC_BROWSER_IE}, CheckedRadios(sheet));
    Close(sheet, false);
    EXPECT_EQ("[Orvanta]\r\nUSE_Browser=5\r\n", ReadIniText());
    sheet = Open();
    EXPECT_EQ(std::set<int>{IDC_BROWSER_NN}, CheckedRadios(sheet));

    // Each radio button gives its code.
    const struct {
        int radio;
        const char *code;
    } cases[] = {{IDC_BROWSER_NN, "1"}, {IDC_BROWSER_FOLLOW, "3"}, {IDC_BROWSER_DEFAULT, "4"}, {IDC_BROWSER_IE, "2"}};
    for (const auto &c : cases) {
        sheet.Press(c.radio);
        Close(sheet, true);
        EXPECT_EQ(c.code, Read("USE_Browser")) << c.radio;
        sheet = Open();
    }
    Close(sheet, false);
}

TEST_F(OptionsPage, NetworkWaitIsShownAndWrittenLastOnlyWhenChanged)
{
    WriteIniText("[Orvanta]\r\nWait_Network_Max=5\r\nWindowNum=0\r\n");
    StartLauncher();
    SettingsSheet sheet = Open();
    EXPECT_FALSE(sheet.IsChecked(IDC_WAIT_NETWORK));
    sheet.Press(IDC_WAIT_NETWORK);
    sheet.Press(IDC_WINDOWNUM);
    Close(sheet, true);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"Wait_Network_Max", "WindowNum", "Wait_Network"}), KeysInOrder(text, "Orvanta"))
        << text;
    EXPECT_EQ("1", Read("Wait_Network"));
    EXPECT_EQ("5", Read("Wait_Network_Max")) << "kept as the user wrote it";

    sheet = Open();
    EXPECT_TRUE(sheet.IsChecked(IDC_WAIT_NETWORK));
    Close(sheet, true);
    EXPECT_EQ(text, ReadIniText()) << "nothing changed, nothing written";
    sheet = Open();
    sheet.Press(IDC_WAIT_NETWORK);
    Close(sheet, true);
    EXPECT_EQ("0", Read("Wait_Network"));
}

} // namespace
