#include "MessageClock.h"
#include "BenchFigures.h"
#include "ImportTable.h"

namespace {

decltype(&::SendMessageA) g_pfnSendMessageA = nullptr;
UINT g_message = 0;   // the message timed
long g_nSends = 0;
double g_dSentMs = 0.0;

LRESULT WINAPI TimedSendMessageA(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != g_message)
        return g_pfnSendMessageA(hWnd, message, wParam, lParam);
    CStopwatch clock;
    LRESULT lResult = g_pfnSendMessageA(hWnd, message, wParam, lParam);
    g_dSentMs += clock.ElapsedMs();
    ++g_nSends;
    return lResult;
}

} // namespace

bool CMessageClock::Install(UINT message)
{
    g_message = message;
    void* pfnSystem = PatchImport(::GetModuleHandleA(nullptr), "SendMessageA", reinterpret_cast<void*>(&TimedSendMessageA));
    if (pfnSystem == nullptr)
        return false;
    g_pfnSendMessageA = reinterpret_cast<decltype(&::SendMessageA)>(pfnSystem);
    return true;
}

long CMessageClock::Sends()
{
    return g_nSends;
}

double CMessageClock::SentMs()
{
    return g_dSentMs;
}
