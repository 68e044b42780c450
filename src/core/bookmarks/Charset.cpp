#include "core/bookmarks/Charset.h"

#include "core/bookmarks/HtmlEntities.h"
#include "core/text/AnsiText.h"
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

bool IsUtf8Label(const std::string &label)
{
    const std::string trimmed = Trimmed(label);
    return EqualsNoCase(trimmed, "UTF-8") || EqualsNoCase(trimmed, "UTF8");
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

bool MetaDeclaresUtf8(const std::string &content, const std::string &charset)
{
    return IsUtf8Label(charset) || IsUtf8Label(CharsetParameter(content));
}

std::string BookmarkName(const std::string &raw, bool utf8)
{
    return utf8 ? Utf8ToAnsi(DecodeReferences(raw)) : DecodeReferences(raw, Utf8ToAnsi);
}

std::string BookmarkUrl(const std::string &raw, bool utf8)
{
    if (utf8)
        return Utf8UrlToAnsi(WithoutControlChars(DecodeReferences(raw)));
    return WithoutControlChars(DecodeReferences(raw, Utf8UrlPartToAnsi));
}

size_t WholeCharsLength(const std::string &text, size_t maxBytes, bool utf8)
{
    if (text.size() <= maxBytes)
        return text.size();
    if (!utf8)
        return WholeCharsPrefix(text.c_str(), maxBytes);
    // Back over the continuation bytes of a character that does not fit.
    size_t length = maxBytes;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return length;
}
