// The picker's folder tree: a tree-view control whose items are the
// folders, each with its folder id as item data, image 1 (a closed box) and
// image 2 while selected (an open box). Never sorted: children stay in the
// order they were added.
#pragma once

#include "core/bookmarks/FolderIndex.h"
#include "framework/Controls.h"

#include <string>

class CBookmarkTree : public CTreeCtrl, public CFolderIndex {
public:
    CBookmarkTree() = default;
    ~CBookmarkTree() override;
    CBookmarkTree(const CBookmarkTree &) = delete;
    CBookmarkTree &operator=(const CBookmarkTree &) = delete;

    // Icons 135 to 137 as images 0 to 2 in the small-icon size of dpi,
    // installed as the tree's normal image list in place of the one before.
    void SetupImageList(UINT dpi);
    // Shows one of the program's own texts as the title of folder id.
    void SetFolderTitle(int id, const std::wstring &title) const;

protected:
    FolderItem InsertFolder(FolderItem parent, const std::string &title, int id) override;

private:
    HIMAGELIST m_pImages = nullptr;
};
