// The Unicode conversions off Windows, for the tests and fuzzers: code page
// 932 through iconv (without look-alikes), hosts through libidn2.
#include "core/text/Unicode.h"

#include <iconv.h>
#include <idn2.h>

#include <cstdlib>

namespace {

// Converts all of in, or nothing: false when iconv cannot.
bool Convert(const char *to, const char *from, const std::string &in, std::string &out)
{
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.assign(in.size() * 4 + 16, '\0');
    char *src = const_cast<char *>(in.data());
    size_t srcLeft = in.size();
    char *dst = &out[0];
    size_t dstLeft = out.size();
    const bool ok = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)
                    && ::iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<size_t>(-1);
    ::iconv_close(cd);
    out.resize(ok ? out.size() - dstLeft : 0);
    return ok;
}

} // namespace

std::string Utf8ToAnsi(const std::string &utf8)
{
    std::string out, ansi;
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = Utf8CharLength(utf8, i);
        if (length == 0) {
            out += '?';
            ++i;
            continue;
        }
        out += CharToAnsiExact(utf8.substr(i, length), ansi) ? ansi : std::string("?");
        i += length;
    }
    return out;
}

bool Utf7ToUtf8(const std::string &utf7, std::string &utf8) { return Convert("UTF-8", "UTF-7", utf7, utf8); }

bool HostToAscii(const std::string &utf8Host, std::string &ascii)
{
    char *out = nullptr;
    if (::idn2_to_ascii_8z(utf8Host.c_str(), &out, IDN2_NFC_INPUT | IDN2_NONTRANSITIONAL) != IDN2_OK)
        return false;
    ascii = out;
    ::idn2_free(out);
    return true;
}

bool CharToAnsiExact(const std::string &utf8Char, std::string &ansi)
{
    return Convert("CP932", "UTF-8", utf8Char, ansi) && !ansi.empty();
}
