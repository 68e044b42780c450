// The menu of the URL page's "他のブラウザ..." button: the Chromium-family
// profiles found on the machine, then "ファイルから…", which asks for a
// bookmark file with the system's file-open dialog.
#pragma once

#include "core/bookmarks/BookmarkSource.h"

#include <windows.h>

// Shows the menu below button, owned by page; true with the source chosen.
bool ChooseOtherSource(HWND page, HWND button, BookmarkSource &source);
