#include "core/bookmarks/Charset.h"

#include "core/bookmarks/HtmlEntities.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"

namespace {

// A label without the quotes and blanks around it.
std::string Trimmed(const std::string &value)
{
    const char *outer = " \t\r\n\"'";
    const size_t first = value.find_first_not_of(outer);
    if (first == std::string::npos)
        return std::string();
    return value.substr(first, value.find_last_not_of(outer) - first + 1);
}

// The number after prefix in label (15 in "iso-8859-15" after "iso-8859-"),
// or 0 when label is not prefix and one to four digits.
unsigned NumberAfter(const std::string &label, const char *prefix)
{
    const std::string start(prefix);
    if (label.size() <= start.size() || label.size() > start.size() + 4 || !EqualsNoCase(label.substr(0, start.size()), prefix))
        return 0;
    unsigned number = 0;
    for (size_t i = start.size(); i < label.size(); ++i) {
        if (label[i] < '0' || label[i] > '9')
            return 0;
        number = number * 10 + static_cast<unsigned>(label[i] - '0');
    }
    return number;
}

// The "charset=" parameter of a CONTENT value, up to its ';' or the end.
std::string CharsetParameter(const std::string &content)
{
    std::string upper;
    for (const char c : content)
        upper += UpperAscii(c);
    const size_t at = upper.find("CHARSET=");
    if (at == std::string::npos)
        return std::string();
    const size_t start = at + 8;
    const size_t end = content.find(';', start);
    return content.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace

bool StartsWithUtf8Bom(const std::string &text) { return text.compare(0, 3, "\xEF\xBB\xBF") == 0; }

unsigned CharsetCodePage(const std::string &label)
{
    static const struct {
        const char *name;
        unsigned codePage;
    } names[] = {{"utf-8", CODE_PAGE_UTF8}, {"utf8", CODE_PAGE_UTF8}, {"shift_jis", 932}, {"shift-jis", 932},
                 {"sjis", 932}, {"x-sjis", 932}, {"ms_kanji", 932}, {"csshiftjis", 932}, {"windows-31j", 932},
                 {"cp932", 932}, {"ms932", 932}, {"euc-jp", CODE_PAGE_EUC_JP}, {"x-euc-jp", CODE_PAGE_EUC_JP},
                 {"iso-2022-jp", CODE_PAGE_ISO_2022_JP}, {"csiso2022jp", CODE_PAGE_ISO_2022_JP}, {"x-mac-roman", 10000}, {"macintosh", 10000},
                 {"mac", 10000}, {"csmacintosh", 10000}, {"latin1", 28591}, {"l1", 28591}};
    const std::string name = Trimmed(label);
    for (const auto &entry : names)
        if (EqualsNoCase(name, entry.name))
            return entry.codePage;
    for (const char *prefix : {"windows-", "cp"}) {
        const unsigned windows = NumberAfter(name, prefix);
        if (windows >= 1250 && windows <= 1258)
            return windows;
    }
    // ISO-8859-1 to 9, 13 and 15 are code pages 28591 to 28599, 28603 and 28605.
    for (const char *prefix : {"iso-8859-", "iso8859-", "iso_8859-"}) {
        const unsigned part = NumberAfter(name, prefix);
        if ((part >= 1 && part <= 9) || part == 13 || part == 15)
            return 28590 + part;
    }
    return 0;
}

bool Iso2022JpToEucJp(const std::string &jis, std::string &euc)
{
    enum { SINGLE, DOUBLE, KATAKANA } set = SINGLE;
    euc.clear();
    for (size_t i = 0; i < jis.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(jis[i]);
        if (c == 0x1B) {
            const std::string escape = jis.substr(i + 1, 2);
            if (escape == "(B" || escape == "(J")
                set = SINGLE;
            else if (escape == "$B" || escape == "$@")
                set = DOUBLE;
            else if (escape == "(I")
                set = KATAKANA;
            else
                return false;
            i += 2;
        } else if (c >= 0x80) {
            return false;
        } else if (c < 0x21 || c == 0x7F || set == SINGLE) {
            euc += static_cast<char>(c);
        } else if (set == KATAKANA) {
            euc += '\x8E';
            euc += static_cast<char>(c | 0x80);
        } else {
            const unsigned char second = i + 1 < jis.size() ? static_cast<unsigned char>(jis[i + 1]) : 0;
            if (second < 0x21 || second > 0x7E)
                return false;
            euc += static_cast<char>(c | 0x80);
            euc += static_cast<char>(second | 0x80);
            ++i;
        }
    }
    return true;
}

unsigned MetaCodePage(const std::string &content, const std::string &charset)
{
    const unsigned declared = CharsetCodePage(charset);
    return declared ? declared : CharsetCodePage(CharsetParameter(content));
}

std::string BookmarkName(const std::string &raw) { return ValidUtf8(DecodeReferences(raw)); }

std::string BookmarkUrl(const std::string &raw) { return Utf8Url(WithoutControlChars(DecodeReferences(raw))); }
