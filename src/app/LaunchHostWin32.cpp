#include "app/LaunchHostWin32.h"

#include "core/text/Unicode.h"
#include "links/BrowserStart.h"
#include "links/DdeLink.h"
#include "links/DefaultBrowser.h"
#include "links/ListedBrowserStart.h"
#include "links/NetworkList.h"
#include "links/RasLink.h"

namespace {

class CWindowsLaunchHost : public ILaunchHost {
public:
    HWND m_hWnd = nullptr;
    UINT m_uNotify = WM_NULL;

    unsigned SetTimer(unsigned id, unsigned ms) override { return static_cast<unsigned>(::SetTimer(m_hWnd, id, ms, nullptr)); }
    void KillTimer(unsigned id) override { ::KillTimer(m_hWnd, id); }
    void PostNotify(int code) override { ::PostMessageW(m_hWnd, m_uNotify, static_cast<WPARAM>(code), 0); }
    void PostEndCommand(bool close) override { ::PostMessageW(m_hWnd, WM_SYSCOMMAND, close ? SC_CLOSE : SC_RESTORE, 0); }
    void MinimizeWindow() override { ::ShowWindow(m_hWnd, SW_MINIMIZE); }
    unsigned TickCount() override { return ::GetTickCount(); }

    int RasLinkAutodialEnabled() override { return ::RasLinkAutodialEnabled(); }
    int RasLinkQuery(int query) override { return ::RasLinkQuery(query); }
    int NetworkConnectivity() override { return ::NetworkConnectivity(); }

    int DdeListWindows(uint32_t *ids, int service) override { return ::DdeListWindows(reinterpret_cast<DWORD *>(ids), service); }
    int DdeGetVersion() override { return ::DdeGetVersion(); }
    uint32_t DdeGetFrameParent(uint32_t id) override { return ::DdeGetFrameParent(id); }
    uint32_t DdeOpenURL(const char *text, int service, uint32_t id) override { return ::DdeOpenURL(text, service, id); }

    // Only Netscape Navigator is started this way. It reads its command line
    // in the system's code page, so a character of the URL that the code
    // page lacks goes as the percent-escapes of its UTF-8 bytes.
    int StartProgram(const char *path, const char *commandLine) override
    {
        return ::StartProgram(path, AnsiToUtf8(Utf8UrlToAnsi(commandLine)).c_str());
    }
    int ExplorerWindowsCreated() override { return s_nIeBrowserCount; }
    int NavigateExplorerSlot(int slot, const char *url) override
    {
        IWebBrowser2 *browser = IeBrowserAt(slot);
        return browser ? NavigateExplorer(url, browser) : 0;
    }
    void ReleaseExplorerSlot(int slot) override { ReleaseIeBrowser(slot); }
    void CreateExplorerWindow(const char *url) override { ::CreateExplorerWindow(url); }
    int OpenInDefaultBrowser(const char *url) override { return ::OpenInDefaultBrowser(url); }
    int StartListedBrowser(int n, const char *url, int window) override { return ::StartListedBrowser(n, url, window); }
};

static_assert(sizeof(uint32_t) == sizeof(DWORD), "window ids travel as DWORDs");

} // namespace

ILaunchHost *WindowsLaunchHost(HWND window, UINT message)
{
    static CWindowsLaunchHost host;
    host.m_hWnd = window;
    host.m_uNotify = message;
    return &host;
}
