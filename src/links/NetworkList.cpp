#include "links/NetworkList.h"

#include <windows.h>
#include <initguid.h>
#include <netlistmgr.h>

int NetworkConnectivity()
{
    INetworkListManager *list = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_NetworkListManager, nullptr, CLSCTX_ALL, IID_INetworkListManager,
                                  reinterpret_cast<void **>(&list))) ||
        !list)
        return -1;
    NLM_CONNECTIVITY connectivity = NLM_CONNECTIVITY_DISCONNECTED;
    const HRESULT hr = list->GetConnectivity(&connectivity);
    list->Release();
    if (FAILED(hr))
        return -1;
    return connectivity & (NLM_CONNECTIVITY_IPV4_INTERNET | NLM_CONNECTIVITY_IPV6_INTERNET) ? 1 : 0;
}
