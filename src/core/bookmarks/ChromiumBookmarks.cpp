#include "core/bookmarks/ChromiumBookmarks.h"

#include "core/bookmarks/ChromiumJson.h"
#include "core/settings/EntryUrl.h"
#include "core/text/Unicode.h"

namespace {

using nlohmann::json;

const char *const ROOT_KEYS[ROOT_COUNT] = {"bookmark_bar", "other", "synced"};
// What the reader looks at; the rest (ids, dates, GUIDs, icons, sync data)
// is dropped while parsing.
const char *const KEPT_KEYS[] = {"roots", "bookmark_bar", "other", "synced", "children", "type", "name", "url",
                                 nullptr};

} // namespace

const char *ChromiumRootTitle(int root) { return root >= 0 && root < ROOT_COUNT ? ROOT_KEYS[root] : "account"; }

int CChromiumReader::Append(const std::string &title, int parent)
{
    if (!m_sink.AppendFolder(title, parent))
        return -1;
    return m_nNext++;
}

namespace {

// The children of a folder node: entries of folder id, folders below it.
void ReadChildren(CChromiumReader &reader, IFolderSink &sink, const json &node, int id)
{
    const json *children = Member(node, "children");
    if (!children || !children->is_array())
        return;
    for (const json &child : *children) {
        const std::string type = StringMember(child, "type");
        if (type == "url") {
            const std::string url = Utf8Url(StringMember(child, "url"));
            if (!url.empty() && UrlFitsEntry(url))
                sink.AddEntry(id, ValidUtf8(StringMember(child, "name")), url);
        } else if (type == "folder") {
            const int folder = reader.Append(ValidUtf8(StringMember(child, "name")), id);
            if (folder >= 0)
                ReadChildren(reader, sink, child, folder);
        }
    }
}

} // namespace

bool CChromiumReader::ReadFile(IByteStream &file, int parent)
{
    std::string bytes;
    if (!ReadWholeFile(file, bytes))
        return false;
    const json doc = ParseJson(bytes, KEPT_KEYS);
    if (!doc.is_object())
        return false;
    const json *roots = Member(doc, "roots");
    for (int root = 0; roots && root < ROOT_COUNT; ++root) {
        const json *node = Member(*roots, ROOT_KEYS[root]);
        if (!node || !node->is_object())
            continue;
        const int id = Append(ChromiumRootTitle(root), parent);
        if (id < 0)
            break;
        m_roots.push_back({id, root});
        ReadChildren(*this, m_sink, *node, id);
    }
    return true;
}
