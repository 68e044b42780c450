#include "links/BrowserStart.h"

#include "core/text/WideText.h"

#include <string>

IWebBrowser2 *s_pIeBrowsers[IE_BROWSER_SLOTS] = {};
int s_nIeBrowserCount = 0;

int StartProgram(const char *path, const char *commandLine)
{
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    si.dwX = si.dwY = si.dwXSize = si.dwYSize = static_cast<DWORD>(CW_USEDEFAULT);
    // CreateProcess may write into the command line.
    std::wstring line = WideFromUtf8(commandLine);
    PROCESS_INFORMATION pi;
    if (!::CreateProcessW(WideFromUtf8(path).c_str(), line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                          nullptr, &si, &pi))
        return -1;
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return 0;
}

int NavigateExplorer(const char *url, IWebBrowser2 *browser)
{
    const std::wstring wide = WideFromUtf8(url);
    BSTR target = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    VARIANT empty;
    ::VariantInit(&empty);
    const HRESULT hr = browser->Navigate(target, &empty, &empty, &empty, &empty);
    ::VariantClear(&empty);
    ::SysFreeString(target);
    return hr == S_OK;
}

IWebBrowser2 *CreateExplorerWindow(const char *url)
{
    int slot = 0;
    while (slot < IE_BROWSER_SLOTS && s_pIeBrowsers[slot])
        ++slot;
    if (slot == IE_BROWSER_SLOTS)
        return nullptr;
    ++s_nIeBrowserCount;
    IWebBrowser2 *browser = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2, reinterpret_cast<void **>(&browser))))
        return nullptr;
    if (*url)
        NavigateExplorer(url, browser);
    else
        browser->GoHome();
    browser->put_Visible(VARIANT_TRUE);
    s_pIeBrowsers[slot] = browser;
    return browser;
}

void ResetIeBrowsers()
{
    s_nIeBrowserCount = 0;
    for (IWebBrowser2 *&slot : s_pIeBrowsers)
        slot = nullptr;
}

IWebBrowser2 *IeBrowserAt(int slot) { return slot >= 0 && slot < IE_BROWSER_SLOTS ? s_pIeBrowsers[slot] : nullptr; }

void ReleaseIeBrowser(int slot)
{
    IWebBrowser2 *browser = IeBrowserAt(slot);
    if (!browser)
        return;
    browser->Release();
    s_pIeBrowsers[slot] = nullptr;
}

void ReleaseIeBrowsers()
{
    for (int slot = 0; slot < IE_BROWSER_SLOTS; ++slot)
        ReleaseIeBrowser(slot);
}
