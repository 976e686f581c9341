#include "WindowTest.h"

namespace {

BOOL CALLBACK CountVisible(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd))
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

} // namespace

void CWindowTest::SetUp()
{
    m_hSavedInstance = AfxGetInstanceHandle();
    m_hSavedResource = AfxGetResourceHandle();
    HINSTANCE hThis = ::GetModuleHandleA(nullptr);
    AfxSetInstanceHandle(hThis);
    AfxSetResourceHandle(hThis);
}

void CWindowTest::TearDown()
{
    int nVisible = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountVisible, reinterpret_cast<LPARAM>(&nVisible));
    EXPECT_EQ(nVisible, 0) << "a window the test opened is still shown";
    AfxSetInstanceHandle(m_hSavedInstance);
    AfxSetResourceHandle(m_hSavedResource);
}

CString ItemText(HWND hDlg, int nID)
{
    char sz[256] = "";
    int nLen = ::GetDlgItemTextA(hDlg, nID, sz, sizeof sz);
    return CString(sz, nLen);
}

void SetItemText(HWND hDlg, int nID, const char* pszText)
{
    ::SetDlgItemTextA(hDlg, nID, pszText);
}
