#include "core/bookmarks/FavoritesFolder.h"

#include "core/bookmarks/Directory.h"
#include "core/bookmarks/ShortcutFile.h"
#include "core/settings/EntryUrl.h"
#include "core/text/Utf8Text.h"

#include <vector>

namespace {

struct Shortcut {
    std::string file;
    std::string name;
};

// The directory of a folder and the shortcut files it holds.
struct FavoritesDir {
    std::string path;
    std::vector<Shortcut> shortcuts;
};

// Adds the directories in folder id's directory as folders below it, and
// notes its shortcut files.
void ScanDirectory(std::vector<FavoritesDir> &dirs, size_t id, IFolderSink &sink)
{
    std::vector<DirectoryItem> items;
    ListDirectory(dirs[id].path, items);
    for (const DirectoryItem &item : items) {
        std::string name;
        if (item.isDirectory) {
            if (sink.AppendFolder(item.name, static_cast<int>(id)))
                dirs.push_back({JoinPath(dirs[id].path, item.name), {}});
        } else if (ShortcutAttributesTaken(item.attributes) && ShortcutName(item.name.c_str(), name)) {
            dirs[id].shortcuts.push_back({item.name, name});
        }
    }
}

bool ReadShortcutFile(const std::string &path, std::string &url)
{
    std::FILE *file = OpenTextFile(path);
    if (!file)
        return false;
    const bool found = ReadShortcutUrl(file, url);
    std::fclose(file);
    return found;
}

} // namespace

int ReadFavorites(const std::string &root, IFolderSink &sink)
{
    // Indexed by folder id: the sink gives each folder it takes the next one.
    std::vector<FavoritesDir> dirs;
    if (sink.AppendFolder(std::string(), 0))
        dirs.push_back({root, {}});
    // The scan adds folders as it goes: the bound is read afresh each time.
    for (size_t id = 0; id < dirs.size(); ++id)
        ScanDirectory(dirs, id, sink);

    int count = 0;
    for (size_t id = 0; id < dirs.size(); ++id) {
        for (const Shortcut &shortcut : dirs[id].shortcuts) {
            std::string url;
            if (!ReadShortcutFile(JoinPath(dirs[id].path, shortcut.file), url) || !UrlFitsEntry(url))
                continue;
            sink.AddEntry(static_cast<int>(id), shortcut.name, url);
            ++count;
        }
    }
    return count;
}
