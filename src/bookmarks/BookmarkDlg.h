// The bookmark picker (dialog 134): the folders of a source (BookmarkSource.h)
// on the left, the selected folder's entries on the right. The user selects entries of one
// folder (the first eight count) and ends with "追加" (add), "入れ替え"
// (replace) or "ｷｬﾝｾﾙ".
#pragma once

#include "bookmarks/BookmarkList.h"
#include "core/bookmarks/BookmarkPick.h"
#include "core/bookmarks/BookmarkSource.h"
#include "bookmarks/BookmarkTree.h"
#include "core/bookmarks/EntryTables.h"
#include "core/bookmarks/FolderSink.h"
#include "framework/Dialog.h"
#include "core/settings/GroupList.h"

#include <string>

class CBookmarkDlg : public CDialog, public IFolderSink {
public:
    explicit CBookmarkDlg(HWND owner = nullptr);

    // Out, after IDOK: the folder and its chosen rows, ascending, and
    // whether "追加" (1) or "入れ替え" (0) ended the dialog.
    int m_nSelFolder = 0;
    int m_nSelRows[MAX_URLS] = {};
    int m_nSelCount = 0;
    int m_bAppend = 0;
    // In: what the picker shows.
    BookmarkSource m_source;

    CEntryTables m_tables;
    CBookmarkTree m_tree;
    CBookmarkList m_list;

    // The chosen entries' URLs, tagged with the source's kind.
    BookmarkPick Pick() const;

    int PushFolder(const std::string &title, int id) override { return m_tree.PushFolder(title, id); }
    int PopFolder() override { return m_tree.PopFolder(); }
    int CurrentFolder() override { return m_tree.CurrentFolder(); }
    int AppendFolder(const std::string &title, int parentId) override { return m_tree.AppendFolder(title, parentId); }
    void AddEntry(int folder, const std::string &name, const std::string &url) override
    {
        m_tables.AddEntry(folder, name, url);
    }

protected:
    void DoDataExchange(CDataExchange *pDX) override;
    BOOL OnInitDialog() override;
    void OnDpiChanged(UINT oldDpi, UINT newDpi) override;
    void OnOK() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    BOOL OnNotify(NMHDR *hdr, LRESULT &result) override;

private:
    void OnReplace();
    void OnSelChangedTree();
    void CollectSelection();

    // A bookmark file: Netscape Navigator's "bookmark.htm" or an export.
    int LoadBookmarkFile(const std::string &path);
    // Netscape Navigator's file in the current profile's directory.
    int LoadNavigatorFile();
    // Every folder and Internet shortcut below the Favorites folder.
    int LoadFavorites();
    // The profile's "Bookmarks", and its "AccountBookmarks" in a folder of
    // their own (ChromiumPicker.cpp).
    int LoadChromiumProfile();
};

// Runs the picker on a source, owned by owner, which stays disabled while it runs: true with the
// pick when it ended with "追加" or "入れ替え" and at least one entry was
// chosen.
bool RunBookmarkPicker(HWND owner, const BookmarkSource &source, BookmarkPick &pick);
