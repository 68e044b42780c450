#include "framework/FileOpenDlg.h"

#include "framework/MessageBox.h"

#include <commdlg.h>

namespace {

typedef BOOL(WINAPI *GetOpenFileNameFn)(OPENFILENAMEW *);

// The dialog's library is loaded when a dialog is first asked for, not at
// the program's start: it brings in the print spooler's library, which
// under Wine loads the printing system too, more than the rest of the
// launcher's start-up takes. It stays loaded once it is.
GetOpenFileNameFn OpenDialogFunction()
{
    static GetOpenFileNameFn function = nullptr;
    if (!function) {
        HMODULE library = ::LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (library)
            function = reinterpret_cast<GetOpenFileNameFn>(
                reinterpret_cast<void (*)()>(::GetProcAddress(library, "GetOpenFileNameW")));
    }
    return function;
}

} // namespace

bool AskFileToOpen(HWND owner, UINT filterId, std::wstring &path)
{
    GetOpenFileNameFn getOpenFileName = OpenDialogFunction();
    if (!getOpenFileName)
        return false;
    std::wstring filter = LoadResString(filterId);
    for (wchar_t &c : filter)
        if (c == L'|')
            c = L'\0';
    wchar_t file[MAX_PATH] = L"";
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!getOpenFileName(&ofn))
        return false;
    path = file;
    return true;
}
