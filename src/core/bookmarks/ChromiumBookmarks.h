// The bookmark file of a Chromium-family browser's profile ("Bookmarks",
// and "AccountBookmarks" beside it for the account's own): JSON in UTF-8,
// {"roots": {"bookmark_bar": node, "other": node, "synced": node}}, where
// a node is {"type": "folder", "name": ..., "children": [node...]} or
// {"type": "url", "name": ..., "url": ...}.
#pragma once

#include "core/bookmarks/ByteStream.h"
#include "core/bookmarks/FolderSink.h"

#include <string>
#include <vector>

// The three roots, in the order Chrome shows them.
enum ChromiumRoot { ROOT_BAR, ROOT_OTHER, ROOT_SYNCED, ROOT_COUNT };
// A root's key in the file, the folder's title until the picker gives it
// the name of the user's language; ROOT_COUNT names the folder that holds
// the account's bookmarks.
const char *ChromiumRootTitle(int root);

// Hands out the folder ids of one picker's opening (AppendFolder: folder 0
// is the root, the next ids in the order taken) to the roots and folders of
// one or more files.
class CChromiumReader {
public:
    explicit CChromiumReader(IFolderSink &sink) : m_sink(sink) {}

    // Folder 0 (the picker names it).
    void AddRoot() { Append(std::string(), 0); }
    // The roots of one file as folders below folder parent, each named by
    // ChromiumRootTitle, with their folders (names in UTF-8, children in
    // file order, nested as in the file) and entries (but
    // for one without a URL or with one an entry cannot keep whole, see
    // EntryUrl.h). Folders past
    // the 256th are left out with all they hold, as are values nested too
    // deep (ChromiumJson.h). False, with nothing added, when the file
    // cannot be read or is no JSON object.
    bool ReadFile(IByteStream &file, int parent);
    // A folder below parent: its id, or -1 when the table is full.
    int Append(const std::string &title, int parent);

    // The folder each root of the files read took, with the root it is.
    struct RootFolder {
        int id;
        int root;
    };
    std::vector<RootFolder> m_roots;

private:
    IFolderSink &m_sink;
    int m_nNext = 0;
};
