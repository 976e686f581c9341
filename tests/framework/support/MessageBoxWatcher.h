// Answers a message box that the code under test opens over a window: a
// second thread waits (with a deadline) for a dialog of class "#32770" owned
// by that window, records its caption and text, and presses Enter in it.
#pragma once
#include <windows.h>

#include <string>
#include <thread>

class CMessageBoxWatcher
{
public:
    // Starts watching for a box owned by hWndOwner.
    CMessageBoxWatcher(HWND hWndOwner, DWORD nTimeoutMs = 5000);
    ~CMessageBoxWatcher();

    // Waits for the watching thread; the results below are valid afterwards.
    void Join();

    bool m_bFound = false;     // a box appeared before the deadline
    bool m_bAnswered = false;  // Enter closed it before the deadline
    std::wstring m_caption;
    std::wstring m_text;       // the text of its message line
    bool m_bHasOkButton = false;

private:
    void Watch();

    HWND m_hWndOwner;
    DWORD m_nTimeoutMs;
    std::thread m_thread;
};
