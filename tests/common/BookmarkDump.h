// The folders and entries a loader produced, as text for comparing:
//   +Title #id        a folder, indented by its depth in the tree
//    - name | url     an entry, below its folder (the first item with that id)
//   (#id)             entries of a folder id that has no item
#pragma once

#include "core/bookmarks/MemoryFolders.h"

#include <string>

std::string Dump(const CMemoryBookmarks &bookmarks);

// An expected dump written in UTF-8, with its folder titles and entry names
// as Utf8ToAnsi makes them; the URLs (after " | ") stay as written, since
// they are what a reader must give exactly.
std::string NamesInCodePage(const std::string &utf8Dump);
