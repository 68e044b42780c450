// The settings dialogs' templates as compiled into Orvanta.exe: every
// control with its id, class, text, style and place, in template order.
#include "DialogTemplate.h"
#include "LauncherDriver.h"

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

} // namespace
