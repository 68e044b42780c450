// Runs the bookmark picker inside a test program: the dialog runs modally
// on the test's thread while a second thread finds it and drives it with
// messages, the way a user's clicks would arrive. Also: the registry and
// file set-ups the picker reads.
#pragma once

#include "FileTree.h"
#include "bookmarks/BookmarkDlg.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs dlg modally; drive gets its window on another thread. When drive
// returns, the dialog is cancelled unless what drive posted ended it. The
// result of DoModal.
INT_PTR RunPicker(CBookmarkDlg &dlg, const std::function<void(HWND)> &drive);

// The tree as text: "+title #id" per item, indented by depth, in order.
std::string TreeText(HWND tree);
// The list's rows as "name | url".
std::vector<std::string> PickerRows(HWND list);
// Selects exactly these rows (LVIS_SELECTED), as ctrl-clicks would.
void SelectRows(HWND list, const std::vector<int> &rows);
// Selects the tree item with this title (UTF-8).
bool SelectFolder(HWND tree, const std::string &title);
// Waits until the list shows count rows.
bool WaitRows(HWND list, int count);

// The temporary folder, ending with a backslash.
std::string TempDir();
std::string WindowsDir();

// Registry values the picker reads; DeleteKey removes a key and all below it.
void SetRegString(HKEY root, const std::string &key, const char *name, const std::string &value);
void DeleteKey(HKEY root, const std::string &key);

// Netscape Navigator 4.7 as its profile manager leaves it: the version in
// the registry and "nsreg.dat" in the Windows folder naming user's profile
// folder (made anew in the temporary folder) as the last user's, with
// bookmarks as its "bookmark.htm". Returns that folder.
std::string InstallNavigatorProfile(const std::string &user, const std::string &bookmarks);
// Removes all of that again.
void RemoveNavigatorProfile(const std::string &dir);
