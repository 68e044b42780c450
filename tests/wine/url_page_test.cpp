// The settings sheet's URL registration page and the group name dialog,
// opened from the real launcher's Settings button and driven like a user.
#include "LauncherDriver.h"
#include "TestIni.h"
#include "res/resource.h"

#include <functional>

namespace {

const int EDIT_CONTROLS[] = {IDC_URL_EDIT, IDC_KIND_DEF, IDC_KIND_NN, IDC_KIND_IE, IDC_URL_REGISTER, IDC_URL_DELETE,
                             IDC_HOME_PAGE, IDC_BLANK_PAGE};

const ListRow NEW_ROW = {L"新規", L"新規ＵＲＬ", -1};

class UrlPage : public IniTest {
protected:
    void StartLauncher(const std::string &ini)
    {
        if (!ini.empty())
            WriteIniText(ini);
        ASSERT_TRUE(m_app.Start());
        ASSERT_TRUE(m_app.WaitWindow());
    }
    // The sheet opened from the launcher, with the URL page in front.
    SettingsSheet Open() const
    {
        const SettingsSheet sheet = OpenSettingsPage(m_app, 1);
        EXPECT_NE(nullptr, sheet.Window());
        return sheet;
    }
    void Close(const SettingsSheet &sheet, bool ok) const { ASSERT_TRUE(CloseSettings(m_app, sheet, ok)); }
    static std::vector<ListRow> Rows(const SettingsSheet &sheet) { return ListRows(sheet.Item(IDC_URL_LIST)); }
    static std::vector<ComboItem> Groups(const SettingsSheet &sheet) { return ComboItems(sheet.Item(IDC_GROUP_LIST)); }
    static int SelectedGroup(const SettingsSheet &sheet)
    {
        return static_cast<int>(SendWait(sheet.Item(IDC_GROUP_LIST), CB_GETCURSEL));
    }
    static bool EditControlsEnabled(const SettingsSheet &sheet, bool enabled)
    {
        for (int id : EDIT_CONTROLS)
            if (sheet.IsEnabled(id) != enabled)
                return false;
        return true;
    }
    // A user's choice in the group drop-down.
    static void ChooseGroup(const SettingsSheet &sheet, int index)
    {
        SendWait(sheet.Item(IDC_GROUP_LIST), CB_SETCURSEL, static_cast<WPARAM>(index));
        SendWait(sheet.Page(), WM_COMMAND, MAKEWPARAM(IDC_GROUP_LIST, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(sheet.Item(IDC_GROUP_LIST)));
    }
    // Clicks button (New group or Rename), types name in the group name
    // dialog and closes it with button id.
    void NameGroup(const SettingsSheet &sheet, int button, const std::wstring &name, int id = IDOK) const
    {
        sheet.Click(button);
        HWND dialog = WaitProcessWindow(m_app.Pid(), L"グループ名設定");
        ASSERT_NE(nullptr, dialog);
        SendWait(::GetDlgItem(dialog, IDC_GROUP_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        ASSERT_TRUE(CloseDialog(dialog, id));
    }
    // Clicks a row, types text and registers it with the kind box given.
    static void RegisterAt(const SettingsSheet &sheet, int row, int kindBox, const std::wstring &text)
    {
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), row)) << row;
        ASSERT_TRUE(sheet.IsEnabled(IDC_URL_EDIT)) << row;
        sheet.Press(kindBox);
        sheet.SetText(IDC_URL_EDIT, text);
        sheet.Press(IDC_URL_REGISTER);
    }
    // The message box the page shows, its text, closed with id.
    std::wstring AnswerBox(int id) const
    {
        HWND box = WaitProcessWindow(m_app.Pid(), L"Orvanta");
        if (!box)
            return L"<no message box>";
        const std::wstring text = MessageBoxText(box);
        CloseDialog(box, id);
        return text;
    }

    Launcher m_app;
};

// As Save writes groups, so that saving them again changes no byte.
const char TWO_GROUPS[] = "[Orvanta]\r\nG_NUM=1 2\r\nG_PREV=2\r\nPrev_Sel_Browser=1\r\n"
                          "[G1]\r\nGNAME=one\r\nUL1=IE http://one/\r\nURL_Num=1\r\n"
                          "[G2]\r\nGNAME=two\r\nUL1=NN http://two/\r\nUL2=DEF\r\nURL_Num=2\r\n";

TEST_F(UrlPage, OpensWithTheLaunchersGroupsAndTheChosenGroupsEntries)
{
    StartLauncher(TWO_GROUPS);
    const SettingsSheet sheet = Open();
    EXPECT_EQ(L"URL登録", WindowText(sheet.Page()));
    EXPECT_EQ(m_app.Groups(), Groups(sheet));
    EXPECT_EQ(1, SelectedGroup(sheet));
    EXPECT_EQ((std::vector<ListRow>{{L"NN", L"http://two/", 0}, {L"DEF", L"", 2}, NEW_ROW}), Rows(sheet));
    EXPECT_TRUE(EditControlsEnabled(sheet, false));
    EXPECT_TRUE(sheet.IsEnabled(IDC_HTTP_PREFIX));
    EXPECT_TRUE(sheet.IsChecked(IDC_HTTP_PREFIX));
    EXPECT_FALSE(sheet.IsChecked(IDC_HOME_PAGE));
    EXPECT_FALSE(sheet.IsChecked(IDC_BLANK_PAGE));
    EXPECT_TRUE(sheet.IsChecked(IDC_KIND_IE)) << "Prev_Sel_Browser";
    EXPECT_FALSE(sheet.IsChecked(IDC_KIND_NN));
    EXPECT_FALSE(sheet.IsChecked(IDC_KIND_DEF));
    Close(sheet, true);
    EXPECT_EQ(TWO_GROUPS, ReadIniText()) << "OK saves the group shown, as it was loaded";
}

TEST_F(UrlPage, WithoutGroupsBothListsAreEmpty)
{
    StartLauncher("");
    const SettingsSheet sheet = Open();
    EXPECT_TRUE(Groups(sheet).empty());
    EXPECT_TRUE(Rows(sheet).empty());
    Close(sheet, true);
    EXPECT_FALSE(IniExists());
}

TEST_F(UrlPage, RowClickStartsEditingThatRow)
{
    StartLauncher(TWO_GROUPS);
    const SettingsSheet sheet = Open();
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 0));
    EXPECT_TRUE(EditControlsEnabled(sheet, true));
    EXPECT_EQ(L"http://two/", sheet.Text(IDC_URL_EDIT));
    EXPECT_TRUE(sheet.IsChecked(IDC_KIND_NN));
    EXPECT_FALSE(sheet.IsChecked(IDC_KIND_IE));
    EXPECT_EQ(L"更新", sheet.Text(IDC_URL_REGISTER));
    EXPECT_EQ(sheet.Item(IDC_URL_EDIT), FocusOf(sheet.Window()));

    // The placeholder: an empty box, no Delete, the kind chosen before.
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 2));
    EXPECT_EQ(L"", sheet.Text(IDC_URL_EDIT));
    EXPECT_FALSE(sheet.IsEnabled(IDC_URL_DELETE));
    EXPECT_TRUE(sheet.IsEnabled(IDC_URL_REGISTER));
    EXPECT_EQ(L"登録", sheet.Text(IDC_URL_REGISTER));
    EXPECT_TRUE(sheet.IsChecked(IDC_KIND_NN));
    Close(sheet, false);
}

TEST_F(UrlPage, RegisterAppliesTheHttpRuleToTypedTextOnly)
{
    StartLauncher("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=g\r\nURL_Num=0\r\n");
    const SettingsSheet sheet = Open();
    const struct {
        bool prefix;
        int radio;    // 0: none
        const wchar_t *typed, *url;
    } cases[] = {
        {true, 0, L"www.example.com", L"http://www.example.com"},
        {true, 0, L"https://example.com", L"https://example.com"},
        {false, 0, L"www.example.com", L"www.example.com"},
        {true, IDC_HOME_PAGE, L"ignored", L""},
        {true, IDC_BLANK_PAGE, L"ignored", L"about:blank"},
    };
    int row = 0;
    for (const auto &c : cases) {
        if (sheet.IsChecked(IDC_HTTP_PREFIX) != c.prefix)
            sheet.Press(IDC_HTTP_PREFIX);
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), row));
        if (c.radio)
            sheet.Press(c.radio);
        sheet.SetText(IDC_URL_EDIT, c.typed);
        sheet.Press(IDC_URL_REGISTER);
        const std::vector<ListRow> rows = Rows(sheet);
        ASSERT_LT(static_cast<size_t>(row), rows.size());
        EXPECT_EQ(c.url, rows[static_cast<size_t>(row)].url) << AnsiFromWide(c.typed);
        EXPECT_TRUE(EditControlsEnabled(sheet, false));
        EXPECT_EQ(c.typed, sheet.Text(IDC_URL_EDIT)) << "the box keeps its text";
        ++row;
    }
    Close(sheet, false);
}

TEST_F(UrlPage, EmptyUrlAsksForOneAndChangesNothing)
{
    StartLauncher("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=g\r\nURL_Num=0\r\n");
    const SettingsSheet sheet = Open();
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 0));
    sheet.Click(IDC_URL_REGISTER);
    EXPECT_EQ(L"URLを入力して下さい", AnswerBox(IDOK));
    EXPECT_EQ(std::vector<ListRow>{NEW_ROW}, Rows(sheet));
    EXPECT_TRUE(sheet.IsEnabled(IDC_URL_EDIT));
    EXPECT_TRUE(sheet.IsEnabled(IDC_URL_REGISTER));
    Close(sheet, false);
}

TEST_F(UrlPage, SaveRewritesTheGroupSoThatNoKeyOfALongerListIsLeft)
{
    StartLauncher("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nURL_Num=5\r\nGNAME=g\r\nUL1=NN http://a/\r\nUL2=IE http://b/\r\n"
                  "UL3=DEF http://c/\r\nUL4=NN http://d/\r\nUL5=IE http://e/\r\nOther=x\r\n");
    const SettingsSheet sheet = Open();
    for (int row : {4, 2, 0}) {
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), row));
        sheet.Press(IDC_URL_DELETE);
    }
    sheet.Press(IDC_GROUP_SAVE);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"GNAME", "UL1", "UL2", "URL_Num"}), KeysInOrder(text, "G1")) << text;
    EXPECT_EQ("g", ReadIniValue("G1", "GNAME"));
    EXPECT_EQ("IE http://b/", ReadIniValue("G1", "UL1"));
    EXPECT_EQ("NN http://d/", ReadIniValue("G1", "UL2"));
    EXPECT_EQ("2", ReadIniValue("G1", "URL_Num"));

    // Restore after Save shows the saved list.
    sheet.Press(IDC_URL_CLEAR);
    EXPECT_EQ(std::vector<ListRow>{NEW_ROW}, Rows(sheet));
    sheet.Press(IDC_URL_RESTORE);
    EXPECT_EQ((std::vector<ListRow>{{L"IE", L"http://b/", 1}, {L"NN", L"http://d/", 0}, NEW_ROW}), Rows(sheet));
    Close(sheet, false);
    EXPECT_EQ(text, ReadIniText());
}

TEST_F(UrlPage, SwitchingGroupsDropsUnsavedChangesAndOkSavesTheGroupShown)
{
    StartLauncher(TWO_GROUPS);
    const SettingsSheet sheet = Open();
    RegisterAt(sheet, 2, IDC_KIND_IE, L"http://added/");
    ChooseGroup(sheet, 0);
    EXPECT_EQ((std::vector<ListRow>{{L"IE", L"http://one/", 1}, NEW_ROW}), Rows(sheet));
    ChooseGroup(sheet, 1);
    EXPECT_EQ((std::vector<ListRow>{{L"NN", L"http://two/", 0}, {L"DEF", L"", 2}, NEW_ROW}), Rows(sheet));
    ChooseGroup(sheet, 0);
    RegisterAt(sheet, 1, IDC_KIND_NN, L"http://one-more/");
    Close(sheet, true);
    EXPECT_EQ("2", ReadIniValue("G1", "URL_Num"));
    EXPECT_EQ("NN http://one-more/", ReadIniValue("G1", "UL2"));
    EXPECT_EQ("2", ReadIniValue("G2", "URL_Num"));
    EXPECT_EQ("<missing>", ReadIniValue("G2", "UL3"));
    EXPECT_EQ(1, m_app.SelectedGroupIndex()) << "the launcher keeps its current group";
}

TEST_F(UrlPage, NewGroupThenCancelLeavesItsNumberWithoutASection)
{
    StartLauncher("");
    SettingsSheet sheet = Open();
    NameGroup(sheet, IDC_GROUP_NEW, L"新しい");
    EXPECT_EQ((std::vector<ComboItem>{{"\x90\x56\x82\xb5\x82\xa2", 1}}), Groups(sheet));
    EXPECT_EQ(0, SelectedGroup(sheet));
    EXPECT_EQ(std::vector<ListRow>{NEW_ROW}, Rows(sheet));
    EXPECT_EQ("1", ReadIniValue("Orvanta", "G_NUM")) << "written at once";
    Close(sheet, false);
    const std::string text = ReadIniText();
    EXPECT_EQ((std::vector<std::string>{"Orvanta"}), SectionsInOrder(text)) << text;
    EXPECT_EQ((std::vector<ComboItem>{{"", 1}}), m_app.Groups());

    // The same with OK saves the group shown, under its name.
    sheet = Open();
    NameGroup(sheet, IDC_GROUP_NEW, L"two");
    NameGroup(sheet, IDC_GROUP_NEW, L"cancelled", IDCANCEL);
    EXPECT_EQ(2u, Groups(sheet).size());
    Close(sheet, true);
    EXPECT_EQ("1 2", ReadIniValue("Orvanta", "G_NUM"));
    EXPECT_EQ("two", ReadIniValue("G2", "GNAME"));
    EXPECT_EQ("0", ReadIniValue("G2", "URL_Num"));
    EXPECT_EQ((std::vector<ComboItem>{{"", 1}, {"two", 2}}), m_app.Groups());
}

TEST_F(UrlPage, DeleteGroupAsksThenRemovesItAndShowsTheNext)
{
    StartLauncher("[Orvanta]\r\nG_NUM=1 2 3\r\nG_PREV=1\r\n[G1]\r\nGNAME=one\r\n[G2]\r\nGNAME=\x95\x5c\r\n"
                  "[G3]\r\nGNAME=three\r\nURL_Num=1\r\nUL1=IE http://three/\r\n");
    const SettingsSheet sheet = Open();
    ChooseGroup(sheet, 1);
    sheet.Click(IDC_GROUP_DELETE);
    EXPECT_EQ(L"グループ：表 を削除します", AnswerBox(IDNO));
    EXPECT_EQ(3u, Groups(sheet).size());
    EXPECT_EQ("1 2 3", ReadIniValue("Orvanta", "G_NUM"));

    sheet.Click(IDC_GROUP_DELETE);
    EXPECT_EQ(L"グループ：表 を削除します", AnswerBox(IDYES));
    EXPECT_EQ("1 3", ReadIniValue("Orvanta", "G_NUM"));
    EXPECT_EQ((std::vector<std::string>{"Orvanta", "G1", "G3"}), SectionsInOrder(ReadIniText()));
    EXPECT_EQ((std::vector<ComboItem>{{"one", 1}, {"three", 3}}), Groups(sheet));
    EXPECT_EQ(1, SelectedGroup(sheet));
    EXPECT_EQ((std::vector<ListRow>{{L"IE", L"http://three/", 1}, NEW_ROW}), Rows(sheet));

    // The last entry's deletion selects the new last one.
    sheet.Click(IDC_GROUP_DELETE);
    EXPECT_EQ(L"グループ：three を削除します", AnswerBox(IDYES));
    EXPECT_EQ((std::vector<ComboItem>{{"one", 1}}), Groups(sheet));
    EXPECT_EQ(0, SelectedGroup(sheet));
    Close(sheet, false);
    EXPECT_EQ((std::vector<ComboItem>{{"one", 1}}), m_app.Groups()) << "refilled after Cancel too";
    EXPECT_EQ(0, m_app.SelectedGroupIndex());
}

TEST_F(UrlPage, DeletingTheOnlyGroupEmptiesBothLists)
{
    StartLauncher("[Orvanta]\r\nG_NUM=4\r\nPrev_Sel_Browser=0\r\n[G4]\r\nGNAME=only\r\nURL_Num=1\r\n"
                  "UL1=NN http://x/\r\n");
    const SettingsSheet sheet = Open();
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 0));
    sheet.Click(IDC_GROUP_DELETE);
    EXPECT_EQ(L"グループ：only を削除します", AnswerBox(IDYES));
    EXPECT_TRUE(Groups(sheet).empty());
    EXPECT_TRUE(Rows(sheet).empty());
    const std::string text = ReadIniText();
    EXPECT_EQ("", ReadIniValue("Orvanta", "G_NUM"));
    // With no group nothing can be entered or saved.
    sheet.Press(IDC_URL_REGISTER);
    EXPECT_TRUE(Rows(sheet).empty());
    sheet.Press(IDC_GROUP_SAVE);
    sheet.Press(IDC_GROUP_RENAME);
    sheet.Press(IDC_GROUP_DELETE);
    EXPECT_EQ(nullptr, FindProcessWindow(m_app.Pid(), L"Orvanta"));
    Close(sheet, true);
    EXPECT_EQ(text, ReadIniText());
    EXPECT_TRUE(m_app.Groups().empty());
}

TEST_F(UrlPage, RenamedGroupShowsInTheLaunchersSelectorAfterOk)
{
    StartLauncher(TWO_GROUPS);
    SettingsSheet sheet = Open();
    sheet.Click(IDC_GROUP_RENAME);
    HWND dialog = WaitProcessWindow(m_app.Pid(), L"グループ名設定");
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(L"two", ControlText(::GetDlgItem(dialog, IDC_GROUP_NAME))) << "starts with the current name";
    SendWait(::GetDlgItem(dialog, IDC_GROUP_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"仕事"));
    ASSERT_TRUE(CloseDialog(dialog, IDOK));
    EXPECT_EQ((std::vector<ComboItem>{{"one", 1}, {"\x8e\x64\x8e\x96", 2}}), Groups(sheet));
    EXPECT_EQ(1, SelectedGroup(sheet));
    EXPECT_EQ("two", ReadIniValue("G2", "GNAME")) << "not before Save or OK";
    Close(sheet, true);
    EXPECT_EQ("仕事", ReadIniValue("G2", "GNAME"));
    EXPECT_EQ((std::vector<ComboItem>{{"one", 1}, {"\x8e\x64\x8e\x96", 2}}), m_app.Groups());
    EXPECT_EQ(1, m_app.SelectedGroupIndex());

    // Cancel in the dialog changes nothing; an empty name is a name.
    sheet = Open();
    NameGroup(sheet, IDC_GROUP_RENAME, L"ignored", IDCANCEL);
    EXPECT_EQ("\x8e\x64\x8e\x96", Groups(sheet)[1].text);
    NameGroup(sheet, IDC_GROUP_RENAME, L"");
    Close(sheet, true);
    EXPECT_EQ("", ReadIniValue("G2", "GNAME"));
}

TEST_F(UrlPage, KindChosenLastIsPreselectedNextTime)
{
    StartLauncher(TWO_GROUPS);
    SettingsSheet sheet = Open();
    Close(sheet, true);
    EXPECT_EQ(TWO_GROUPS, ReadIniText()) << "unchanged kind, nothing written";

    const struct {
        int box;
        const char *written;
    } cases[] = {{IDC_KIND_NN, "0"}, {IDC_KIND_DEF, "2"}, {IDC_KIND_IE, "1"}};
    for (const auto &c : cases) {
        sheet = Open();
        ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 2));
        sheet.Press(c.box);
        Close(sheet, true);
        EXPECT_EQ(c.written, ReadIniValue("Orvanta", "Prev_Sel_Browser"));
        sheet = Open();
        EXPECT_TRUE(sheet.IsChecked(c.box)) << c.box;
        Close(sheet, false);
    }
    // A row click chooses the row's kind too; Cancel keeps the old one.
    sheet = Open();
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 0));
    Close(sheet, false);
    EXPECT_EQ("1", ReadIniValue("Orvanta", "Prev_Sel_Browser"));
}

TEST_F(UrlPage, PageNeverShownSavesNothing)
{
    StartLauncher(TWO_GROUPS);
    HWND hwnd = m_app.OpenSettings();
    ASSERT_NE(nullptr, hwnd);
    const SettingsSheet sheet(hwnd);
    Close(sheet, true);
    EXPECT_EQ(TWO_GROUPS, ReadIniText());
}

// Mends: nothing typed is lost on the way to the settings file.

TEST_F(UrlPage, BlanksTypedInsideAUrlAreStoredEscaped)
{
    StartLauncher("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=g\r\nURL_Num=0\r\n");
    SettingsSheet sheet = Open();
    RegisterAt(sheet, 0, IDC_KIND_IE, L"http://x/a b\tc");
    EXPECT_EQ(L"http://x/a%20b%09c", Rows(sheet)[0].url);
    Close(sheet, true);
    EXPECT_EQ("IE http://x/a%20b%09c", ReadIniValue("G1", "UL1"));
    sheet = Open();
    EXPECT_EQ(L"http://x/a%20b%09c", Rows(sheet)[0].url) << "loads back whole";
    Close(sheet, false);
}

// A value of the settings file is read back up to 1022 characters: the
// tag, a blank and 1018 characters of URL.
TEST_F(UrlPage, UrlEditTakesAtMost1018CharactersAndLongerUrlsAreRefused)
{
    StartLauncher("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=g\r\nURL_Num=0\r\n");
    SettingsSheet sheet = Open();
    HWND edit = sheet.Item(IDC_URL_EDIT);
    EXPECT_EQ(1018, SendWait(edit, EM_GETLIMITTEXT));
    ASSERT_TRUE(ClickListRow(sheet.Item(IDC_URL_LIST), 0));
    PasteText(edit, std::wstring(1100, L'a'));
    EXPECT_EQ(1018u, sheet.Text(IDC_URL_EDIT).size());

    // With "http://" in front it would no longer fit.
    sheet.Click(IDC_URL_REGISTER);
    EXPECT_EQ(L"URLが長すぎます（1018バイトまで）", AnswerBox(IDOK));
    EXPECT_EQ(std::vector<ListRow>{NEW_ROW}, Rows(sheet));
    // Double-byte characters count twice.
    sheet.Press(IDC_HTTP_PREFIX);
    sheet.SetText(IDC_URL_EDIT, L"http://x/" + std::wstring(505, L'表'));
    sheet.Click(IDC_URL_REGISTER);
    EXPECT_EQ(L"URLが長すぎます（1018バイトまで）", AnswerBox(IDOK));

    sheet.SetText(IDC_URL_EDIT, std::wstring(1018, L'a'));
    sheet.Press(IDC_URL_REGISTER);
    Close(sheet, true);
    EXPECT_EQ("DEF " + std::string(1018, 'a'), ReadIniValue("G1", "UL1"));
    sheet = Open();
    EXPECT_EQ(1018u, Rows(sheet)[0].url.size()) << "loads back whole";
    Close(sheet, false);
}

TEST_F(UrlPage, GroupNameTakesAtMost1022Bytes)
{
    StartLauncher("[Orvanta]\r\nG_NUM=1\r\n[G1]\r\nGNAME=g\r\n");
    const SettingsSheet sheet = Open();
    sheet.Click(IDC_GROUP_RENAME);
    HWND dialog = WaitProcessWindow(m_app.Pid(), L"グループ名設定");
    ASSERT_NE(nullptr, dialog);
    HWND edit = ::GetDlgItem(dialog, IDC_GROUP_NAME);
    EXPECT_EQ(1022, SendWait(edit, EM_GETLIMITTEXT));
    SendWait(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    PasteText(edit, std::wstring(1100, L'n'));
    EXPECT_EQ(1022u, ControlText(edit).size());

    // 600 double-byte characters fit the limit of characters, not the file.
    SendWait(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(600, L'表').c_str()));
    PressButton(dialog, IDOK);
    HWND box = WaitProcessWindow(m_app.Pid(), L"Orvanta");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(L"グループ名が長すぎます（1022バイトまで）", MessageBoxText(box));
    ASSERT_TRUE(CloseDialog(box, IDOK));
    EXPECT_TRUE(::IsWindow(dialog)) << "the dialog stays open";

    SendWait(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::wstring(1022, L'n').c_str()));
    ASSERT_TRUE(CloseDialog(dialog, IDOK));
    Close(sheet, true);
    EXPECT_EQ(std::string(1022, 'n'), ReadIniValue("G1", "GNAME"));
    EXPECT_EQ(std::string(1022, 'n'), m_app.Groups()[0].text) << "read back whole";
}

// The keyboard alone, as it reaches the page (key messages to whatever
// has the focus): Tab goes through the page in reading order, and a new
// group of two entries is named, filled and saved. Keys are posted, so
// each waits for what it does.
TEST_F(UrlPage, TheKeyboardAloneMakesAGroup)
{
    StartLauncher("");
    const SettingsSheet sheet = Open();
    const auto focus = [&] { return FocusOf(sheet.Window()); };
    const auto press = [&](UINT key, const std::function<bool()> &done) {
        PressKey(focus(), key);
        return WaitUntil(done, 3000);
    };
    // Tabs until the focus is on id; the page's controls passed on the way.
    const auto tabTo = [&](int id) {
        std::vector<int> passed;
        for (HWND before = focus(); passed.size() < 40 && press(VK_TAB, [&] { return focus() != before; });) {
            before = focus();
            if (::GetParent(before) == sheet.Page() && passed.emplace_back(::GetDlgCtrlID(before)) == id)
                break;
        }
        EXPECT_EQ(id, ::GetDlgCtrlID(focus()));
        return passed;
    };
    const auto rows = [&](size_t count) { return [&sheet, count] { return Rows(sheet).size() == count; }; };

    tabTo(IDC_GROUP_LIST);
    EXPECT_EQ((std::vector<int>{IDC_GROUP_SAVE, IDC_GROUP_DELETE, IDC_GROUP_NEW, IDC_GROUP_RENAME, IDC_IMPORT_IE,
                                IDC_IMPORT_NN, IDC_IMPORT_OTHER, IDC_URL_RESTORE, IDC_URL_CLEAR, IDC_URL_LIST,
                                IDC_HTTP_PREFIX, IDC_GROUP_LIST}),
              tabTo(IDC_GROUP_LIST)) << "the editor's controls wait for a row";
    tabTo(IDC_GROUP_NEW);
    HWND dialog = nullptr;
    ASSERT_TRUE(press(VK_SPACE, [&] { return (dialog = FindProcessWindow(m_app.Pid(), L"グループ名設定")) != nullptr; }));
    EXPECT_TRUE(WaitUntil([&] { return ::GetDlgCtrlID(FocusOf(dialog)) == IDC_GROUP_NAME; }, 3000)) << "the caret is in the name";
    TypeText(FocusOf(dialog), "Keys");
    PressKey(FocusOf(dialog), VK_RETURN);
    ASSERT_TRUE(WaitUntil(rows(1)));

    tabTo(IDC_URL_LIST);
    EXPECT_TRUE(press(VK_HOME, [&] { return sheet.IsEnabled(IDC_URL_EDIT); })) << "the selection fills the editor";
    EXPECT_EQ(sheet.Item(IDC_URL_LIST), focus());
    tabTo(IDC_URL_EDIT);
    TypeText(focus(), "one.example/");    // taken before the next key, as posted before it
    EXPECT_EQ((std::vector<int>{IDC_KIND_DEF, IDC_URL_REGISTER}), tabTo(IDC_URL_REGISTER)) << "Tab stops at the ticked kind";
    EXPECT_TRUE(press(VK_SPACE, rows(2)));
    EXPECT_EQ(sheet.Item(IDC_URL_LIST), focus()) << "back to the list";

    EXPECT_TRUE(press(VK_DOWN, [&] { return sheet.IsEnabled(IDC_URL_EDIT); }));
    tabTo(IDC_URL_EDIT);
    TypeText(focus(), "http://two.example/");
    tabTo(IDC_KIND_DEF);
    EXPECT_TRUE(press(VK_LEFT, [&] { return focus() == sheet.Item(IDC_KIND_IE); })) << "the kind boxes are a group";
    EXPECT_TRUE(press(VK_SPACE, [&] { return sheet.IsChecked(IDC_KIND_IE); }));
    tabTo(IDC_URL_REGISTER);
    EXPECT_TRUE(press(VK_SPACE, rows(3)));
    tabTo(IDC_GROUP_SAVE);
    EXPECT_TRUE(press(VK_SPACE, [&] { return ReadIniValue("G1", "URL_Num") == "2"; }));
    EXPECT_EQ("Keys", ReadIniValue("G1", "GNAME"));
    EXPECT_EQ("DEF http://one.example/", ReadIniValue("G1", "UL1"));
    EXPECT_EQ("IE http://two.example/", ReadIniValue("G1", "UL2"));
    Close(sheet, false);
}

} // namespace
