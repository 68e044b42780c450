#include "core/bookmarks/BookmarkFile.h"

#include "core/bookmarks/FolderIndex.h"
#include "core/settings/EntryUrl.h"
#include "core/text/Ascii.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsTagDelimiter(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '>'; }

} // namespace

void ReadTag(CByteReader &in, std::string &tag, std::string &name, bool &end)
{
    name.clear();
    tag.clear();
    end = false;
    const unsigned char *data = nullptr;
    size_t size = 0;

    // Bytes up to and including the next '<'.
    for (;;) {
        if (!in.Available(data, size)) {
            end = true;
            return;
        }
        const void *lt = std::memchr(data, '<', size);
        if (lt) {
            in.Skip(static_cast<size_t>(static_cast<const unsigned char *>(lt) - data) + 1);
            break;
        }
        in.Skip(size);
    }

    // The name, up to a delimiter; what does not fit the name buffer is read and dropped.
    name = "<";
    unsigned char delimiter = 0;
    while (!delimiter) {
        if (!in.Available(data, size)) {
            tag = name;
            return;
        }
        size_t i = 0;
        while (i < size && !IsTagDelimiter(data[i]))
            ++i;
        const size_t room = static_cast<size_t>(TAG_NAME_MAX) - name.size();
        name.append(reinterpret_cast<const char *>(data), std::min(i, room));
        if (i < size)
            delimiter = data[i++];
        in.Skip(i);
    }
    tag = name;
    tag += static_cast<char>(delimiter);
    if (delimiter == '>')
        return;

    // The rest of the tag, up to a '>' outside double quotes.
    bool quoted = false;
    while (in.Available(data, size)) {
        for (size_t i = 0; i < size; ++i) {
            if (data[i] == '"') {
                quoted = !quoted;
            } else if (data[i] == '>' && !quoted) {
                tag.append(reinterpret_cast<const char *>(data), i + 1);
                in.Skip(i + 1);
                return;
            }
        }
        tag.append(reinterpret_cast<const char *>(data), size);
        in.Skip(size);
    }
}

void ReadText(CByteReader &in, std::string &text, bool &end)
{
    text.clear();
    end = false;
    unsigned char c = 0;
    for (;;) {
        if (in.ReadByte(c) < 0) {
            end = true;
            return;
        }
        if (c == '<') {
            in.PushBack();
            return;
        }
        text += static_cast<char>(c);
    }
}

std::string GetHref(const std::string &tag)
{
    const size_t at = tag.find("HREF");
    if (at == std::string::npos)
        return std::string();
    const size_t length = tag.size();
    size_t i = tag.find('=', at + 4);
    i = i == std::string::npos ? length : i + 1;

    // Blanks and the opening quote are stepped over; a second quote met
    // there closes an empty value.
    int quotes = 0;
    for (; i < length && (tag[i] == ' ' || tag[i] == '"'); ++i)
        if (tag[i] == '"' && ++quotes == 2)
            return std::string();

    // An unquoted value ends at a blank, or at the '>' that closes the tag.
    size_t stop = i;
    while (stop < length && (quotes ? tag[stop] != '"' : tag[stop] != ' ' && tag[stop] != '>'))
        ++stop;
    return WithoutControlChars(tag.substr(i, stop - i));
}

bool TagNameIs(const std::string &name, const char *literal) { return EqualsNoCase(name, literal); }

int ReadBookmarks(IByteStream &file, IFolderSink &sink)
{
    CByteReader in(file);
    std::string tag, name, text;
    bool end = false;

    // Heading phase, up to the first "<DL": only "<H1" counts.
    ReadTag(in, tag, name, end);
    while (!end && !TagNameIs(name, "<DL")) {
        if (TagNameIs(name, "<H1")) {
            ReadText(in, text, end);
            if (end)
                return 1;
            sink.PushFolder(text, 0);
        }
        ReadTag(in, tag, name, end);
    }

    // List phase: "<DT" items, and "</DL" closing the innermost folder.
    int folders = 0;
    while (!end) {
        ReadTag(in, tag, name, end);
        if (end)
            break;
        if (TagNameIs(name, "</DL")) {
            sink.PopFolder();
            continue;
        }
        if (!TagNameIs(name, "<DT"))
            continue;
        ReadTag(in, tag, name, end);
        if (end)
            break;
        if (TagNameIs(name, "<H3")) {
            ReadText(in, text, end);
            if (end)
                break;
            // Ids past the last table are refused; the count need not grow further.
            if (folders < MAX_FOLDERS)
                ++folders;
            sink.PushFolder(text, folders);
        } else if (TagNameIs(name, "<A")) {
            const std::string url = GetHref(tag);
            ReadText(in, text, end);
            if (end)
                break;
            if (UrlFitsEntry(url))
                sink.AddEntry(sink.CurrentFolder(), text, url);
        }
    }
    return 1;
}
