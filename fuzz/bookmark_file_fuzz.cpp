// Any bytes as a bookmark file, as they are and once more after a UTF-8
// byte-order mark. Every URL fits an entry whole and holds no control
// character; every folder takes a tag of the file and every entry two;
// folders nest under earlier ones, the numbered folders in file order.
// Every name and URL is valid UTF-8 (in a URL a byte that is not is
// escaped). An ASCII file with no '&' and no charset declaration is read as
// it is: titles and names are text between tags, pieces of the file without
// a '<', and URLs pieces of a tag without its control characters. Reading the file one byte per read
// call gives the same folders and entries as reading it through the buffer.
#include "FuzzCheck.h"
#include "core/bookmarks/BookmarkFile.h"
#include "core/bookmarks/MemoryFolders.h"
#include "core/settings/EntryUrl.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

#include <algorithm>
#include <string>

namespace {

class COneByteStream : public CMemoryStream {
public:
    using CMemoryStream::CMemoryStream;
    long Read(void *buffer, size_t size) override { return CMemoryStream::Read(buffer, size < 1 ? size : 1); }
};

bool Same(const CMemoryBookmarks &a, const CMemoryBookmarks &b)
{
    if (a.m_tree.m_folders.size() != b.m_tree.m_folders.size())
        return false;
    for (size_t i = 0; i < a.m_tree.m_folders.size(); ++i) {
        const MemoryFolder &x = a.m_tree.m_folders[i], &y = b.m_tree.m_folders[i];
        if (x.title != y.title || x.id != y.id || x.parent != y.parent)
            return false;
    }
    for (int f = 0; f < MAX_FOLDERS; ++f)
        if (a.m_tables.m_names[f] != b.m_tables.m_names[f] || a.m_tables.m_urls[f] != b.m_tables.m_urls[f])
            return false;
    return true;
}

// Text from between two tags of the file.
void CheckText(const std::string &text, const std::string &file)
{
    Check(text.find('<') == std::string::npos && file.find(text) != std::string::npos);
}

bool ContainsNoCase(const std::string &text, const char *word)
{
    std::string upper;
    for (const char c : text)
        upper += UpperAscii(c);
    return upper.find(word) != std::string::npos;
}

void CheckFile(const std::string &file)
{
    CMemoryStream stream(file.data(), file.size());
    CMemoryBookmarks b;
    ReadBookmarks(stream, b);
    const bool utf8 = file.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const bool plain = !utf8 && file.find('&') == std::string::npos && !ContainsNoCase(file, "CHARSET") &&
                       std::all_of(file.begin(), file.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });

    const auto &folders = b.m_tree.m_folders;
    int lastId = 0;
    for (size_t i = 0; i < folders.size(); ++i) {
        const MemoryFolder &folder = folders[i];
        Check(folder.id >= 0 && folder.id < MAX_FOLDERS);
        Check(folder.parent >= -1 && folder.parent < static_cast<int>(i));
        // The heading's folders 0 first, then 1, 2, ... with gaps for those left out.
        Check(folder.id == 0 ? lastId == 0 : folder.id > lastId);
        lastId = folder.id;
        if (plain)
            CheckText(folder.title, file);
    }

    const std::string withoutControls = WithoutControlChars(file);
    size_t entries = 0;
    for (int f = 0; f < MAX_FOLDERS; ++f) {
        const CEntryTables &t = b.m_tables;
        Check(t.m_nCount[f] == static_cast<int>(t.m_names[f].size()) && t.m_names[f].size() == t.m_urls[f].size());
        entries += t.m_names[f].size();
        for (const std::string &name : t.m_names[f]) {
            Check(ValidUtf8(name) == name);
            if (plain)
                CheckText(name, file);
        }
        for (const std::string &url : t.m_urls[f]) {
            Check(UrlFitsEntry(url) && std::none_of(url.begin(), url.end(), IsControlChar) && ValidUtf8(url) == url);
            Check(!plain || withoutControls.find(url) != std::string::npos);
        }
    }
    Check(folders.size() + 2 * entries <= static_cast<size_t>(std::count(file.begin(), file.end(), '<')));

    COneByteStream trickle(file.data(), file.size());
    CMemoryBookmarks byByte;
    ReadBookmarks(trickle, byByte);
    Check(Same(b, byByte));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string file(reinterpret_cast<const char *>(data), size);
    CheckFile(file);
    CheckFile("\xEF\xBB\xBF" + file);
    return 0;
}
