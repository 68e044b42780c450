// The entries of each folder, indexed by folder id: entry k of folder f is
// (m_names[f][k], m_urls[f][k]) for k below m_nCount[f], in the order added.
#pragma once

#include "core/bookmarks/FolderIndex.h"

#include <string>
#include <vector>

class CEntryTables {
public:
    std::vector<std::string> m_names[MAX_FOLDERS];
    std::vector<std::string> m_urls[MAX_FOLDERS];
    int m_nCount[MAX_FOLDERS] = {};

    // An id outside 0..255 has no table: the entry is dropped.
    void AddEntry(int folder, const std::string &name, const std::string &url);
    void Clear();
};
