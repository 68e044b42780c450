// The folders of one opening of the bookmark picker: up to 256, each with a
// folder id that indexes the entry tables. A view (the tree-view control, or
// a tree in memory) shows them; this class keeps the table of their items.
//
// The two loaders use the table differently. The bookmark file reader uses
// it as a stack of open folders (PushFolder, PopFolder, CurrentFolder), with
// the top as the nesting depth; the Favorites reader as a table indexed by
// folder id (AppendFolder), with the top as the number of folders so far.
// Folders past either limit are left out; the entries of a bookmark file's
// folder left out go to the innermost folder that exists.
#pragma once

#include <cstdint>
#include <string>

#define MAX_FOLDERS 256

// An item of the view; null stands for the top level.
typedef void *FolderItem;

class CFolderIndex {
public:
    virtual ~CFolderIndex() = default;

    // Opens folder id as the last child of the innermost open folder. Returns 0.
    int PushFolder(const std::string &title, int id);
    // Closes the innermost open folder; at depth 0 nothing happens. Returns 0.
    int PopFolder();
    // The id of the innermost open folder; 0 while none is open.
    int CurrentFolder() const;

    // Adds the next folder id as the last child of folder parentId (the
    // first folder goes to the top level). 1 when it was added, 0 when the
    // table is full.
    int AppendFolder(const std::string &title, int parentId);

protected:
    // Inserts a folder item as the last child of parent; may yield null.
    virtual FolderItem InsertFolder(FolderItem parent, const std::string &title, int id) = 0;
    // The view's item of folder id (Favorites).
    FolderItem ItemOf(int id) const { return id >= 0 && id < m_nTop ? m_hItems[id] : nullptr; }

private:
    FolderItem m_hItems[MAX_FOLDERS] = {};
    int m_nIds[MAX_FOLDERS] = {};
    int m_nTop = 0;
    // Folders opened past a limit and not shown; their closes come first.
    int64_t m_nHidden = 0;
};
