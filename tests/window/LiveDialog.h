// A dialog of the program run modally in this process and driven from inside
// its own loop: each step arrives as a posted message once the window is up.
// A step ends the dialog or schedules the next; a fatal failure ends it.
#pragma once
#include <Afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

template <class TDialog>
class CLiveDialog : public TDialog
{
public:
    using TDialog::TDialog;
    using TDialog::m_hWnd;

    // fnStep runs in the loop once the window is up, or after the current step.
    void Then(std::function<void()> fnStep)
    {
        m_fnStep = std::move(fnStep);
        if (::IsWindow(m_hWnd))
            ::PostMessageA(m_hWnd, WM_STEP, 0, 0);
    }
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); } // a control of the live window

protected:
    static const UINT WM_STEP = WM_APP + 0x51;

    // The first step is queued behind everything the initialisation queued.
    BOOL OnInitDialog() override
    {
        BOOL bFocusFirst = TDialog::OnInitDialog();
        ::PostMessageA(m_hWnd, WM_STEP, 0, 0);
        return bFocusFirst;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message != WM_STEP || pMsg->hwnd != m_hWnd)
            return TDialog::PreTranslateMessage(pMsg);
        std::function<void()> fnStep;
        std::swap(fnStep, m_fnStep);
        if (fnStep)
            fnStep();
        if (::testing::Test::HasFatalFailure())
            TDialog::EndDialog(IDCANCEL);
        return TRUE;
    }

private:
    std::function<void()> m_fnStep; // the step still to come
};

// While it lives, every other dialog of this thread (a prompt, the About box)
// is answered with Enter, posted when one of its controls takes the focus and
// so handled by that dialog's own loop once the focus has moved. One still
// open at the deadline is closed, and Answered() then reports -1.
class CDialogAnswerer
{
public:
    explicit CDialogAnswerer(HWND hWndOwn)
        : m_hHook(::SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, ::GetCurrentThreadId())),
          m_nTimer(::SetTimer(nullptr, 0, 10000, &OnDeadline))
    {
        s = {hWndOwn, nullptr, 0, false};
    }
    ~CDialogAnswerer()
    {
        ::KillTimer(nullptr, m_nTimer);
        ::UnhookWindowsHookEx(m_hHook);
    }
    static int Answered() { return s.bMissed ? -1 : s.nAnswered; } // dialogs answered so far

private:
    // The dialog hWnd belongs to, unless it is none or the watched one.
    static HWND OtherDialog(HWND hWnd)
    {
        HWND hWndRoot = ::GetAncestor(hWnd, GA_ROOT);
        char szClass[16] = "";
        ::GetClassNameA(hWndRoot, szClass, sizeof szClass);
        return hWndRoot != s.hWndOwn && std::string(szClass) == "#32770" ? hWndRoot : nullptr;
    }
    // Before the focus moves to hWndFocus.
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam)
    {
        HWND hWndFocus = reinterpret_cast<HWND>(wParam);
        HWND hWndDialog = nCode == HCBT_SETFOCUS ? OtherDialog(hWndFocus) : nullptr;
        if (hWndDialog != nullptr && hWndDialog != s.hWndLast)
        {
            s.hWndLast = hWndDialog;
            ++s.nAnswered;
            ::PostMessageA(hWndFocus, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    // Ten seconds on, from whichever loop is running.
    static void CALLBACK OnDeadline(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM) -> BOOL {
            if (OtherDialog(hWnd) == hWnd && ::IsWindowVisible(hWnd))
            {
                s.bMissed = true;
                ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
            }
            return TRUE;
        }, 0);
    }

    static inline struct
    {
        HWND hWndOwn;  // the dialog under test, never answered
        HWND hWndLast; // the dialog answered last
        int nAnswered;
        bool bMissed;  // a dialog was still open at the deadline
    } s;
    HHOOK m_hHook;     // CBT hook of this thread
    UINT_PTR m_nTimer; // the deadline
};
