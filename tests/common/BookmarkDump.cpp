#include "BookmarkDump.h"

#include "core/text/Unicode.h"

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

std::string NamesInCodePage(const std::string &utf8Dump)
{
    std::string dump;
    for (size_t start = 0; start < utf8Dump.size();) {
        const size_t newline = utf8Dump.find('\n', start);
        const std::string line = utf8Dump.substr(start, newline - start);
        const size_t bar = line.find(" | ");
        dump += bar == std::string::npos ? Utf8ToAnsi(line) : Utf8ToAnsi(line.substr(0, bar)) + line.substr(bar);
        dump += '\n';
        start = newline == std::string::npos ? utf8Dump.size() : newline + 1;
    }
    return dump;
}
