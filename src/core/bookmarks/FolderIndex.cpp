#include "core/bookmarks/FolderIndex.h"

int CFolderIndex::PushFolder(const std::string &title, int id)
{
    if (m_nHidden > 0 || id < 0 || id >= MAX_FOLDERS || m_nTop + 1 >= MAX_FOLDERS) {
        ++m_nHidden;
        return 0;
    }
    FolderItem item = InsertFolder(m_hItems[m_nTop], title, id);
    ++m_nTop;
    m_hItems[m_nTop] = item;
    m_nIds[m_nTop] = id;
    return 0;
}

int CFolderIndex::PopFolder()
{
    if (m_nHidden > 0)
        --m_nHidden;
    else if (m_nTop > 0)
        --m_nTop;
    return 0;
}

int CFolderIndex::CurrentFolder() const { return m_nIds[m_nTop]; }

int CFolderIndex::AppendFolder(const std::string &title, int parentId)
{
    // A parent is always an earlier folder, so every path ends at the root.
    if (m_nTop >= MAX_FOLDERS || parentId < 0 || (m_nTop > 0 && parentId >= m_nTop))
        return 0;
    const int id = m_nTop;
    m_hItems[id] = InsertFolder(m_nTop > 0 ? m_hItems[parentId] : nullptr, title, id);
    m_nIds[id] = id;
    ++m_nTop;
    return 1;
}
