#include "dialogs/BookmarkImport.h"

#include "settings/GroupList.h"

void ImportBookmarks(IUrlRows &rows, const BookmarkPick &pick)
{
    if (pick.urls.empty())
        return;
    int n = rows.GetRowCount();
    if (pick.bAppend) {
        if (n >= MAX_URLS && rows.GetRowKind(n - 1) >= 0)
            return;
        if (n > 0 && rows.GetRowKind(n - 1) < 0)
            rows.DeleteRow(--n);
    } else {
        rows.DeleteAllRows();
        n = 0;
    }
    for (size_t i = 0; i < pick.urls.size() && n < MAX_URLS; ++i, ++n)
        rows.InsertEntryRow(n, pick.kind, pick.urls[i]);
    if (n < MAX_URLS)
        rows.AppendPlaceholderRow();
}
