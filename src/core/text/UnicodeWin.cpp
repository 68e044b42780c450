// The Unicode conversions as Windows does them, through UTF-16.
#include "core/text/Unicode.h"

#include <windows.h>

namespace {

std::wstring ToWide(UINT codePage, const std::string &text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
    return wide;
}

// flags and usedDefault as WideCharToMultiByte takes them; CP_UTF8 and
// CP_UTF7 take neither.
std::string FromWide(UINT codePage, const std::wstring &wide, DWORD flags = 0, BOOL *usedDefault = nullptr)
{
    if (wide.empty())
        return std::string();
    const int size = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), size, &text[0], length, nullptr, usedDefault);
    return text;
}

// Windows 7 and later have it in kernel32; where it is missing, hosts stay
// escaped.
typedef int(WINAPI *IdnToAsciiFn)(DWORD, LPCWSTR, int, LPWSTR, int);

IdnToAsciiFn FindIdnToAscii()
{
    static const IdnToAsciiFn fn = reinterpret_cast<IdnToAsciiFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "IdnToAscii")));
    return fn;
}

} // namespace

bool Utf7ToUtf8(const std::string &utf7, std::string &utf8)
{
    const std::wstring wide = ToWide(CP_UTF7, utf7);
    utf8 = FromWide(CP_UTF8, wide);
    return !wide.empty() || utf7.empty();
}

bool CodePageToUtf8(unsigned codePage, const std::string &text, std::string &utf8)
{
    if (text.empty()) {
        utf8.clear();
        return true;
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, &wide[0], length);
    utf8 = FromWide(CP_UTF8, wide);
    return true;
}

bool HostToAscii(const std::string &utf8Host, std::string &ascii)
{
    const IdnToAsciiFn idnToAscii = FindIdnToAscii();
    const std::wstring wide = ToWide(CP_UTF8, utf8Host);
    if (!idnToAscii || wide.empty())
        return false;
    wchar_t out[256];    // the longest host name DNS allows is 253 characters
    const int length = idnToAscii(0, wide.data(), static_cast<int>(wide.size()), out, 256);
    if (length <= 0)
        return false;
    ascii = FromWide(CP_ACP, std::wstring(out, static_cast<size_t>(length)));
    return true;
}

bool CharToAnsiExact(const std::string &utf8Char, std::string &ansi)
{
    BOOL usedDefault = FALSE;
    ansi = FromWide(CP_ACP, ToWide(CP_UTF8, utf8Char), WC_NO_BEST_FIT_CHARS, &usedDefault);
    return !usedDefault && !ansi.empty();
}
