// Any bytes as the text of a bookmark file: a name, a folder title or an
// HREF value. Decoding the references of UTF-8 text never lengthens it and
// leaves text without '&' as it is; text written out with its characters
// as references (named, decimal and hexadecimal, chosen by the input) and
// its '&' as "&amp;" decodes to itself. A name without '&' is its valid
// UTF-8; URLs hold no control character and only valid UTF-8. A cut on
// whole characters is no longer than asked, the longest that is, and never
// splits a character.
// ISO-2022-JP taken as EUC-JP leaves no escape behind, at most doubles the
// text and leaves 7-bit text without escapes as it is.
#include "FuzzCheck.h"
#include "core/bookmarks/Charset.h"
#include "core/bookmarks/HtmlEntities.h"
#include "core/text/Ascii.h"
#include "core/text/Unicode.h"
#include "core/text/Utf8Text.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

unsigned long CodePoint(const std::string &text, size_t i, size_t n)
{
    static const unsigned char LEAD_MASK[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    unsigned long c = static_cast<unsigned char>(text[i]) & LEAD_MASK[n];
    for (size_t k = 1; k < n; ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return c;
}

// text with its '&' as "&amp;" and, where the choice byte says so, a
// character as a decimal or hexadecimal reference. Characters a reference
// does not give back as themselves stay as written: 0x80..0x9F (read as
// code page 1252's), NUL and bytes that are not UTF-8.
std::string Encoded(const std::string &text, const std::string &choices)
{
    std::string out;
    for (size_t i = 0, k = 0; i < text.size(); ++k) {
        const size_t n = Utf8CharLength(text, i);
        const unsigned char choice = choices.empty() ? 0 : static_cast<unsigned char>(choices[k % choices.size()]);
        if (n == 0) {
            out += text[i++];
            continue;
        }
        const unsigned long c = CodePoint(text, i, n);
        const bool referable = c != 0 && !(c >= 0x80 && c <= 0x9F);
        char number[16];
        if (referable && choice % 3 == 1) {
            std::snprintf(number, sizeof number, "&#%lu;", c);
            out += number;
        } else if (referable && choice % 3 == 2) {
            std::snprintf(number, sizeof number, choice & 0x80 ? "&#x%lX;" : "&#x%lx;", c);
            out += number;
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<' && (choice & 4)) {
            out += "&lt;";
        } else {
            out.append(text, i, n);
        }
        i += n;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    // The first bytes choose the references; the rest is the text.
    const size_t split = size ? std::min(size - 1, static_cast<size_t>(data[0] % 8)) + 1 : 0;
    const std::string choices = bytes.substr(std::min<size_t>(1, size), split ? split - 1 : 0);
    const std::string text = bytes.substr(split);

    const std::string decoded = DecodeReferences(text);
    Check(decoded.size() <= text.size());
    Check(text.find('&') != std::string::npos || decoded == text);
    Check(DecodeReferences(Encoded(text, choices)) == text);

    Check(text.find('&') != std::string::npos || BookmarkName(text) == ValidUtf8(text));
    Check(!BookmarkName(text).empty() || text.empty());
    const std::string url = BookmarkUrl(text);
    Check(std::none_of(url.begin(), url.end(), IsControlChar) && ValidUtf8(url) == url);
    const size_t max = choices.empty() ? 0 : static_cast<unsigned char>(choices[0]);
    const size_t cut = WholeCharsLength(text, max);
    size_t at = 0;
    while (at < cut)
        at += std::max<size_t>(Utf8CharLength(text, at), 1);
    Check(at == cut && cut <= max &&
          (cut == text.size() || cut + std::max<size_t>(Utf8CharLength(text, cut), 1) > max));
    std::string euc;
    if (Iso2022JpToEucJp(text, euc)) {
        Check(euc.find('\x1B') == std::string::npos && euc.size() <= 2 * text.size());
        Check(text.find('\x1B') != std::string::npos || euc == text);
    }
    return 0;
}
