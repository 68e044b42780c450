#include "core/bookmarks/Directory.h"

#include "core/text/AnsiText.h"

#include <cstring>

#include <windows.h>

bool ListDirectory(const std::string &dir, std::vector<DirectoryItem> &items)
{
    items.clear();
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA(JoinPath(dir, "*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0)
            items.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                             data.dwFileAttributes});
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
    return true;
}

std::FILE *OpenTextFile(const std::string &path) { return std::fopen(path.c_str(), "r"); }
