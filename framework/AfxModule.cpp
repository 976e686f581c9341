#include "AfxModule.h"

namespace {

struct AFX_MODULE_STATE
{
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
};

AFX_MODULE_STATE& AfxGetModuleState()
{
    static AFX_MODULE_STATE state = { nullptr, nullptr };
    return state;
}

} // namespace

HINSTANCE AfxGetInstanceHandle()
{
    return AfxGetModuleState().m_hCurrentInstanceHandle;
}

void AfxSetInstanceHandle(HINSTANCE hInstance)
{
    AfxGetModuleState().m_hCurrentInstanceHandle = hInstance;
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetModuleState().m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hResource)
{
    AfxGetModuleState().m_hCurrentResourceHandle = hResource;
}

#ifdef _WIN32
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hResource = AfxGetResourceHandle();
    if (hResource != nullptr && ::FindResourceA(hResource, lpszName, lpszType) != nullptr)
        return hResource;
    return AfxGetInstanceHandle();
}

BOOL AfxHasBitmap(UINT nIDResource)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    return ::FindResourceA(AfxFindResourceHandle(lpszName, AFX_RT_BITMAP), lpszName, AFX_RT_BITMAP) != nullptr;
}

HBITMAP AfxLoadBitmap(UINT nIDResource)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    return ::LoadBitmapA(AfxFindResourceHandle(lpszName, AFX_RT_BITMAP), lpszName);
}
#endif
