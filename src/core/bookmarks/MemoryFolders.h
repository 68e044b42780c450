// The folder tree and entry tables in memory, standing in for the picker's
// tree-view control where there is no window: tests, fuzzers, benchmark.
#pragma once

#include "core/bookmarks/EntryTables.h"
#include "core/bookmarks/FolderIndex.h"
#include "core/bookmarks/FolderSink.h"

#include <string>
#include <vector>

struct MemoryFolder {
    std::string title;
    int id;
    int parent;    // index in m_folders; -1 for the top level
};

class CMemoryTree : public CFolderIndex {
public:
    // Every folder inserted, in the order of insertion.
    std::vector<MemoryFolder> m_folders;

protected:
    FolderItem InsertFolder(FolderItem parent, const std::string &title, int id) override;
};

class CMemoryBookmarks : public IFolderSink {
public:
    CMemoryTree m_tree;
    CEntryTables m_tables;

    int PushFolder(const std::string &title, int id) override { return m_tree.PushFolder(title, id); }
    int PopFolder() override { return m_tree.PopFolder(); }
    int CurrentFolder() override { return m_tree.CurrentFolder(); }
    int AppendFolder(const std::string &title, int parentId) override { return m_tree.AppendFolder(title, parentId); }
    void AddEntry(int folder, const std::string &name, const std::string &url) override
    {
        m_tables.AddEntry(folder, name, url);
    }
};
