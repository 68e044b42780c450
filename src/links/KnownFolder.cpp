#include "links/KnownFolder.h"

#include "core/text/WideText.h"

std::wstring KnownFolder(REFKNOWNFOLDERID id)
{
    wchar_t *path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = path;
    ::CoTaskMemFree(path);
    return folder;
}

UserFolders ApplicationDataFolders()
{
    return {Utf8FromWide(KnownFolder(FOLDERID_LocalAppData)), Utf8FromWide(KnownFolder(FOLDERID_RoamingAppData))};
}
