#include "BookmarkDump.h"

#include <sstream>
#include <vector>

namespace {

void DumpEntries(std::ostringstream &out, const CEntryTables &tables, int id, size_t indent)
{
    for (int k = 0; k < tables.m_nCount[id]; ++k)
        out << std::string(indent, ' ') << "- " << tables.m_names[id][static_cast<size_t>(k)] << " | "
            << tables.m_urls[id][static_cast<size_t>(k)] << "\n";
}

} // namespace

std::string Dump(const CMemoryBookmarks &bookmarks)
{
    const std::vector<MemoryFolder> &folders = bookmarks.m_tree.m_folders;
    std::ostringstream out;
    std::vector<bool> shown(MAX_FOLDERS, false);
    for (const MemoryFolder &folder : folders) {
        size_t depth = 0;
        for (int p = folder.parent; p >= 0; p = folders[static_cast<size_t>(p)].parent)
            ++depth;
        out << std::string(depth, ' ') << "+" << folder.title << " #" << folder.id << "\n";
        if (folder.id >= 0 && folder.id < MAX_FOLDERS && !shown[static_cast<size_t>(folder.id)]) {
            shown[static_cast<size_t>(folder.id)] = true;
            DumpEntries(out, bookmarks.m_tables, folder.id, depth + 1);
        }
    }
    for (int id = 0; id < MAX_FOLDERS; ++id)
        if (!shown[static_cast<size_t>(id)] && bookmarks.m_tables.m_nCount[id] > 0) {
            out << "(#" << id << ")\n";
            DumpEntries(out, bookmarks.m_tables, id, 1);
        }
    return out.str();
}
