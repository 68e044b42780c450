#include "bookmarks/LocalProfiles.h"

#include "core/text/WideText.h"

#include <windows.h>

#include <shlobj.h>

std::vector<ChromiumProfile> FindLocalChromiumProfiles()
{
    wchar_t *dir = nullptr;
    const HRESULT hr = ::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_DEFAULT, nullptr, &dir);
    const std::string path = SUCCEEDED(hr) ? Utf8FromWide(dir) : std::string();
    ::CoTaskMemFree(dir);
    return path.empty() ? std::vector<ChromiumProfile>() : FindChromiumProfiles(path);
}
