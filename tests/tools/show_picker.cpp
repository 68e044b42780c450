// Opens the bookmark picker on its own, for the pictures in docs/:
//   show_picker ie|nn [FOLDER [ROW...]]
// opens it on the Favorites (ie) or the bookmark file (nn), then selects the
// folder titled FOLDER, expanding the tree down to it, and the given rows.
#include "LauncherDriver.h"
#include "PickerDriver.h"
#include "core/text/WideText.h"
#include "res/resource.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>
#include <string>
#include <vector>

int main()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    int argc = 0;
    wchar_t **argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argc < 2)
        return 2;
    CBookmarkDlg dlg;
    dlg.m_source = std::wcscmp(argv[1], L"nn") ? FavoritesSource() : NavigatorSource();
    const std::string folder = argc > 2 ? Utf8FromWide(argv[2]) : std::string();
    std::vector<int> rows;
    for (int i = 3; i < argc; ++i)
        rows.push_back(static_cast<int>(std::wcstol(argv[i], nullptr, 10)));
    RunPicker(dlg, [&](HWND hwnd) {
        HWND tree = ::GetDlgItem(hwnd, IDC_BOOKMARK_TREE), list = ::GetDlgItem(hwnd, IDC_BOOKMARK_LIST);
        if (!folder.empty() && SelectFolder(tree, folder))
            ::SendMessageW(tree, TVM_ENSUREVISIBLE, 0, ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
        // The selection shows while the list has the focus.
        ::SendMessageW(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
        SelectRows(list, rows);
        // Open until the picture is taken and the window closed.
        WaitUntil([&] { return !::IsWindow(hwnd); }, 60000);
    });
    return 0;
}
