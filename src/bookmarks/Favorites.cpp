// Internet Explorer's Favorites: the folder the registry names, read into
// the picker.
#include "bookmarks/BookmarkDlg.h"

#include "core/bookmarks/FavoritesFolder.h"
#include "framework/MessageBox.h"
#include "links/Registry.h"
#include "res/resource.h"

namespace {

const char SHELL_FOLDERS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool FindFavoritesFolder(std::string &path)
{
    char value[REG_VALUE_SIZE];
    if (!ReadRegistryString(HKEY_CURRENT_USER, SHELL_FOLDERS_KEY, "Favorites", value, sizeof value))
        return false;
    path = value;
    return true;
}

} // namespace

int CBookmarkDlg::LoadFavorites()
{
    std::string favorites;
    if (FindFavoritesFolder(favorites))
        ReadFavorites(favorites, *this);
    else
        AppendFolder(std::string(), 0);    // the root alone
    m_tree.SetFolderTitle(0, LoadResString(IDS_FAVORITES));
    return 1;
}
