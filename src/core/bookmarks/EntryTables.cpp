#include "core/bookmarks/EntryTables.h"

void CEntryTables::AddEntry(int folder, const std::string &name, const std::string &url)
{
    if (folder < 0 || folder >= MAX_FOLDERS)
        return;
    m_names[folder].push_back(name);
    m_urls[folder].push_back(url);
    ++m_nCount[folder];
}

void CEntryTables::Clear()
{
    for (int f = 0; f < MAX_FOLDERS; ++f) {
        m_names[f].clear();
        m_urls[f].clear();
        m_nCount[f] = 0;
    }
}
