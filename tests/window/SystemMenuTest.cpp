// The About entry of the main window's system menu, on a window that has one.
#include "ConverterDlg.h"
#include "LiveDialog.h"

#include <string>

namespace {

const UINT ABOUT_COMMAND = 0x10;
const UINT ABOUT_TEXT = 101;

class CSystemMenuConverterDlg : public CLiveDialog<CConverterDlg>
{
protected:
    BOOL OnInitDialog() override
    {
        // As where the platform gives caption-less windows a system menu.
        ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_SYSMENU);
        return CLiveDialog<CConverterDlg>::OnInitDialog();
    }
};

// Counts the dialogs the thread opens and cancels each as it is created; its
// loop handles the cancel once it runs.
class CDialogCounter
{
public:
    CDialogCounter() : m_hHook(::SetWindowsHookExA(WH_CBT, &OnCbt, nullptr, ::GetCurrentThreadId())) { s_nOpened = 0; }
    ~CDialogCounter() { ::UnhookWindowsHookEx(m_hHook); }
    static int Opened() { return s_nOpened; }

private:
    static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam)
    {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        char szClass[16] = "";
        if (nCode == HCBT_CREATEWND && ::GetClassNameA(hWnd, szClass, sizeof szClass) > 0 &&
            std::string(szClass) == "#32770")
        {
            ++s_nOpened;
            ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        }
        return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
    }

    static int s_nOpened;
    HHOOK m_hHook;
};

int CDialogCounter::s_nOpened = 0;

TEST(SystemMenu, EndsWithTheAboutEntry)
{
    CSystemMenuConverterDlg dlg;
    dlg.Then([&] {
        char szAbout[256] = "";
        ASSERT_GT(::LoadStringA(::GetModuleHandleA(nullptr), ABOUT_TEXT, szAbout, sizeof szAbout), 0);
        HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
        ASSERT_NE(hMenu, nullptr);
        int nLast = ::GetMenuItemCount(hMenu) - 1;
        ASSERT_GE(nLast, 1);
        EXPECT_NE(::GetMenuState(hMenu, static_cast<UINT>(nLast - 1), MF_BYPOSITION) & MF_SEPARATOR, 0u);
        EXPECT_EQ(::GetMenuItemID(hMenu, nLast), ABOUT_COMMAND);
        char szItem[256] = "";
        ::GetMenuStringA(hMenu, static_cast<UINT>(nLast), szItem, sizeof szItem, MF_BYPOSITION);
        EXPECT_STREQ(szItem, szAbout);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

struct CommandRow
{
    UINT nCommand;
    bool bOpensAbout; // the low four bits are the platform's own
};

const CommandRow COMMANDS[] = {{0x0F, false}, {0x10, true}, {0x1F, true}, {0x20, false}};

TEST(SystemMenu, CommandsFrom0x10To0x1FOpenTheAboutBox)
{
    CSystemMenuConverterDlg dlg;
    dlg.Then([&] {
        for (const CommandRow& row : COMMANDS)
        {
            CDialogCounter dialogs;
            dlg.SendMessage(WM_SYSCOMMAND, row.nCommand, 0); // returns once the box has ended
            EXPECT_EQ(dialogs.Opened(), row.bOpensAbout ? 1 : 0) << std::hex << row.nCommand;
        }
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

} // namespace
