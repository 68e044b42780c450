// Internet Explorer's Favorites: every directory below the Favorites folder
// becomes a folder, breadth first, and every Internet shortcut an entry.
#include "bookmarks/BookmarkDlg.h"

#include "links/Registry.h"
#include "core/bookmarks/ShortcutFile.h"
#include "core/text/AnsiText.h"
#include "framework/MessageBox.h"
#include "res/resource.h"

#include <cstdio>
#include <cstring>

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

// Makes a directory the current one while it lives, and then restores the
// one before. A search pattern is then matched in that directory.
class CCurrentDirectory {
public:
    explicit CCurrentDirectory(const std::string &dir)
    {
        const DWORD length = ::GetCurrentDirectoryA(sizeof m_szSaved, m_szSaved);
        m_bEntered = length > 0 && length < sizeof m_szSaved && ::SetCurrentDirectoryA(dir.c_str());
    }
    ~CCurrentDirectory()
    {
        if (m_bEntered)
            ::SetCurrentDirectoryA(m_szSaved);
    }
    CCurrentDirectory(const CCurrentDirectory &) = delete;
    CCurrentDirectory &operator=(const CCurrentDirectory &) = delete;
    bool Entered() const { return m_bEntered; }

private:
    char m_szSaved[1024];
    bool m_bEntered;
};

// The items a directory search finds, in the order the system returns them.
class CFindFiles {
public:
    explicit CFindFiles(const char *pattern) : m_hFind(::FindFirstFileA(pattern, &m_data)) {}
    ~CFindFiles()
    {
        if (m_hFind != INVALID_HANDLE_VALUE)
            ::FindClose(m_hFind);
    }
    CFindFiles(const CFindFiles &) = delete;
    CFindFiles &operator=(const CFindFiles &) = delete;
    bool Found() const { return m_hFind != INVALID_HANDLE_VALUE; }
    bool Next() { return ::FindNextFileA(m_hFind, &m_data) != 0; }
    const WIN32_FIND_DATAA &Data() const { return m_data; }

private:
    WIN32_FIND_DATAA m_data;
    HANDLE m_hFind;
};

bool IsDotDirectory(const char *name) { return !std::strcmp(name, ".") || !std::strcmp(name, ".."); }

} // namespace

int CBookmarkDlg::LoadFavorites()
{
    AppendFolder(std::string(), 0);
    m_tree.SetFolderTitle(0, LoadResString(IDS_FAVORITES));
    std::string favorites;
    if (!FindFavoritesFolder(favorites))
        return 1;
    // The scan adds folders as it goes: the bound is read afresh each time.
    AddSubfolders(favorites, 0);
    for (int k = 1; k < m_tree.Top(); ++k)
        AddSubfolders(JoinPath(favorites, m_tree.GetFolderPath(k)), k);
    AddUrlFiles(favorites, 0);
    for (int k = 1; k < m_tree.Top(); ++k)
        AddUrlFiles(JoinPath(favorites, m_tree.GetFolderPath(k)), k);
    return 1;
}

int CBookmarkDlg::AddSubfolders(const std::string &path, int parentId)
{
    CCurrentDirectory current(path);
    if (!current.Entered())
        return 0;
    CFindFiles found("*.*");
    if (!found.Found())
        return 0;
    int count = 0;
    do {
        const WIN32_FIND_DATAA &item = found.Data();
        if ((item.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotDirectory(item.cFileName))
            count += AppendFolder(item.cFileName, parentId);
    } while (found.Next());
    return count;
}

int CBookmarkDlg::AddUrlFiles(const std::string &path, int folder)
{
    CCurrentDirectory current(path);
    if (!current.Entered())
        return 0;
    CFindFiles found("*.URL");
    if (!found.Found())
        return 0;
    int count = 0;
    do {
        const WIN32_FIND_DATAA &item = found.Data();
        std::string name, url;
        if (!ShortcutAttributesTaken(item.dwFileAttributes) || !ShortcutName(item.cFileName, name))
            continue;
        std::FILE *file = std::fopen(item.cFileName, "r");
        if (!file)
            continue;
        // A file without a "URL=" line is no shortcut: it gives no entry, so
        // that the name and URL tables stay in step.
        const bool hasUrl = ReadShortcutUrl(file, url);
        std::fclose(file);
        if (!hasUrl)
            continue;
        AddEntry(folder, name, url);
        ++count;
    } while (found.Next());
    return count;
}
