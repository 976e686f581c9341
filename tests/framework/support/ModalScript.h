// Drives a modal dialog from inside its own message loop. A thread timer runs
// the steps one after another while DoModal keeps dispatching; a waiting step
// is tried again on every tick until its condition holds or its deadline has
// passed. Nothing sleeps: the dialog's loop runs between the ticks.
#pragma once
#include <Afxwin.h>

#include <functional>
#include <string>
#include <vector>

class CModalScript
{
public:
    // What DoModal returns when the script had to end a dialog that did not end.
    static constexpr int kTimedOut = -2;

    // A step run once, in order.
    CModalScript& Do(std::function<void()> fnAction);
    // A step that holds the script until fnCondition is true; after nTimeoutMs
    // the test fails naming szWhat and the dialog ends with kTimedOut.
    CModalScript& WaitUntil(std::string what, std::function<bool()> fnCondition, DWORD nTimeoutMs = 5000);

    // Runs dlg modally under this script: what DoModal returned. The test fails
    // when steps are left when the dialog ends, or when the dialog is still
    // running nLimitMs after the last step.
    INT_PTR Run(CDialog& dlg, DWORD nLimitMs = 5000);

private:
    struct Step
    {
        std::function<void()> fnAction;    // set for a plain step
        std::function<bool()> fnCondition; // set for a waiting step
        std::string what;
        DWORD nTimeoutMs;
    };

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void Tick();
    void Abandon(const std::string& why);

    std::vector<Step> m_steps;
    size_t m_nNext = 0;           // the step to run on the next tick
    DWORD m_nWaitStart = 0;       // GetTickCount when the current wait began
    bool m_bWaiting = false;      // m_nNext is a wait that has begun
    bool m_bInTick = false;       // a step is running (it may pump messages itself)
    bool m_bAbandoned = false;
    DWORD m_nDoneAt = 0;          // GetTickCount when the last step finished
    DWORD m_nLimitMs = 0;
    CDialog* m_pDialog = nullptr;
};

// Runs the window's queued and sent messages until fnCondition holds or
// nTimeoutMs has passed, for code that waits outside any modal loop; whether
// the condition held.
bool PumpUntil(std::function<bool()> fnCondition, DWORD nTimeoutMs = 5000);
