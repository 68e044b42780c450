// Internet Explorer's Favorites folder read into folders and entries: every
// directory below it becomes a folder, every Internet shortcut (".URL"
// file) an entry of its directory's folder.
#pragma once

#include "core/bookmarks/FolderSink.h"

#include <string>

// root, a path, becomes folder 0 with an empty title (the picker names
// it). The directories below get the next ids the sink's AppendFolder
// assigns, breadth first, each directory's in the order the system lists
// them; those the sink refuses (past the 256th folder) are left out with
// all they hold. Then the shortcuts of folder 0, 1, 2, ...
// become entries, each directory's in listing order; a file without a URL
// (ShortcutFile.h), or with one an entry cannot keep whole (EntryUrl.h),
// gives none. Returns the number of entries added.
int ReadFavorites(const std::string &root, IFolderSink &sink);
