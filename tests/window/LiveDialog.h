// A dialog of the program run modally in this process and driven from inside its own loop: each step arrives as a
// posted message once the window is up. A step ends the dialog or schedules the next; a fatal failure ends it.
#pragma once
#include "SettingsKey.h"
#include <Afxwin.h>

#include <gtest/gtest.h>

#include <functional>
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
    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    std::function<void()> m_fnInit; // runs as the window initialises, before the dialog's own initialisation

protected:
    static const UINT WM_STEP = WM_APP + 0x51;

    // The first step is queued behind everything the initialisation queued.
    BOOL OnInitDialog() override
    {
        if (m_fnInit)
            m_fnInit();
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

// Runs fnOpen, answering every other dialog of this thread it opens (a prompt, the About box, the settings
// dialog) with nCommand once painted: from a thread timer that the dialog's own loop dispatches, so only once
// it runs. The dialogs answered, or -1 when one was still open ten seconds on (and then cancelled).
inline int AnswerDialogs(HWND hWndOwn, const std::function<void()>& fnOpen, WPARAM nCommand = IDOK)
{
    static struct { HWND hWndOwn, hWndLast; WPARAM nCommand; int nAnswered; DWORD nStart; bool bMissed; } s;
    s = {hWndOwn, nullptr, nCommand, 0, ::GetTickCount(), false};
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) {
        ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM) -> BOOL {
            if (hWnd == s.hWndOwn || ::GetClassLongA(hWnd, GCW_ATOM) != 32770 || !::IsWindowVisible(hWnd))
                return TRUE;
            if (hWnd != s.hWndLast)
            {
                s.hWndLast = hWnd;
                ++s.nAnswered;
                ::UpdateWindow(hWnd);
                ::PostMessageA(hWnd, WM_COMMAND, s.nCommand, 0);
            }
            else if (::GetTickCount() - s.nStart > 10000)
            {
                s.bMissed = true;
                ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
            }
            return TRUE;
        }, 0);
    });
    fnOpen();
    ::KillTimer(nullptr, nTimer);
    return s.bMissed ? -1 : s.nAnswered;
}

// The process set up as the program's entry point sets it up: one application object, this module holding the
// resources; and no settings key left by an earlier run (the main window reads it at start, writes each move).
struct CProgramProcess : ::testing::Environment
{
    void SetUp() override
    {
        AfxSetInstanceHandle(::GetModuleHandleA(nullptr));
        AfxSetResourceHandle(::GetModuleHandleA(nullptr));
        TearDown();
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, SETTINGS_KEY_PATH); }
};
inline CWinApp theApp;
inline const auto* const g_pProgramProcess = ::testing::AddGlobalTestEnvironment(new CProgramProcess);
