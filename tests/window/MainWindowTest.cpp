// The main window's map as it routes what reaches it, and the About entry of
// its system menu.
#include "ConverterDlg.h"
#include "LiveDialog.h"

namespace {

// A class of its own that takes the settings button's click away from the main window.
class CLiveConverterDlg : public CLiveDialog<CConverterDlg>
{
public:
    using CConverterDlg::m_result;
    int m_nOptionTaken = 0;

protected:
    void OnTakeOption() { ++m_nOptionTaken; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLiveConverterDlg, CLiveDialog<CConverterDlg>)
    ON_BN_CLICKED(IDC_OPTION, OnTakeOption) // void OnTakeOption()
END_MESSAGE_MAP()

const struct
{
    const char* pszName;
    int nID, nCode;
    const char* pszEdit;                          // the edit's text when it arrives
    bool bFromControl;
    int nPrompts;                                 // the exchange's request for a number
    bool bCalculates, bFocusesEdit;               // a calculation ends in the edit too
} ROUTES[] = {
    {"click of Calc", IDC_CALC, BN_CLICKED, "26", true, 0, true, true},
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
            HWND hWndFrom = row.bFromControl ? dlg.Item(row.nID) : nullptr;
            EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, [&] {
                          dlg.SendMessage(WM_COMMAND, MAKEWPARAM(row.nID, row.nCode), reinterpret_cast<LPARAM>(hWndFrom));
                      }),
                      row.nPrompts)
                << row.pszName;
            EXPECT_EQ(!dlg.m_result.IsBlank(), row.bCalculates) << row.pszName;
            EXPECT_EQ(::GetFocus() == dlg.Item(IDC_EDIT_WATERTEMP), row.bFocusesEdit) << row.pszName;
        }
        EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, [&] { ::SendMessageA(dlg.Item(IDC_OPTION), BM_CLICK, 0, 0); }), 0)
            << "the derived map is searched first";
        EXPECT_EQ(dlg.m_nOptionTaken, 1);

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

} // namespace
