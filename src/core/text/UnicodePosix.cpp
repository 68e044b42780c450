// The Unicode conversions off Windows, for the tests and fuzzers: code page
// 932 stands for the system's, through iconv (without look-alikes); hosts
// through libidn2.
#include "core/text/Unicode.h"

#include <iconv.h>
#include <idn2.h>

#include <cstdlib>

namespace {

// One descriptor a direction for the life of the process: opening one costs
// far more than converting a name. They are used from one thread at a time.
iconv_t Utf8ToCp932()
{
    static const iconv_t cd = ::iconv_open("CP932", "UTF-8");
    return cd;
}

// The system's code page, which AnsiToUtf8 may ask about byte by byte.
iconv_t Cp932ToUtf8()
{
    static const iconv_t cd = ::iconv_open("UTF-8", "CP932");
    return cd;
}

iconv_t Utf7ToUtf8Converter()
{
    static const iconv_t cd = ::iconv_open("UTF-8", "UTF-7");
    return cd;
}

// Converts all of in, or nothing: false when iconv cannot.
bool Convert(iconv_t cd, const std::string &in, std::string &out)
{
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);    // a fresh shift state
    out.assign(in.size() * 4 + 16, '\0');
    char *src = const_cast<char *>(in.data());
    size_t srcLeft = in.size();
    char *dst = &out[0];
    size_t dstLeft = out.size();
    const bool ok = ::iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)
                    && ::iconv(cd, nullptr, nullptr, &dst, &dstLeft) != static_cast<size_t>(-1);
    out.resize(ok ? out.size() - dstLeft : 0);
    return ok;
}

} // namespace

bool Utf7ToUtf8(const std::string &utf7, std::string &utf8) { return Convert(Utf7ToUtf8Converter(), utf7, utf8); }

namespace {

// iconv's name of each code page a bookmark file may declare, but 932
// (CodePageToUtf8 keeps one descriptor for it).
const char *IconvName(unsigned codePage)
{
    static const struct {
        unsigned codePage;
        const char *name;
    } names[] = {{20932, "EUC-JP"}, {10000, "MACINTOSH"},
                 {1250, "CP1250"}, {1251, "CP1251"}, {1252, "CP1252"}, {1253, "CP1253"}, {1254, "CP1254"},
                 {1255, "CP1255"}, {1256, "CP1256"}, {1257, "CP1257"}, {1258, "CP1258"},
                 {28591, "ISO-8859-1"}, {28592, "ISO-8859-2"}, {28593, "ISO-8859-3"}, {28594, "ISO-8859-4"},
                 {28595, "ISO-8859-5"}, {28596, "ISO-8859-6"}, {28597, "ISO-8859-7"}, {28598, "ISO-8859-8"},
                 {28599, "ISO-8859-9"}, {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"}};
    for (const auto &entry : names)
        if (entry.codePage == codePage)
            return entry.name;
    return nullptr;
}

} // namespace

bool CodePageToUtf8(unsigned codePage, const std::string &text, std::string &utf8)
{
    if (codePage == 0 || codePage == 932)
        return Convert(Cp932ToUtf8(), text, utf8);
    const char *name = IconvName(codePage);
    if (!name)
        return false;
    const iconv_t cd = ::iconv_open("UTF-8", name);
    const bool ok = Convert(cd, text, utf8);
    if (cd != reinterpret_cast<iconv_t>(-1))
        ::iconv_close(cd);
    return ok;
}

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
    return Convert(Utf8ToCp932(), utf8Char, ansi) && !ansi.empty();
}
