#include "core/dialogs/BookmarkImport.h"

#include "core/settings/EntryUrl.h"

void ImportBookmarks(CUrlRows &rows, const BookmarkPick &pick)
{
    if (pick.urls.empty())
        return;
    if (!pick.bAppend)
        rows.Clear();
    // Register adds before the placeholder and refuses once the list is full.
    for (const std::string &url : pick.urls)
        if (UrlFitsEntry(url) && !rows.Register(-1, pick.kind, url))
            break;
}
