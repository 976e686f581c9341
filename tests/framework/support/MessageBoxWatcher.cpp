#include "MessageBoxWatcher.h"

#include <cstring>

namespace {

const DWORD kPollMs = 10;

struct FindBox
{
    HWND hWndOwner;
    HWND hBox;
};

BOOL CALLBACK FindOwnedBox(HWND hWnd, LPARAM lParam)
{
    FindBox* pFind = reinterpret_cast<FindBox*>(lParam);
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (std::strcmp(szClass, "#32770") == 0 && ::GetWindow(hWnd, GW_OWNER) == pFind->hWndOwner &&
        ::IsWindowVisible(hWnd))
    {
        pFind->hBox = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring WindowText(HWND hWnd)
{
    wchar_t sz[512] = L"";
    int nLen = ::GetWindowTextW(hWnd, sz, 512);
    return std::wstring(sz, static_cast<size_t>(nLen > 0 ? nLen : 0));
}

// The box's message: its one static control with text (the other shows the icon).
BOOL CALLBACK FindMessageText(HWND hWnd, LPARAM lParam)
{
    char szClass[16] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (_stricmp(szClass, "Static") != 0)
        return TRUE;
    std::wstring text = WindowText(hWnd);
    if (text.empty())
        return TRUE;
    *reinterpret_cast<std::wstring*>(lParam) = text;
    return FALSE;
}

} // namespace

CMessageBoxWatcher::CMessageBoxWatcher(HWND hWndOwner, DWORD nTimeoutMs)
    : m_hWndOwner(hWndOwner), m_nTimeoutMs(nTimeoutMs), m_thread(&CMessageBoxWatcher::Watch, this)
{
}

CMessageBoxWatcher::~CMessageBoxWatcher()
{
    Join();
}

void CMessageBoxWatcher::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CMessageBoxWatcher::Watch()
{
    DWORD nStart = ::GetTickCount();
    FindBox find = {m_hWndOwner, nullptr};
    while (find.hBox == nullptr && ::GetTickCount() - nStart < m_nTimeoutMs)
    {
        ::EnumWindows(&FindOwnedBox, reinterpret_cast<LPARAM>(&find));
        if (find.hBox == nullptr)
            ::Sleep(kPollMs);
    }
    if (find.hBox == nullptr)
        return;
    m_bFound = true;

    // The box fills in its controls while it initialises; wait for its text.
    while (m_text.empty() && ::GetTickCount() - nStart < m_nTimeoutMs)
    {
        ::EnumChildWindows(find.hBox, &FindMessageText, reinterpret_cast<LPARAM>(&m_text));
        if (m_text.empty())
            ::Sleep(kPollMs);
    }
    m_caption = WindowText(find.hBox);
    m_bHasOkButton = ::GetDlgItem(find.hBox, IDOK) != nullptr;

    // Enter, as a user would answer it.
    ::PostMessageW(find.hBox, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    DWORD nAnswered = ::GetTickCount();
    while (::IsWindow(find.hBox) && ::GetTickCount() - nAnswered < m_nTimeoutMs)
        ::Sleep(kPollMs);
    m_bAnswered = !::IsWindow(find.hBox);
    if (!m_bAnswered)
        ::PostMessageW(find.hBox, WM_COMMAND, IDOK, 0); // so that the test can go on and report
}
