#include "ModalScript.h"

#include <gtest/gtest.h>

namespace {
CModalScript* g_pRunning = nullptr; // the script whose dialog is running
const UINT kTickMs = 10;
} // namespace

CModalScript& CModalScript::Do(std::function<void()> fnAction)
{
    m_steps.push_back({std::move(fnAction), nullptr, std::string(), 0});
    return *this;
}

CModalScript& CModalScript::WaitUntil(std::string what, std::function<bool()> fnCondition, DWORD nTimeoutMs)
{
    m_steps.push_back({nullptr, std::move(fnCondition), std::move(what), nTimeoutMs});
    return *this;
}

INT_PTR CModalScript::Run(CDialog& dlg, DWORD nLimitMs)
{
    EXPECT_EQ(g_pRunning, nullptr) << "scripts do not nest";
    m_pDialog = &dlg;
    m_nLimitMs = nLimitMs;
    m_nNext = 0;
    m_bWaiting = false;
    m_bAbandoned = false;
    m_nDoneAt = 0;
    g_pRunning = this;
    // A thread timer: its WM_TIMER reaches OnTick through the dialog's own loop.
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, kTickMs, &CModalScript::OnTick);
    EXPECT_NE(nTimer, 0u);
    INT_PTR nResult = dlg.DoModal();
    ::KillTimer(nullptr, nTimer);
    g_pRunning = nullptr;
    if (!m_bAbandoned && m_nNext < m_steps.size())
        ADD_FAILURE() << "the dialog ended (" << nResult << ") with " << (m_steps.size() - m_nNext)
                      << " step(s) left; next: " << (m_steps[m_nNext].what.empty() ? "an action" : m_steps[m_nNext].what);
    return nResult;
}

void CALLBACK CModalScript::OnTick(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_pRunning != nullptr)
        g_pRunning->Tick();
}

void CModalScript::Tick()
{
    // A step that pumps messages (a message box) must not start the next one.
    if (m_bInTick || m_bAbandoned)
        return;
    m_bInTick = true;
    while (m_nNext < m_steps.size())
    {
        Step& step = m_steps[m_nNext];
        if (step.fnAction)
        {
            step.fnAction();
            ++m_nNext;
            continue;
        }
        if (!m_bWaiting)
        {
            m_bWaiting = true;
            m_nWaitStart = ::GetTickCount();
        }
        if (step.fnCondition())
        {
            m_bWaiting = false;
            ++m_nNext;
            continue;
        }
        if (::GetTickCount() - m_nWaitStart > step.nTimeoutMs)
            Abandon("timed out waiting until " + step.what);
        break;
    }
    if (!m_bAbandoned && m_nNext == m_steps.size())
    {
        if (m_nDoneAt == 0)
            m_nDoneAt = ::GetTickCount() | 1;
        else if (::GetTickCount() - m_nDoneAt > m_nLimitMs)
            Abandon("the dialog did not end after the last step");
    }
    m_bInTick = false;
}

void CModalScript::Abandon(const std::string& why)
{
    ADD_FAILURE() << why;
    m_bAbandoned = true;
    m_pDialog->EndDialog(kTimedOut);
}

bool PumpUntil(std::function<bool()> fnCondition, DWORD nTimeoutMs)
{
    DWORD nStart = ::GetTickCount();
    for (;;)
    {
        if (fnCondition())
            return true;
        if (::GetTickCount() - nStart > nTimeoutMs)
            return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        // Wakes on the next message or after a short while to test again.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
