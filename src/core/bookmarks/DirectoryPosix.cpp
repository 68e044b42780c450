#include "core/bookmarks/Directory.h"

#include "core/bookmarks/PosixPath.h"

#include <algorithm>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>

std::string PosixPath(const std::string &path)
{
    std::string posix = path;
    std::replace(posix.begin(), posix.end(), '\\', '/');
    return posix;
}

namespace {

uint32_t Attributes(const struct stat &st)
{
    if (S_ISDIR(st.st_mode))
        return DIRECTORY_ATTRIBUTE;
    return S_ISREG(st.st_mode) ? ARCHIVE_ATTRIBUTE : 0;
}

} // namespace

bool ListDirectory(const std::string &dir, std::vector<DirectoryItem> &items)
{
    items.clear();
    const std::string posix = PosixPath(dir);
    DIR *d = ::opendir(posix.c_str());
    if (!d)
        return false;
    while (const dirent *entry = ::readdir(d)) {
        if (!std::strcmp(entry->d_name, ".") || !std::strcmp(entry->d_name, ".."))
            continue;
        // An item gone before it could be looked at is no item.
        struct stat st;
        if (::stat((posix + "/" + entry->d_name).c_str(), &st) != 0)
            continue;
        const uint32_t attributes = Attributes(st);
        items.push_back({entry->d_name, (attributes & DIRECTORY_ATTRIBUTE) != 0, attributes});
    }
    ::closedir(d);
    return true;
}

std::FILE *OpenTextFile(const std::string &path) { return std::fopen(PosixPath(path).c_str(), "r"); }
