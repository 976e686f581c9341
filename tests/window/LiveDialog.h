// A dialog of the program run modally in this process, driven from inside its
// own loop: each step arrives as a posted message once the window is up, so
// it runs after every message the window had already queued. A step ends the
// dialog itself or schedules the next one; a step stopped by a fatal failure
// ends it with IDCANCEL, so a failed test never leaves the loop running.
#pragma once
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

    // Runs fnStep inside the loop once the window is up (or, from a step, next).
    void Then(std::function<void()> fnStep)
    {
        m_fnStep = std::move(fnStep);
        if (::IsWindow(m_hWnd))
            ::PostMessageA(m_hWnd, WM_STEP, 0, 0);
    }

    HWND Item(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    LRESULT Command(int nID, int nCode, HWND hWndFrom)
    {
        return ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hWndFrom));
    }

protected:
    static const UINT WM_STEP = WM_APP + 0x51;

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
    std::function<void()> m_fnStep;
};
