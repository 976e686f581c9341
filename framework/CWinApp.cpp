#include "CWinApp.h"
#include "AfxModule.h"
#include "CWnd.h"

#include <cstring>

namespace {
CWinApp* g_pApp = nullptr;
char g_szAppName[MAX_PATH] = "";
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(msg.hwnd);
        if (pWnd == nullptr || !pWnd->PreTranslateMessage(&msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    ExitInstance();
    return static_cast<int>(msg.wParam);
}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    return ::LoadIconA(AfxFindResourceHandle(lpszName, AFX_RT_GROUP_ICON), lpszName);
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr;
}

LPCSTR AfxGetAppName()
{
    if (g_pApp != nullptr && g_pApp->m_pszAppName != nullptr)
        return g_pApp->m_pszAppName;
    if (g_szAppName[0] == '\0')
    {
        char szPath[MAX_PATH];
        DWORD nLen = ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
        if (nLen == 0 || nLen >= MAX_PATH)
            return "";
        const char* pszName = std::strrchr(szPath, '\\');
        pszName = pszName != nullptr ? pszName + 1 : szPath;
        std::memcpy(g_szAppName, pszName, std::strlen(pszName) + 1);
        char* pszDot = std::strrchr(g_szAppName, '.');
        if (pszDot != nullptr)
            *pszDot = '\0';
    }
    return g_szAppName;
}

void AfxEnableControlContainer() {}

int AfxWinMain(HINSTANCE hInstance)
{
    AfxSetInstanceHandle(hInstance);
    AfxSetResourceHandle(hInstance);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return -1;
    pApp->m_hInstance = hInstance;
    if (!pApp->InitInstance())
        return pApp->ExitInstance();
    return pApp->Run();
}
