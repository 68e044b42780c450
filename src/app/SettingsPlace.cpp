#include "app/SettingsPlace.h"

#include "core/settings/SettingsFile.h"
#include "core/text/WideText.h"
#include "links/KnownFolder.h"

#include <windows.h>

#include <shlobj.h>

namespace {

const wchar_t FILE_NAME[] = L"\\" INI_FILE_NAME_W;

std::wstring WindowsFolder()
{
    wchar_t windows[MAX_PATH];
    const UINT length = ::GetWindowsDirectoryW(windows, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(windows, length) : std::wstring();
}

std::wstring ProgramFolder()
{
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool Exists(const std::wstring &path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SameFolder(const std::wstring &a, const std::wstring &b)
{
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

} // namespace

std::string FindSettingsFile()
{
    const std::wstring windows = WindowsFolder();
    const std::wstring program = ProgramFolder();
    if (!program.empty() && !SameFolder(program, windows) && Exists(program + FILE_NAME))
        return Utf8FromWide(program + FILE_NAME);
    const std::wstring roaming = KnownFolder(FOLDERID_RoamingAppData);
    if (roaming.empty())
        return std::string();
    const std::wstring folder = roaming + L"\\Orvanta";
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + FILE_NAME;
    if (!Exists(file) && !windows.empty()) {
        // Windows kept a copy it redirected an older copy's writes to under
        // the Windows directory's path without its drive.
        const std::wstring local = KnownFolder(FOLDERID_LocalAppData);
        const std::wstring redirected = local + L"\\VirtualStore" + windows.substr(windows.find(L'\\')) + FILE_NAME;
        const std::wstring older = !local.empty() && Exists(redirected) ? redirected : windows + FILE_NAME;
        if (Exists(older))
            ::CopyFileW(older.c_str(), file.c_str(), TRUE);
    }
    return Utf8FromWide(file);
}
