// The program's dialogs run in this process, for what only a live window shows: the main window's map as it routes
// what reaches it and the About entry of its system menu; the settings dialog's exchange, which a refused text stops
// with the platform's prompt, selected whole in its edit, and a long text passes read whole.
#include "ConverterDlg.h"
#include "LiveDialog.h"
#include "OptionDlg.h"

#include <string>

namespace {

struct CLiveConverterDlg : CLiveDialog<CConverterDlg>
{
    using CConverterDlg::m_result;
};

// A command with the edit's text when it arrives: the exchange's requests for a number, whether it calculates,
// whether the focus ends in the edit.
const struct { const char* pszName; int nID, nCode; const char* pszEdit; bool bFromControl; int nPrompts;
               bool bCalculates, bFocusesEdit; } ROUTES[] = {
    // The last accepted temperature is converted and shown: the display leaves its blank all the same.
    {"click of Calc on text that is no number", IDC_CALC, BN_CLICKED, "x", true, 1, true, true},
    {"Calc gains the focus (BS_NOTIFY)", IDC_CALC, BN_SETFOCUS, "26", true, 0, false, false},
    {"Ctrl+E, from the accelerator", IDC_EDIT_WATERTEMP, 1, "26", false, 0, false, true},
    {"the edit's own change", IDC_EDIT_WATERTEMP, EN_CHANGE, "26", true, 0, false, false},
};

TEST(MainWindow, RoutesClicksCommandsAndAboutCommands)
{
    CLiveConverterDlg dlg;
    // A system menu, as where the platform gives caption-less windows one.
    dlg.m_fnInit = [&] {
        ::SetWindowLongA(dlg.m_hWnd, GWL_STYLE, ::GetWindowLongA(dlg.m_hWnd, GWL_STYLE) | WS_SYSMENU);
    };
    dlg.Then([&] {
        for (const auto& row : ROUTES)
        {
            dlg.m_result = CDisplayedResult();
            ::SetDlgItemTextA(dlg.m_hWnd, IDC_EDIT_WATERTEMP, row.pszEdit);
            ::SetFocus(dlg.Item(IDCANCEL));
            const LPARAM lFrom = reinterpret_cast<LPARAM>(row.bFromControl ? dlg.Item(row.nID) : nullptr);
            auto fnSend = [&] { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(row.nID, row.nCode), lFrom); };
            EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, fnSend), row.nPrompts) << row.pszName;
            EXPECT_EQ(!dlg.m_result.IsBlank(), row.bCalculates) << row.pszName;
            EXPECT_EQ(::GetFocus() == dlg.Item(IDC_EDIT_WATERTEMP), row.bFocusesEdit) << row.pszName;
        }

        // The About entry comes last in the system menu, after a separator.
        char szAbout[256] = "", szItem[256] = "";
        ::LoadStringA(::GetModuleHandleA(nullptr), IDS_ABOUTBOX, szAbout, sizeof szAbout);
        HMENU hMenu = ::GetSystemMenu(dlg.m_hWnd, FALSE);
        UINT nLast = static_cast<UINT>(::GetMenuItemCount(hMenu) - 1);
        EXPECT_NE(::GetMenuState(hMenu, nLast - 1, MF_BYPOSITION) & MF_SEPARATOR, 0u);
        EXPECT_EQ(::GetMenuItemID(hMenu, static_cast<int>(nLast)), 0x10u);
        ::GetMenuStringA(hMenu, nLast, szItem, sizeof szItem, MF_BYPOSITION);
        EXPECT_STREQ(szItem, szAbout);
        for (UINT nCommand : {0x0Fu, 0x10u, 0x1Fu, 0x20u})
            EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, [&] { dlg.SendMessage(WM_SYSCOMMAND, nCommand, 0); }),
                      nCommand >> 4 == 1 ? 1 : 0)
                << std::hex << nCommand;
        dlg.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(OptionExchange, ARefusedTextKeepsTheDialogOpenAndALongTextIsReadWhole)
{
    CLiveDialog<COptionDlg> dlg;
    bool bStillOpen = false;
    dlg.Then([&] {
        ::SetDlgItemTextA(dlg.m_hWnd, IDC_EDIT_BASE_GRAVITY, "1.0x");
        EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, [&] { dlg.SendMessage(WM_COMMAND, IDOK, 0); }), 1);
        DWORD nStart = 1, nEnd = 0;
        ::SendMessageA(dlg.Item(IDC_EDIT_BASE_GRAVITY), EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
                       reinterpret_cast<LPARAM>(&nEnd));
        EXPECT_EQ(nStart, 0u);
        EXPECT_EQ(nEnd, 4u) << "the refused text is selected whole";
        dlg.Then([&] { // reached only while the dialog still runs
            bStillOpen = true;
            ::SetDlgItemTextA(dlg.m_hWnd, IDC_EDIT_BASE_GRAVITY, (std::string(5000, '0') + "1.5").c_str());
            EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, [&] { dlg.SendMessage(WM_COMMAND, IDOK, 0); }), 0);
        });
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bStillOpen);
    EXPECT_EQ(dlg.GetBaseGravity(), 1.5);
}

} // namespace
