// The folders and entries a loader produced, as text for comparing:
//   +Title #id        a folder, indented by its depth in the tree
//    - name | url     an entry, below its folder (the first item with that id)
//   (#id)             entries of a folder id that has no item
#pragma once

#include "core/bookmarks/MemoryFolders.h"

#include <string>

std::string Dump(const CMemoryBookmarks &bookmarks);
