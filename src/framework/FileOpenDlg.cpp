#include "framework/FileOpenDlg.h"

#include "framework/MessageBox.h"

#include <commdlg.h>

bool AskFileToOpen(HWND owner, UINT filterId, std::wstring &path)
{
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
    if (!::GetOpenFileNameW(&ofn))
        return false;
    path = file;
    return true;
}
