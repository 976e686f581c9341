// A window: a C++ object over a window handle. Windows the framework creates
// or subclasses are permanent (their messages run through the object's
// message map); others get temporary wrappers from FromHandle.
#pragma once
#include "CCmdTarget.h"
#include "CString.h"

class CDataExchange;
class CFont;
class CMenu;

class CWnd : public CCmdTarget
{
public:
    CWnd() = default;
    ~CWnd() override;

    static CWnd* FromHandle(HWND hWnd);          // permanent object, else a temporary wrapper
    static CWnd* FromHandlePermanent(HWND hWnd); // permanent object or null
    static void DeleteTempMap();                 // drops wrappers of windows that are gone

    BOOL Attach(HWND hWnd);
    HWND Detach();
    // Routes the window's messages through this object's message map.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // Thin wrappers of the platform's window operations.
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    BOOL RedrawWindow(LPCRECT lpRect, HRGN hRgn, UINT nFlags) { return ::RedrawWindow(m_hWnd, lpRect, hRgn, nFlags); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ScreenToClient(LPRECT lpRect) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    {
        return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr,
                              x, y, cx, cy, nFlags);
    }
    void SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
    void GetWindowText(CString& rString) const;
    CMenu* GetSystemMenu(BOOL bRevert) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_SETICON, bBigIcon, reinterpret_cast<LPARAM>(hIcon)));
    }
    virtual BOOL DestroyWindow();

    // Runs the data exchange: to the controls (FALSE) or from them (TRUE);
    // FALSE when a control's text was rejected.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // A chance to handle a queued message before it is dispatched; non-zero
    // when it was consumed.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    HWND m_hWnd = nullptr;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A message about this control sent to its parent (WM_DRAWITEM).
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window's own processing of the message, as if it had no map.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled.
    LRESULT Default();
    virtual void PostNcDestroy() {}

    // The handler of each message of the list: the window's own processing.
#define AFX_DEFAULT_HANDLER(msg, fn, R, params, args) R fn params;
    AFX_MESSAGES(AFX_DEFAULT_HANDLER)
#undef AFX_DEFAULT_HANDLER

    WNDPROC m_pfnSuper = nullptr;

    DECLARE_MESSAGE_MAP()

    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// While set, the next window the thread creates becomes pWnd's, subclassed
// from its first message.
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();

// Drops the temporary wrappers of windows, menus, fonts and device contexts.
void AfxDeleteTempMaps();
