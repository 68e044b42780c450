// A Chromium-family browser's profile read into the picker. The roots and
// the account's folder take the program's own texts; the root is the
// profile.
#include "bookmarks/BookmarkDlg.h"

#include "core/bookmarks/ChromiumBookmarks.h"
#include "core/text/Utf8Text.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

int CBookmarkDlg::LoadChromiumProfile()
{
    CChromiumReader reader(*this);
    reader.AddRoot();
    CFileStream own, account;
    if (own.Open(JoinPath(m_source.path, "Bookmarks").c_str()))
        reader.ReadFile(own, 0);
    if (account.Open(JoinPath(m_source.path, "AccountBookmarks").c_str())) {
        const int folder = reader.Append(ChromiumRootTitle(ROOT_COUNT), 0);
        if (folder >= 0) {
            reader.ReadFile(account, folder);
            m_tree.SetFolderTitle(folder, LoadResString(IDS_ROOT_ACCOUNT));
        }
    }
    m_tree.SetFolderTitle(0, WideFromUtf8(m_source.label));
    for (const CChromiumReader::RootFolder &root : reader.m_roots)
        m_tree.SetFolderTitle(root.id, LoadResString(static_cast<UINT>(IDS_ROOT_BAR + root.root)));
    return 1;
}
