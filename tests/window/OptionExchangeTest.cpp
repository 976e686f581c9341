// The settings dialog's exchange from its edits: a refused text stops it
// with the platform's prompt and keeps the dialog open; a long text is read
// whole.
#include "LiveDialog.h"
#include "OptionDlg.h"

#include <string>

namespace {

const int EDIT_SALINITY = 1000;
const int EDIT_DEPTH = 1002;
const int EDIT_BASE_GRAVITY = 1004;
const int EDIT_BASE_TEMP = 1006;

class CLiveOptionDlg : public CLiveDialog<COptionDlg>
{
public:
    using COptionDlg::OnOK;
    using COptionDlg::m_dEditBaseTemp;
    using COptionDlg::m_dEditDepth;
    using COptionDlg::m_dEditSalinity;
};

// Answers each prompt owned by hWndOwner with Enter once its button has taken
// the focus; a prompt that never takes it is closed at the deadline.
class CPromptAnswerer
{
public:
    explicit CPromptAnswerer(HWND hWndOwner)
    {
        s_hWndOwner = hWndOwner;
        s_nAnswered = 0;
        s_hWndAnswered = nullptr;
        s_bMissedDeadline = false;
        m_hHook = ::SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, ::GetCurrentThreadId());
        m_nDeadline = ::SetTimer(nullptr, 0, 10000, &OnDeadline);
    }
    ~CPromptAnswerer()
    {
        ::KillTimer(nullptr, m_nDeadline);
        ::UnhookWindowsHookEx(m_hHook);
    }
    static int Answered() { return s_bMissedDeadline ? -1 : s_nAnswered; }

private:
    static HWND Prompt(HWND hWnd)
    {
        HWND hWndRoot = ::GetAncestor(hWnd, GA_ROOT);
        char szClass[16] = "";
        ::GetClassNameA(hWndRoot, szClass, sizeof szClass);
        bool bPrompt = std::string(szClass) == "#32770" && ::GetWindow(hWndRoot, GW_OWNER) == s_hWndOwner;
        return bPrompt ? hWndRoot : nullptr;
    }
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam)
    {
        // Posted now, handled by the prompt's own loop once the focus has moved.
        HWND hWndPrompt = nCode == HCBT_SETFOCUS ? Prompt(reinterpret_cast<HWND>(wParam)) : nullptr;
        if (hWndPrompt != nullptr && hWndPrompt != s_hWndAnswered)
        {
            s_hWndAnswered = hWndPrompt;
            ++s_nAnswered;
            ::PostMessageA(reinterpret_cast<HWND>(wParam), WM_KEYDOWN, VK_RETURN, 0x001C0001);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }
    static BOOL CALLBACK CloseLatePrompt(HWND hWnd, LPARAM)
    {
        if (Prompt(hWnd) == hWnd && ::IsWindowVisible(hWnd))
        {
            s_bMissedDeadline = true;
            ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    static void CALLBACK OnDeadline(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EnumThreadWindows(::GetCurrentThreadId(), &CloseLatePrompt, 0);
    }

    static HWND s_hWndOwner;
    static HWND s_hWndAnswered;
    static int s_nAnswered;
    static bool s_bMissedDeadline;
    HHOOK m_hHook;
    UINT_PTR m_nDeadline;
};

HWND CPromptAnswerer::s_hWndOwner = nullptr;
HWND CPromptAnswerer::s_hWndAnswered = nullptr;
int CPromptAnswerer::s_nAnswered = 0;
bool CPromptAnswerer::s_bMissedDeadline = false;

TEST(OptionExchange, ARefusedTextKeepsTheDialogOpenAndALongTextIsReadWhole)
{
    CLiveOptionDlg dlg;
    dlg.SetBaseTemp(1.0);
    dlg.SetBaseGravity(2.0);
    dlg.SetWaterDepth(3.0);
    dlg.SetSalinity(4.0);
    bool bStillOpen = false;
    dlg.Then([&] {
        ::SetDlgItemTextA(dlg.m_hWnd, EDIT_BASE_TEMP, "20");
        ::SetDlgItemTextA(dlg.m_hWnd, EDIT_BASE_GRAVITY, "1.0x");
        ::SetDlgItemTextA(dlg.m_hWnd, EDIT_DEPTH, "7");
        ::SetDlgItemTextA(dlg.m_hWnd, EDIT_SALINITY, "33");
        {
            CPromptAnswerer prompt(dlg.m_hWnd);
            dlg.OnOK();
            EXPECT_EQ(prompt.Answered(), 1) << "one prompt, answered once it had the focus";
        }
        EXPECT_EQ(::GetFocus(), dlg.Item(EDIT_BASE_GRAVITY));
        DWORD nStart = 0, nEnd = 0;
        ::SendMessageA(dlg.Item(EDIT_BASE_GRAVITY), EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
                       reinterpret_cast<LPARAM>(&nEnd));
        EXPECT_EQ(nStart, 0u);
        EXPECT_EQ(nEnd, 4u) << "the refused text is selected whole";
        EXPECT_EQ(dlg.m_dEditBaseTemp, 20.0) << "read before the refused field";
        EXPECT_EQ(dlg.m_dEditDepth, 3.0) << "left unread after it";
        EXPECT_EQ(dlg.m_dEditSalinity, 4.0) << "left unread after it";
        EXPECT_EQ(dlg.GetBaseTemp(), 1.0) << "nothing committed";

        dlg.Then([&] { // reached only while the dialog still runs
            bStillOpen = true;
            ::SetDlgItemTextA(dlg.m_hWnd, EDIT_BASE_GRAVITY, (std::string(5000, '0') + "1.5").c_str());
            CPromptAnswerer prompt(dlg.m_hWnd);
            dlg.OnOK();
            EXPECT_EQ(prompt.Answered(), 0);
        });
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(dlg.GetBaseTemp(), 20.0);
    EXPECT_EQ(dlg.GetBaseGravity(), 1.5);
    EXPECT_EQ(dlg.GetWaterDepth(), 7.0);
    EXPECT_EQ(dlg.GetSalinity(), 33.0);
}

} // namespace
