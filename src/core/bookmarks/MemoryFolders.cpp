#include "core/bookmarks/MemoryFolders.h"

#include <cstdint>

// An item is its index in m_folders plus one, so that null stays the top level.
FolderItem CMemoryTree::InsertFolder(FolderItem parent, const std::string &title, int id)
{
    const int parentIndex = static_cast<int>(reinterpret_cast<intptr_t>(parent)) - 1;
    m_folders.push_back({title, id, parentIndex});
    return reinterpret_cast<FolderItem>(static_cast<intptr_t>(m_folders.size()));
}
