#include "links/StartupLink.h"

#include "core/links/StartupLinkPath.h"
#include "links/Registry.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// The link object and its file interface, released in reverse order.
class LinkObject {
public:
    LinkObject()
    {
        if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         reinterpret_cast<void **>(&m_link))))
            m_link->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&m_file));
    }
    ~LinkObject()
    {
        if (m_file)
            m_file->Release();
        if (m_link)
            m_link->Release();
    }
    LinkObject(const LinkObject &) = delete;
    LinkObject &operator=(const LinkObject &) = delete;

    IShellLinkA *m_link = nullptr;
    IPersistFile *m_file = nullptr;
};

bool WidePath(const char *path, wchar_t (&wide)[MAX_PATH])
{
    return ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) > 0;
}

} // namespace

int GetStartupFolder(char *folder, size_t size)
{
    char value[REG_VALUE_SIZE];
    if (!ReadRegistryString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                            "Startup", value, sizeof value))
        return 0;
    if (static_cast<size_t>(::lstrlenA(value)) >= size)
        return 0;
    ::lstrcpyA(folder, value);
    return 1;
}

int GetStartupLinkPath(const char *programPath, char *linkPath)
{
    char folder[512];
    linkPath[0] = '\0';
    return GetStartupFolder(folder, sizeof folder) && MakeStartupLinkPath(folder, programPath, linkPath, MAX_PATH);
}

int IsStartupLinked(HWND owner, const char *programPath)
{
    char linkPath[MAX_PATH];
    wchar_t widePath[MAX_PATH];
    if (!GetStartupLinkPath(programPath, linkPath) || !WidePath(linkPath, widePath))
        return 0;
    LinkObject link;
    if (!link.m_file)
        return 0;
    char target[MAX_PATH];
    WIN32_FIND_DATAA data;
    return SUCCEEDED(link.m_file->Load(widePath, STGM_READ)) && SUCCEEDED(link.m_link->Resolve(owner, SLR_ANY_MATCH)) &&
                   SUCCEEDED(link.m_link->GetPath(target, MAX_PATH, &data, SLGP_SHORTPATH))
               ? 1
               : 0;
}

int CreateStartupLink(const char *programPath, const char *workDir, const char *args)
{
    char linkPath[MAX_PATH];
    wchar_t widePath[MAX_PATH];
    bool saved = false;
    if (GetStartupLinkPath(programPath, linkPath) && WidePath(linkPath, widePath)) {
        LinkObject link;
        if (link.m_file && SUCCEEDED(link.m_link->SetPath(programPath)) &&
            (!args || !*args || SUCCEEDED(link.m_link->SetArguments(args))) &&
            SUCCEEDED(link.m_link->SetDescription("Link to Orvanta"))) {
            link.m_link->SetWorkingDirectory(workDir);
            saved = SUCCEEDED(link.m_file->Save(widePath, TRUE));
        }
    }
    return saved ? 1 : 0;
}

int DeleteStartupLink(const char *programPath)
{
    char linkPath[MAX_PATH];
    return GetStartupLinkPath(programPath, linkPath) ? ::DeleteFileA(linkPath) : 0;
}
