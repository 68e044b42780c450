#include "FileTree.h"

#include <cstdio>

#ifdef _WIN32
#include "core/text/WideText.h"

#include <windows.h>
#else
#include "core/bookmarks/PosixPath.h"

#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

void MakeDir(const std::string &path) { ::CreateDirectoryW(WideFromUtf8(path).c_str(), nullptr); }

void WriteBytes(const std::string &path, const std::string &bytes)
{
    HANDLE file = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

void RemoveTree(const std::string &path)
{
    const std::wstring wide = WideFromUtf8(path);
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW((wide + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring child = wide + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(Utf8FromWide(child));
            } else {
                ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(child.c_str());
            }
        } while (::FindNextFileW(find, &data));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(wide.c_str());
}

std::string MakeTempDir(const char *prefix)
{
    // A unique name from a file the system makes, which then gives way to the folder.
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    ::GetTempFileNameW(dir, WideFromUtf8(prefix).c_str(), 0, path);
    ::DeleteFileW(path);
    ::CreateDirectoryW(path, nullptr);
    return Utf8FromWide(path);
}

#else

// Paths may be built as the program builds them, with backslashes.
void MakeDir(const std::string &path) { ::mkdir(PosixPath(path).c_str(), 0700); }

void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::FILE *file = std::fopen(PosixPath(path).c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

namespace {

int RemoveItem(const char *path, const struct stat *, int, struct FTW *) { return std::remove(path); }

} // namespace

void RemoveTree(const std::string &path) { ::nftw(path.c_str(), RemoveItem, 16, FTW_DEPTH | FTW_PHYS); }

std::string MakeTempDir(const char *prefix)
{
    std::string pattern = std::string("/tmp/orvanta-") + prefix + "-XXXXXX";
    return ::mkdtemp(&pattern[0]) ? pattern : std::string();
}

#endif

std::string TestDataPath(const std::string &rest)
{
    std::string path = std::string(ORVANTA_SOURCE_DIR) + "/tests/data/" + rest;
#ifdef _WIN32
    for (char &c : path)
        if (c == '/')
            c = '\\';
    path = "Z:" + path;
#endif
    return path;
}
