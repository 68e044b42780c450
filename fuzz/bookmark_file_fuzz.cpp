// Any bytes as "bookmark.htm": the folders and entries read from them keep
// the tables' limits and the URLs keep no control characters.
#include "bookmarks/BookmarkFile.h"
#include "bookmarks/MemoryFolders.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CMemoryStream stream(data, size);
    CMemoryBookmarks b;
    if (ReadBookmarks(stream, b) != 1)
        std::abort();
    if (b.m_tree.m_folders.size() > 2 * MAX_FOLDERS)
        std::abort();
    for (const MemoryFolder &folder : b.m_tree.m_folders)
        if (folder.id < 0 || folder.id >= MAX_FOLDERS)
            std::abort();
    for (int f = 0; f < MAX_FOLDERS; ++f) {
        const CEntryTables &t = b.m_tables;
        if (t.m_nCount[f] != static_cast<int>(t.m_names[f].size()) || t.m_names[f].size() != t.m_urls[f].size())
            std::abort();
        for (const std::string &url : t.m_urls[f])
            for (const char c : url)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                    std::abort();
    }
    return 0;
}
