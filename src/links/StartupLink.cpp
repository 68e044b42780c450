#include "links/StartupLink.h"

#include "core/links/StartupLinkPath.h"
#include "core/text/WideText.h"
#include "links/Registry.h"

#include <objbase.h>
#include <shlobj.h>

#include <cstring>

namespace {

// The link object and its file interface, released in reverse order.
class LinkObject {
public:
    LinkObject()
    {
        if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
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

    IShellLinkW *m_link = nullptr;
    IPersistFile *m_file = nullptr;
};

} // namespace

int GetStartupFolder(char *folder, size_t size)
{
    char value[REG_VALUE_SIZE];
    if (!ReadRegistryString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                            "Startup", value, sizeof value))
        return 0;
    const size_t length = std::strlen(value);
    if (length >= size)
        return 0;
    std::memcpy(folder, value, length + 1);
    return 1;
}

int GetStartupLinkPath(const char *programPath, char *linkPath)
{
    char folder[REG_VALUE_SIZE];
    linkPath[0] = '\0';
    return GetStartupFolder(folder, sizeof folder) && MakeStartupLinkPath(folder, programPath, linkPath, LINK_PATH_SIZE);
}

int IsStartupLinked(HWND owner, const char *programPath)
{
    char linkPath[LINK_PATH_SIZE];
    if (!GetStartupLinkPath(programPath, linkPath))
        return 0;
    LinkObject link;
    if (!link.m_file)
        return 0;
    wchar_t target[MAX_PATH];
    WIN32_FIND_DATAW data;
    return SUCCEEDED(link.m_file->Load(WideFromUtf8(linkPath).c_str(), STGM_READ)) &&
                   SUCCEEDED(link.m_link->Resolve(owner, SLR_ANY_MATCH)) &&
                   SUCCEEDED(link.m_link->GetPath(target, MAX_PATH, &data, SLGP_SHORTPATH))
               ? 1
               : 0;
}

int CreateStartupLink(const char *programPath, const char *workDir, const char *args, const std::wstring &comment)
{
    char linkPath[LINK_PATH_SIZE];
    bool saved = false;
    if (GetStartupLinkPath(programPath, linkPath)) {
        LinkObject link;
        if (link.m_file && SUCCEEDED(link.m_link->SetPath(WideFromUtf8(programPath).c_str())) &&
            (!args || !*args || SUCCEEDED(link.m_link->SetArguments(WideFromUtf8(args).c_str()))) &&
            SUCCEEDED(link.m_link->SetDescription(comment.c_str()))) {
            link.m_link->SetWorkingDirectory(WideFromUtf8(workDir).c_str());
            saved = SUCCEEDED(link.m_file->Save(WideFromUtf8(linkPath).c_str(), TRUE));
        }
    }
    return saved ? 1 : 0;
}

bool DeleteStartupLink(const char *programPath, std::string &remaining)
{
    char linkPath[LINK_PATH_SIZE];
    if (!GetStartupLinkPath(programPath, linkPath) || ::DeleteFileW(WideFromUtf8(linkPath).c_str()))
        return true;
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return true;
    remaining = linkPath;
    return false;
}
