// The private-profile functions of kernel32, in their wide form, so that a
// value is whatever Windows makes of the file, not what the system's code
// page can hold on the way. Texts are converted from and to UTF-8 here.
//
// Windows keeps Unicode only in a file that is UTF-16LE with its byte-order
// mark; into a file of the code page it writes "?" for what the code page
// lacks. So while every text fits the code page the file stays as it is,
// byte for byte, for older copies and the user's own tools; the first text
// that does not fit converts the file once, whole, to UTF-16LE.
#include "core/settings/Profile.h"

#include "core/settings/ProfileText.h"
#include "core/text/Unicode.h"
#include "core/text/WideText.h"

#include <windows.h>

#include <vector>

namespace {

// A text for the wide functions; NULL stays NULL.
class WideArgument {
public:
    explicit WideArgument(const char *utf8) : m_null(!utf8), m_wide(utf8 ? WideFromUtf8(utf8) : std::wstring()) {}
    const wchar_t *get() const { return m_null ? nullptr : m_wide.c_str(); }

private:
    bool m_null;
    std::wstring m_wide;
};

bool Fits(const char *utf8) { return !utf8 || FitsCodePage(utf8); }

// Where Windows looks for a file name without a folder: its own directory.
std::wstring ProfilePath(const char *fileName)
{
    const std::wstring name = WideFromUtf8(fileName);
    if (name.find_first_of(L"\\/:") != std::wstring::npos)
        return name;
    wchar_t windows[MAX_PATH];
    const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return name;
    return std::wstring(windows, length) + L"\\" + name;
}

// The whole file's bytes; empty for a missing one. False when it cannot
// be read.
bool ReadBytes(const std::wstring &path, std::string &bytes)
{
    bytes.clear();
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND;
    LARGE_INTEGER size = {};
    bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || (::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                               read == bytes.size());
    }
    ::CloseHandle(file);
    return ok;
}

bool WriteBytes(const std::wstring &path, const std::string &bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    return ::CloseHandle(file) && ok;
}

// Makes the file UTF-16LE with its byte-order mark, every character kept:
// the code page's text is decoded as Windows decodes it for the wide
// functions. The new form is written beside the file and then put in its
// place, so that a failure leaves the old file whole.
bool KeepUnicode(const std::wstring &path)
{
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());    // flushes Windows' cached copy
    std::string bytes;
    if (!ReadBytes(path, bytes))
        return false;
    if (bytes.compare(0, 2, "\xFF\xFE") == 0)
        return true;
    std::wstring text(1, L'\xFEFF');
    if (!bytes.empty()) {
        const int size = static_cast<int>(bytes.size());
        const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
        if (length <= 0)
            return false;
        text.resize(1 + static_cast<size_t>(length));
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, &text[1], length);
    }
    const std::wstring converted = path + L".new";
    if (!WriteBytes(converted, std::string(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(wchar_t))))
        return false;
    if (::MoveFileExW(converted.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileW(converted.c_str());
    return false;
}

} // namespace

unsigned ProfileReadInt(const char *section, const char *key, int defaultValue, const char *fileName)
{
    return ::GetPrivateProfileIntW(WideArgument(section).get(), WideArgument(key).get(), defaultValue,
                                   WideArgument(fileName).get());
}

size_t ProfileReadString(const char *section, const char *key, const char *defaultValue, char *buffer, size_t size,
                         const char *fileName)
{
    if (!buffer || size == 0)
        return 0;
    // Every UTF-16 unit makes at least one byte of UTF-8 (a pair four), so
    // size units give at least the size bytes the buffer holds: the text is
    // cut on a whole UTF-8 character after it is converted, never before.
    // A list comes back as its names, each ended by a NUL, and converts
    // name by name with them.
    std::vector<wchar_t> wide(size);
    const DWORD length =
        ::GetPrivateProfileStringW(WideArgument(section).get(), WideArgument(key).get(), WideArgument(defaultValue).get(),
                                   wide.data(), static_cast<DWORD>(size), WideArgument(fileName).get());
    const bool list = !section || !key;
    return CopyProfileText(Utf8FromWide(std::wstring(wide.data(), length)), buffer, size, list);
}

bool ProfileWriteString(const char *section, const char *key, const char *value, const char *fileName)
{
    if (!fileName)
        return false;
    const std::wstring path = ProfilePath(fileName);
    if (!(Fits(section) && Fits(key) && Fits(value)) && !KeepUnicode(path))
        return false;
    return ::WritePrivateProfileStringW(WideArgument(section).get(), WideArgument(key).get(), WideArgument(value).get(),
                                        path.c_str()) != 0;
}

bool ProfileWriteSection(const char *section, const std::vector<ProfileEntry> &entries, const char *fileName)
{
    if (!section || !fileName)
        return false;
    // "key=value" lines, each ended by a NUL and the list by a second one.
    std::string lines;
    bool fits = Fits(section);
    for (const ProfileEntry &entry : entries) {
        const std::string line = entry.key + "=" + entry.value;
        fits = fits && Fits(line.c_str());
        lines.append(line).push_back('\0');
    }
    lines.push_back('\0');
    const std::wstring path = ProfilePath(fileName);
    if (!fits && !KeepUnicode(path))
        return false;
    return ::WritePrivateProfileSectionW(WideArgument(section).get(), WideFromUtf8(lines).c_str(), path.c_str()) != 0;
}
