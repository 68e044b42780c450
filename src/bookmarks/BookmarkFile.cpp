#include "bookmarks/BookmarkFile.h"

#include "bookmarks/FolderIndex.h"
#include "bookmarks/UrlText.h"

#include <cstring>

namespace {

bool IsTagDelimiter(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '>'; }

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

} // namespace

void ReadTag(CByteReader &in, std::string &tag, std::string &name, bool &end)
{
    name.clear();
    tag.clear();
    end = false;
    unsigned char c = 0;
    do {
        if (in.ReadByte(c) < 0) {
            end = true;
            return;
        }
    } while (c != '<');

    name = "<";
    for (;;) {
        if (in.ReadByte(c) < 0) {
            tag = name;
            return;
        }
        if (IsTagDelimiter(c))
            break;
        if (name.size() < TAG_NAME_MAX)
            name += static_cast<char>(c);
    }
    tag = name;
    tag += static_cast<char>(c);
    if (c == '>')
        return;

    bool quoted = false;
    while (in.ReadByte(c) == 0) {
        tag += static_cast<char>(c);
        if (c == '"')
            quoted = !quoted;
        else if (c == '>' && !quoted)
            return;
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
    std::string url;
    for (; i < length; ++i) {
        const char c = tag[i];
        if (quotes ? c == '"' : c == ' ' || c == '>')
            break;
        url += c;
    }
    return WithoutControlChars(url);
}

bool TagNameIs(const std::string &name, const char *literal)
{
    if (name.size() != std::strlen(literal))
        return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (UpperAscii(name[i]) != UpperAscii(literal[i]))
            return false;
    return true;
}

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
            sink.AddEntry(sink.CurrentFolder(), text, url);
        }
    }
    return 1;
}
