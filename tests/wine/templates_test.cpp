// The settings dialogs' templates as compiled into Orvanta.exe: every
// control with its id, class, text, style and place, in template order.
#include "DialogTemplate.h"
#include "LauncherDriver.h"
#include "framework/TemplateFont.h"

#include <gtest/gtest.h>

namespace {

const DWORD CHILD = WS_CHILD | WS_VISIBLE;

class Templates : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_module = ::LoadLibraryExA((ProgramDir() + "\\Orvanta.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { ::FreeLibrary(s_module); }

    // Caption, size and the font every dialog of the program uses.
    static void ExpectPage(const DialogTemplate &dlg, const wchar_t *caption, short cx, short cy)
    {
        ASSERT_TRUE(dlg.loaded);
        EXPECT_EQ(caption, dlg.caption);
        EXPECT_EQ(cx, dlg.cx);
        EXPECT_EQ(cy, dlg.cy);
        EXPECT_EQ(L"ＭＳ Ｐゴシック", dlg.font);
        EXPECT_EQ(9, dlg.pointSize);
        EXPECT_EQ(0x80, dlg.charset);
    }

    static HMODULE s_module;
};

HMODULE Templates::s_module = nullptr;

TEST_F(Templates, StartupOptionsPage)
{
    const DialogTemplate dlg = LoadDialogTemplate(s_module, 129);
    ExpectPage(dlg, L"起動関係", 271, 173);
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_CAPTION | DS_SETFONT), dlg.style);
    const DWORD check = CHILD | BS_AUTOCHECKBOX | WS_TABSTOP;
    const std::vector<DialogItem> expected = {
        {1003, L"Button", L"設定に従う", CHILD | BS_AUTORADIOBUTTON, 26, 107, 92, 11},
        {1006, L"Button", L"NNに設定したものだけ", CHILD | BS_AUTORADIOBUTTON, 26, 118, 92, 11},
        {1007, L"Button", L"IEに設定したものだけ", CHILD | BS_AUTORADIOBUTTON, 26, 130, 92, 11},
        {1008, L"Button", L"通常使うブラウザで表示", CHILD | BS_AUTORADIOBUTTON, 26, 142, 92, 11},
        {-1, L"Button", L"起動するブラウザ", CHILD | BS_GROUPBOX, 17, 94, 110, 63},
        {1018, L"Edit", L"", CHILD | ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 174, 123, 25, 15},
        {1019, L"msctls_updown32", L"", CHILD | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS, 201, 123, 10, 16},
        {-1, L"Button", L"起動間隔（秒）：２～３０秒", CHILD | BS_GROUPBOX, 154, 104, 86, 46},
        {1056, L"Button", L"ブラウザ起動後、終了する", check, 17, 23, 105, 13},
        {1057, L"Button", L"ダイヤルアップ接続を待つ", check, 17, 37, 107, 13},
        {1058, L"Button", L"既に出ているブラウザを再利用する", check, 17, 52, 119, 13},
        {1059, L"Button", L"スタートアップに登録する", check, 153, 44, 92, 15},
        {1060, L"Button", L"スタートアップから削除する", check, 153, 59, 96, 15},
        {1063, L"Button", L"窓の数は1個で実行", check, 17, 67, 82, 13},
        {-1, L"Button", L"スタートアップ関係", CHILD | BS_GROUPBOX, 139, 33, 117, 49},
    };
    EXPECT_EQ(expected, dlg.items);
}

TEST_F(Templates, UrlRegistrationPage)
{
    const DialogTemplate dlg = LoadDialogTemplate(s_module, 138);
    ExpectPage(dlg, L"URL登録", 295, 199);
    EXPECT_EQ(static_cast<DWORD>(WS_CHILD | WS_CAPTION | DS_SETFONT), dlg.style);
    const DWORD button = CHILD | BS_PUSHBUTTON, check = CHILD | BS_AUTOCHECKBOX, radio = CHILD | BS_AUTORADIOBUTTON;
    const std::vector<DialogItem> expected = {
        {1004, L"SysListView32", L"",
         CHILD | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP, 31, 51, 243, 87},
        {1005, L"Button", L"登録項目", CHILD | BS_GROUPBOX, 15, 24, 272, 168},
        {1009, L"Edit", L"", CHILD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 32, 158, 241, 14},
        {1013, L"Button", L"削除", button, 232, 177, 41, 12},
        {1014, L"Button", L"登録", button, 183, 177, 41, 12},
        {-1, L"Static", L"ＵＲＬ", CHILD | SS_LEFT, 30, 144, 25, 9},
        {1015, L"Button", L"NN", check, 33, 177, 28, 12},
        {1016, L"Button", L"IE", check, 67, 177, 27, 12},
        {1017, L"Button", L"通常使うブラウザ", check, 101, 177, 70, 12},
        {1033, L"Button", L"http://", check, 61, 144, 40, 8},
        {1061, L"Button", L"ブラウザのホームページ", radio, 180, 143, 96, 11},
        {1062, L"Button", L"空白ページ", radio, 119, 143, 54, 11},
        {1064, L"Button", L"IEのお気に入り", button, 61, 34, 64, 14},
        {1065, L"Button", L"NNのブックマーク", button, 127, 34, 64, 14},
        {1066, L"Button", L"クリア", button, 240, 34, 37, 14},
        {1067, L"Button", L"元の設定に", button, 196, 34, 43, 14},
        {-1, L"Static", L"グループ名", CHILD | SS_LEFT, 5, 8, 39, 10},
        {1069, L"Button", L"保存", button, 128, 5, 38, 13},
        {1070, L"Button", L"削除", button, 168, 5, 38, 13},
        {1068, L"ComboBox", L"", CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, 45, 5, 79, 52},
        {1071, L"Button", L"新規", button, 209, 5, 38, 13},
        {1072, L"Button", L"名称変更", button, 250, 5, 38, 13},
    };
    EXPECT_EQ(expected, dlg.items);
}

TEST_F(Templates, GroupNameDialog)
{
    const DialogTemplate dlg = LoadDialogTemplate(s_module, 139);
    ExpectPage(dlg, L"グループ名設定", 187, 45);
    EXPECT_EQ(static_cast<DWORD>(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT), dlg.style);
    const std::vector<DialogItem> expected = {
        {IDOK, L"Button", L"OK", CHILD | BS_DEFPUSHBUTTON | WS_TABSTOP, 144, 7, 36, 14},
        {IDCANCEL, L"Button", L"ｷｬﾝｾﾙ", CHILD | BS_PUSHBUTTON | WS_TABSTOP, 144, 24, 36, 14},
        {1072, L"Edit", L"", CHILD | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 21, 130, 16},
        {-1, L"Static", L"グループ名を入力して下さい", CHILD | SS_LEFT, 7, 7, 99, 10},
    };
    EXPECT_EQ(expected, dlg.items);
}

} // namespace

namespace {

// The sheet sizes itself by the point size read from its pages' templates.
TEST_F(Templates, FontSizeIsFoundInEveryDialogOfTheProgram)
{
    for (int id : {100, 102, 129, 134, 138, 139}) {
        HRSRC found = ::FindResourceW(s_module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));
        ASSERT_NE(nullptr, found) << id;
        const DWORD size = ::SizeofResource(s_module, found);
        std::vector<BYTE> bytes(size);
        CopyMemory(bytes.data(), ::LockResource(::LoadResource(s_module, found)), size);
        const WORD *points = TemplateFontSize(bytes.data(), bytes.size());
        ASSERT_NE(nullptr, points) << id;
        EXPECT_EQ(LoadDialogTemplate(s_module, id).pointSize, *points) << id;
        // Cut short, the font is not found rather than read past the end.
        EXPECT_EQ(nullptr, TemplateFontSize(bytes.data(), static_cast<size_t>(reinterpret_cast<const BYTE *>(points) - bytes.data())))
            << id;
    }
}

} // namespace
