#include "core/bookmarks/BookmarkFile.h"

#include "core/bookmarks/Charset.h"
#include "core/bookmarks/FolderIndex.h"
#include "core/settings/EntryUrl.h"
#include "core/text/Ascii.h"
#include "core/text/Utf8Text.h"
#include "core/text/Unicode.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsTagDelimiter(unsigned char c) { return IsBlank(c) || c == '>'; }

// The attributes of a tag, taken byte by byte after its name. Only the
// values the reader uses are kept, each up to ATTRIBUTE_VALUE_MAX bytes.
class CAttributeScan {
public:
    explicit CAttributeScan(BookmarkTag &tag) : m_tag(tag) {}

    // False at the '>' that ends the tag.
    bool Take(unsigned char c)
    {
        switch (m_state) {
        case BETWEEN:
            if (c == '>')
                return false;
            if (c == '"') {
                // A quoted value without a name: its '>' still does not end the tag.
                StartValue();
                m_state = QUOTED;
            } else if (!IsBlank(c)) {
                StartName(c);
            }
            return true;
        case NAME:
            if (c == '>' || IsBlank(c) || c == '=') {
                m_state = c == '=' ? BEFORE_VALUE : AFTER_NAME;
                return c != '>';
            }
            if (m_name.size() <= NAME_KEPT)
                m_name += UpperAscii(static_cast<char>(c));
            return true;
        case AFTER_NAME:
            if (c == '=')
                m_state = BEFORE_VALUE;
            else if (c == '>')
                return false;
            else if (!IsBlank(c))
                StartName(c);
            return true;
        case BEFORE_VALUE:
            if (c == '>')
                return false;
            if (IsBlank(c))
                return true;
            StartValue();
            if (c == '"') {
                m_state = QUOTED;
            } else {
                m_state = UNQUOTED;
                Append(c);
            }
            return true;
        case QUOTED:
            if (c == '"')
                m_state = BETWEEN;
            else
                Append(c);
            return true;
        case UNQUOTED:
            if (c == '>')
                return false;
            if (IsBlank(c))
                m_state = BETWEEN;
            else
                Append(c);
            return true;
        }
        return true;
    }

private:
    enum State { BETWEEN, NAME, AFTER_NAME, BEFORE_VALUE, QUOTED, UNQUOTED };
    // Longer than any name looked for, so that "HREFX" is not "HREF".
    static const size_t NAME_KEPT = 8;

    void StartName(unsigned char c)
    {
        m_name.assign(1, UpperAscii(static_cast<char>(c)));
        m_state = NAME;
    }

    // The value belongs to the name read last (none for a lone quoted one);
    // it is kept when that is a name looked for, met for the first time.
    void StartValue()
    {
        m_value = nullptr;
        AttributeValue *wanted = m_name == "HREF"      ? &m_tag.href
                                 : m_name == "CONTENT" ? &m_tag.content
                                 : m_name == "CHARSET" ? &m_tag.charset
                                                       : nullptr;
        m_name.clear();
        if (wanted && !wanted->present) {
            wanted->present = true;
            m_value = wanted;
        }
    }

    void Append(unsigned char c)
    {
        if (!m_value)
            return;
        if (m_value->text.size() < ATTRIBUTE_VALUE_MAX)
            m_value->text += static_cast<char>(c);
        else
            m_value->cut = true;
    }

    BookmarkTag &m_tag;
    State m_state = BETWEEN;
    std::string m_name;
    AttributeValue *m_value = nullptr;
};

void ClearValue(AttributeValue &value)
{
    // clear() rather than a new value: a file's tags reuse one buffer each.
    value.text.clear();
    value.present = value.cut = false;
}

} // namespace

void ReadTag(CByteReader &in, BookmarkTag &tag, bool &end)
{
    tag.name.clear();
    ClearValue(tag.href);
    ClearValue(tag.content);
    ClearValue(tag.charset);
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
    tag.name += '<';
    unsigned char delimiter = 0;
    while (!delimiter) {
        if (!in.Available(data, size))
            return;
        size_t i = 0;
        while (i < size && !IsTagDelimiter(data[i]))
            ++i;
        const size_t room = static_cast<size_t>(TAG_NAME_MAX) - tag.name.size();
        tag.name.append(reinterpret_cast<const char *>(data), std::min(i, room));
        if (i < size)
            delimiter = data[i++];
        in.Skip(i);
    }
    if (delimiter == '>')
        return;

    CAttributeScan scan(tag);
    while (in.Available(data, size)) {
        for (size_t i = 0; i < size; ++i) {
            if (!scan.Take(data[i])) {
                in.Skip(i + 1);
                return;
            }
        }
        in.Skip(size);
    }
}

void ReadText(CByteReader &in, std::string &text, bool &end)
{
    text.clear();
    end = false;
    const unsigned char *data = nullptr;
    size_t size = 0;
    while (in.Available(data, size)) {
        const void *lt = std::memchr(data, '<', size);
        const size_t n = lt ? static_cast<size_t>(static_cast<const unsigned char *>(lt) - data) : size;
        const size_t room = TEXT_MAX + 1 - text.size();
        text.append(reinterpret_cast<const char *>(data), std::min(n, room));
        in.Skip(n);
        if (lt)
            return;
    }
    end = true;
}

bool TagNameIs(const std::string &name, const char *literal) { return EqualsNoCase(name, literal); }

namespace {

// The length of UTF-8 text without the character a read cut off at its end:
// a lead byte followed by fewer bytes than it announces.
size_t WithoutCutCharacter(const std::string &text)
{
    for (size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const unsigned char c = static_cast<unsigned char>(text[text.size() - back]);
        if (c < 0x80)
            break;
        if (c >= 0xC0)
            return (c >= 0xF0 ? 4u : c >= 0xE0 ? 3u : 2u) > back ? text.size() - back : text.size();
    }
    return text.size();
}

// One reading of a file: the scanner's state and the file's character set.
class CBookmarkReader {
public:
    CBookmarkReader(IByteStream &file, IFolderSink &sink) : m_in(file), m_sink(sink) {}

    void Read()
    {
        // What comes before the first tag: a byte-order mark, if any.
        ReadText(m_in, m_text, m_end);
        m_bom = StartsWithUtf8Bom(m_text);
        m_codePage = m_bom ? CODE_PAGE_UTF8 : 0;

        // Heading phase, up to the first "<DL" or, after a heading, "<DT": only "<H1" counts.
        bool heading = false;
        NextTag();
        while (!m_end && !IsName("<DL") && !(heading && IsName("<DT"))) {
            if (IsName("<H1")) {
                std::string title;
                if (!ReadTitle(title))
                    return;
                m_sink.PushFolder(title, 0);
                heading = true;
            }
            NextTag();
        }

        // List phase: "<DT" items, and "</DL" closing the innermost folder.
        m_inHand = !m_end && IsName("<DT");
        while (!m_end) {
            if (!m_inHand && !NextTag())
                break;
            m_inHand = false;
            if (IsName("</DL")) {
                m_sink.PopFolder();
                continue;
            }
            if (!IsName("<DT") || !NextTag())
                continue;
            if (IsName("<H3"))
                ReadFolder();
            else if (IsName("<A"))
                ReadEntry();
        }
    }

private:
    bool IsName(const char *literal) const { return TagNameIs(m_tag.name, literal); }

    // False at the end of the input. A META tag may declare the file's
    // character set; a byte-order mark has said it already.
    bool NextTag()
    {
        ReadTag(m_in, m_tag, m_end);
        if (!m_end && !m_bom && IsName("<META")) {
            const unsigned declared = MetaCodePage(m_tag.content.text, m_tag.charset.text);
            if (declared)
                m_codePage = declared;
        }
        return !m_end;
    }

    // Text of the file in UTF-8: decoded from the file's character set, or
    // from the system's code page when it declares none known. A text longer
    // than a name keeps was read cut, perhaps inside a character: the bytes
    // of that one are left out. A sequence the declared set does not have
    // reads as the code page's, and what that cannot decode either becomes
    // U+FFFD byte by byte (AnsiToUtf8). UTF-8 stays as written; BookmarkName
    // and BookmarkUrl look after its bytes that are not UTF-8.
    void InUtf8(std::string &text) const
    {
        const size_t cut = text.size() > TEXT_MAX ? 3 : 0;
        if (m_codePage == CODE_PAGE_UTF8) {
            if (cut)
                text.resize(WithoutCutCharacter(text));
            return;
        }
        std::string utf8, euc;
        for (size_t drop = 0; drop <= cut; ++drop) {
            const std::string whole = text.substr(0, text.size() - drop);
            const bool decoded = m_codePage == CODE_PAGE_ISO_2022_JP
                                     ? Iso2022JpToEucJp(whole, euc) && CodePageToUtf8(CODE_PAGE_EUC_JP, euc, utf8)
                                     : CodePageToUtf8(m_codePage, whole, utf8);
            if (decoded) {
                text = utf8;
                return;
            }
        }
        text = AnsiToUtf8(text);
    }

    // The text after a tag as a name; false when the input ends in it.
    bool ReadTitle(std::string &title)
    {
        ReadText(m_in, m_text, m_end);
        if (m_end)
            return false;
        InUtf8(m_text);
        m_text.resize(WholeCharsLength(m_text, TEXT_MAX));
        title = BookmarkName(m_text);
        return true;
    }

    void ReadFolder()
    {
        std::string title;
        if (!ReadTitle(title))
            return;
        // Ids past the last table are refused; the count need not grow further.
        if (m_folders < MAX_FOLDERS)
            ++m_folders;
        m_sink.PushFolder(title, m_folders);
        // A heading's own list follows it. One with none (iCab writes an
        // empty folder so) ends at the next item or end of its parent's list,
        // which stays in hand.
        while (NextTag() && !IsName("<DL")) {
            if (IsName("<DT") || IsName("</DL")) {
                m_sink.PopFolder();
                m_inHand = true;
                return;
            }
        }
    }

    void ReadEntry()
    {
        const AttributeValue &href = m_tag.href;
        std::string name;
        if (!ReadTitle(name) || href.cut)
            return;
        // Blanks between the opening quote and the address do not belong to it.
        const size_t start = std::min(href.text.find_first_not_of(' '), href.text.size());
        std::string raw = href.text.substr(start);
        InUtf8(raw);
        const std::string url = BookmarkUrl(raw);
        if (UrlFitsEntry(url))
            m_sink.AddEntry(m_sink.CurrentFolder(), name, url);
    }

    CByteReader m_in;
    IFolderSink &m_sink;
    BookmarkTag m_tag;
    std::string m_text;
    bool m_end = false;
    bool m_inHand = false;       // m_tag holds the list's next tag, unhandled
    bool m_bom = false;          // the file starts with UTF-8's byte-order mark
    unsigned m_codePage = 0;     // the file's character set; 0: the system's code page
    int m_folders = 0;
};

} // namespace

int ReadBookmarks(IByteStream &file, IFolderSink &sink)
{
    CBookmarkReader reader(file, sink);
    reader.Read();
    return 1;
}
