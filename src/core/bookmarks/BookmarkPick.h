// What the bookmark picker hands back: the chosen URLs in list order (at
// most eight), the kind of their source, and whether they are added to the
// group's entries or put in their place.
#pragma once

#include <string>
#include <vector>

struct BookmarkPick {
    int bAppend = 1;
    int kind = 0;    // a BrowserKind: BK_NN or BK_IE
    std::vector<std::string> urls;
};
