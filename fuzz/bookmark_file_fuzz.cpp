// Any bytes as "bookmark.htm": the folders and entries read from them keep
// the tables' limits, and the URLs fit an entry whole and keep no control
// characters; and reading the file one byte per read call gives the same
// folders and entries as reading it through the buffer.
#include "core/bookmarks/BookmarkFile.h"
#include "core/bookmarks/MemoryFolders.h"
#include "core/settings/EntryUrl.h"

#include <cstdlib>

namespace {

class COneByteStream : public CMemoryStream {
public:
    using CMemoryStream::CMemoryStream;
    long Read(void *buffer, size_t size) override { return CMemoryStream::Read(buffer, size < 1 ? size : 1); }
};

bool Same(const CMemoryBookmarks &a, const CMemoryBookmarks &b)
{
    if (a.m_tree.m_folders.size() != b.m_tree.m_folders.size())
        return false;
    for (size_t i = 0; i < a.m_tree.m_folders.size(); ++i) {
        const MemoryFolder &x = a.m_tree.m_folders[i], &y = b.m_tree.m_folders[i];
        if (x.title != y.title || x.id != y.id || x.parent != y.parent)
            return false;
    }
    for (int f = 0; f < MAX_FOLDERS; ++f)
        if (a.m_tables.m_names[f] != b.m_tables.m_names[f] || a.m_tables.m_urls[f] != b.m_tables.m_urls[f])
            return false;
    return true;
}

} // namespace

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
        for (const std::string &url : t.m_urls[f]) {
            if (!UrlFitsEntry(url))
                std::abort();
            for (const char c : url)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                    std::abort();
        }
    }
    COneByteStream trickle(data, size);
    CMemoryBookmarks byByte;
    ReadBookmarks(trickle, byByte);
    if (!Same(b, byByte))
        std::abort();
    return 0;
}
