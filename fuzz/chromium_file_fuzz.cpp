// Any bytes as a Chromium profile's "Bookmarks" file, read twice into one
// picker as a profile with an account file is, and as its "Local State".
// Folder ids are handed out in order, each below an earlier folder, at most
// 256 of them; every entry belongs to one and keeps a URL an entry can
// hold; the roots noted are folders read. A second reading of the same
// bytes below another folder adds the same folders and entries again.
#include "FuzzCheck.h"
#include "core/bookmarks/ChromiumBookmarks.h"
#include "core/bookmarks/ChromiumProfiles.h"
#include "core/bookmarks/FolderIndex.h"
#include "core/bookmarks/MemoryFolders.h"
#include "core/settings/EntryUrl.h"
#include "core/text/Unicode.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CMemoryBookmarks b;
    CChromiumReader reader(b);
    reader.AddRoot();
    CMemoryStream first(data, size);
    const bool read = reader.ReadFile(first, 0);
    const size_t once = b.m_tree.m_folders.size();
    size_t entriesOnce = 0;
    for (int f = 0; f < MAX_FOLDERS; ++f)
        entriesOnce += b.m_tables.m_urls[f].size();

    const int account = reader.Append("account", 0);
    CMemoryStream second(data, size);
    Check(reader.ReadFile(second, account < 0 ? 0 : account) == read);

    const auto &folders = b.m_tree.m_folders;
    Check(folders.size() <= MAX_FOLDERS && (read || once == 1));
    for (size_t i = 0; i < folders.size(); ++i) {
        Check(folders[i].id == static_cast<int>(i));
        Check(i == 0 ? folders[i].parent == -1 : folders[i].parent >= 0 && folders[i].parent < static_cast<int>(i));
    }
    size_t entries = 0;
    for (int f = 0; f < MAX_FOLDERS; ++f) {
        const CEntryTables &t = b.m_tables;
        Check(t.m_nCount[f] == static_cast<int>(t.m_names[f].size()) && t.m_names[f].size() == t.m_urls[f].size());
        Check(t.m_nCount[f] == 0 || static_cast<size_t>(f) < folders.size());
        entries += t.m_urls[f].size();
        for (const std::string &url : t.m_urls[f])
            Check(!url.empty() && UrlFitsEntry(url));
    }
    for (const CChromiumReader::RootFolder &root : reader.m_roots)
        Check(root.id > 0 && static_cast<size_t>(root.id) < folders.size() && root.root >= 0 && root.root < ROOT_COUNT);
    // Nothing was left out the first time: the second time adds as much.
    if (account > 0 && folders.size() < MAX_FOLDERS)
        Check(folders.size() == 2 * once && entries == 2 * entriesOnce);

    const std::string text(reinterpret_cast<const char *>(data), size);
    Check(!ProfileName(text, "Default").empty());
    for (const NamedProfile &profile : LocalStateProfiles(text))
        Check(!profile.name.empty() && ValidUtf8(profile.dir) == profile.dir && ValidUtf8(profile.name) == profile.name);
    return 0;
}
