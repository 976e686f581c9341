#include "CWnd.h"
#include "AfxTempMap.h"
#include "CDC.h"
#include "CDataExchange.h"
#include "CFont.h"
#include "CMenu.h"
#include "CPoint.h"

#include <map>

namespace {

std::map<HWND, CWnd*>& PermanentMap()
{
    static std::map<HWND, CWnd*> map;
    return map;
}

// A window's wrapper is attached by hand: CWnd::Attach makes it permanent.
CAfxTempMap<CWnd, HWND>& TempMap()
{
    return CAfxTempMap<CWnd, HWND>::Get();
}

// The message being handled, for Default().
struct AFX_LAST_MESSAGE
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
AFX_LAST_MESSAGE g_lastMessage = { 0, 0, 0 };

CWnd* g_pWndInit = nullptr;
HHOOK g_hHookOldCbtFilter = nullptr;

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pWndInit != nullptr)
    {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(g_hHookOldCbtFilter, nCode, wParam, lParam);
}

} // namespace

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
    {
        if (m_pfnSuper != nullptr)
            UnsubclassWindow();
        else
            Detach();
    }
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr)
        return pWnd;
    return TempMap().FromHandle(hWnd, [](CWnd& wnd, HWND h) { wnd.m_hWnd = h; });
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = PermanentMap().find(hWnd);
    return it != PermanentMap().end() ? it->second : nullptr;
}

void CWnd::DeleteTempMap()
{
    TempMap().RemoveIf([](HWND h) { return !::IsWindow(h); });
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == nullptr)
        return FALSE;
    TempMap().Remove(hWnd);
    PermanentMap()[hWnd] = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
    {
        auto it = PermanentMap().find(hWnd);
        if (it != PermanentMap().end() && it->second == this)
            PermanentMap().erase(it);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    // A window made by the framework runs AfxWndProc already (the creation hook
    // subclassed it); calling that as its own super would recurse.
    if (pfnOld != &AfxWndProc)
        m_pfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_pfnSuper != nullptr && ::IsWindow(m_hWnd))
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(nLen) + 1, '\0');
    nLen = ::GetWindowTextA(m_hWnd, &text[0], nLen + 1);
    rString = CString(text.data(), nLen);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);

    if (message == WM_DRAWITEM)
    {
        // Owner-drawn controls draw themselves.
        const DRAWITEMSTRUCT* pDIS = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        CWnd* pChild = pDIS->CtlType != ODT_MENU ? FromHandlePermanent(pDIS->hwndItem) : nullptr;
        if (pChild != nullptr && pChild->OnChildNotify(message, wParam, lParam, pResult))
            return TRUE;
    }

    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
    if (pEntry == nullptr)
        return FALSE;

    *pResult = pEntry->pfnDispatch(this, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    // A command from a menu or an accelerator has no control: it routes as
    // a click would.
    if (lParam == 0)
        nCode = CN_COMMAND;
    return OnCmdMsg(nID, nCode);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(g_lastMessage.message, g_lastMessage.wParam, g_lastMessage.lParam);
}

#define AFX_DEFAULT_HANDLER(msg, fn, R, params, args) \
    R CWnd::fn params { return AfxFromResult<R>(Default()); }
AFX_MESSAGES(AFX_DEFAULT_HANDLER)
#undef AFX_DEFAULT_HANDLER

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);

    AFX_LAST_MESSAGE saved = g_lastMessage;
    g_lastMessage = { message, wParam, lParam };
    LRESULT lResult = pWnd->WindowProc(message, wParam, lParam);
    g_lastMessage = saved;

    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
    {
        pWnd->UnsubclassWindow();
        pWnd->PostNcDestroy();
    }
    return lResult;
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (g_hHookOldCbtFilter == nullptr)
        g_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    g_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    if (g_hHookOldCbtFilter != nullptr)
    {
        ::UnhookWindowsHookEx(g_hHookOldCbtFilter);
        g_hHookOldCbtFilter = nullptr;
    }
    BOOL bCreated = g_pWndInit == nullptr;
    g_pWndInit = nullptr;
    return bCreated;
}

void AfxDeleteTempMaps()
{
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    CFont::DeleteTempMap();
    CDC::DeleteTempMap();
}
