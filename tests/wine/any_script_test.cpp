// A user's own words in any script, on a system of either code page: group
// names and addresses with characters the code page lacks, an emoji among
// them, typed on the URL page, saved, shown after a new start, started by
// "-start <name>" and received by the browser exactly as typed.
#include "LaunchFixture.h"

#include "core/text/WideText.h"
#include "res/resource.h"

namespace {

struct Words {
    const wchar_t *group, *url;
};

// What each code page lacks: Hangul and "é" in 932, Cyrillic and Japanese in 1252.
const std::vector<Words> kWords932 = {{L"📰 뉴스 Café", L"https://例え.jp/검색?q=é📰"}, {L"表 Ünï", L"http://b.example/é"}};
const std::vector<Words> kWords1252 = {{L"📰 Новости ニュース", L"https://пример.рф/ニュース?q=📰"},
                                       {L"Café", L"http://b.example/表"}};

std::vector<std::wstring> ComboTexts(HWND combo)
{
    std::vector<std::wstring> texts;
    for (WPARAM i = 0; i < static_cast<WPARAM>(SendWait(combo, CB_GETCOUNT)); ++i) {
        std::wstring text(static_cast<size_t>(SendWait(combo, CB_GETLBTEXTLEN, i)) + 1, L'\0');
        SendWait(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(text.c_str());
    }
    return texts;
}

class AnyScript : public LaunchTest {
protected:
    void TearDown() override
    {
        m_chrome.Quit();
        LaunchTest::TearDown();
    }
    FakeProgram m_chrome{"chrome", "fake_browser.exe"};
};

TEST_F(AnyScript, NamesAndAddressesOutsideTheCodePageReachTheBrowserExactly)
{
    const std::vector<Words> &words = ::GetACP() == 932 ? kWords932 : kWords1252;
    ASSERT_TRUE(m_chrome.Install(DdeServerSettings("CHROME", "", -1)));
    WriteIniText("[Browser1]\r\nName=Chrome\r\nProgram=" + m_chrome.Path() + "\r\n");
    ASSERT_TRUE(m_app.Start());
    ASSERT_TRUE(m_app.WaitWindow());
    const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
    ASSERT_NE(nullptr, sheet.Window());
    std::vector<std::wstring> names;
    for (const Words &w : words) {
        sheet.Click(IDC_GROUP_NEW);
        HWND dialog = WaitProcessWindow(m_app.Pid(), Shown(L"グループ名設定", L"Group name"));
        ASSERT_NE(nullptr, dialog);
        SendWait(::GetDlgItem(dialog, IDC_GROUP_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.group));
        ASSERT_TRUE(CloseDialog(dialog, IDOK));
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 0));
        HWND browsers = sheet.Item(IDC_ENTRY_BROWSER);
        SendWait(browsers, CB_SETCURSEL, 1);
        SendWait(sheet.Page(), WM_COMMAND, MAKEWPARAM(IDC_ENTRY_BROWSER, CBN_SELCHANGE), reinterpret_cast<LPARAM>(browsers));
        sheet.SetText(IDC_URL_EDIT, w.url);
        sheet.Press(IDC_URL_REGISTER);
        sheet.Press(IDC_GROUP_SAVE);
        names.push_back(w.group);
        EXPECT_EQ(names, ComboTexts(sheet.Item(IDC_GROUP_LIST)));
    }
    ASSERT_TRUE(CloseSettings(m_app, sheet, true));
    EXPECT_EQ("\xFF\xFE", ReadIniText().substr(0, 2)) << "the file keeps Unicode";
    m_app.Close();
    ASSERT_TRUE(m_app.WaitExit());

    std::vector<std::string> received;
    for (const Words &w : words) {
        Launcher app;
        ASSERT_TRUE(app.Start("-start \"" + Utf8FromWide(w.group) + "\""));
        received.push_back(" \"" + Utf8FromWide(w.url) + "\"");
        ASSERT_TRUE(m_chrome.WaitEvents("start", received.size(), 20000)) << Utf8FromWide(w.group);
        ASSERT_TRUE(app.WaitWindow());
        EXPECT_EQ(names, ComboTexts(app.Item(IDC_GROUP)));
        app.Close();
        ASSERT_TRUE(app.WaitExit());
    }
    EXPECT_EQ(received, Arguments(m_chrome));
}

} // namespace
