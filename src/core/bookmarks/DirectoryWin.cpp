#include "core/bookmarks/Directory.h"

#include "core/text/Utf8Text.h"
#include "core/text/WideText.h"

#include <windows.h>

bool ListDirectory(const std::string &dir, std::vector<DirectoryItem> &items)
{
    items.clear();
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(WideFromUtf8(JoinPath(dir, "*.*")).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..")
            items.push_back({Utf8FromWide(name), (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                             data.dwFileAttributes});
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    return true;
}

std::FILE *OpenTextFile(const std::string &path) { return ::_wfopen(WideFromUtf8(path).c_str(), L"r"); }
