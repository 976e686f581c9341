// How the main window's map routes what reaches it: clicks and commands from
// the accelerators, not the other notifications of its controls; the derived
// map before the base; positions as signed numbers.
#include "ConverterDlg.h"
#include "LiveDialog.h"

namespace {

const int EDIT_WATER_TEMP = 1002;
const int CALC = 1005;

class CLiveConverterDlg : public CLiveDialog<CConverterDlg>
{
public:
    using CConverterDlg::m_bBlankDisplay;
    using CConverterDlg::m_nPosX;
    using CConverterDlg::m_nPosY;
};

struct RouteRow
{
    const char* pszName;
    int nID;
    int nCode;
    bool bFromControl;
    bool bCalculates;
    bool bFocusesEdit; // a calculation also ends with the focus in the edit
};

const RouteRow ROUTES[] = {
    {"click of Calc", CALC, BN_CLICKED, true, true, true},
    {"Enter, from the accelerator", CALC, 1, false, true, true},
    {"Calc gains the focus (BS_NOTIFY)", CALC, BN_SETFOCUS, true, false, false},
    {"Calc loses the focus (BS_NOTIFY)", CALC, BN_KILLFOCUS, true, false, false},
    {"Calc double-clicked (BS_NOTIFY)", CALC, BN_DOUBLECLICKED, true, false, false},
    {"Ctrl+E, from the accelerator", EDIT_WATER_TEMP, 1, false, false, true},
    {"the edit's own change", EDIT_WATER_TEMP, EN_CHANGE, true, false, false},
};

TEST(CommandRouting, OnlyClicksAndCommandsReachTheHandlers)
{
    CLiveConverterDlg dlg;
    dlg.Then([&] {
        for (const RouteRow& row : ROUTES)
        {
            dlg.m_bBlankDisplay = 1;
            ::SetFocus(dlg.Item(IDCANCEL));
            dlg.Command(row.nID, row.nCode, row.bFromControl ? dlg.Item(row.nID) : nullptr);
            EXPECT_EQ(dlg.m_bBlankDisplay == 0, row.bCalculates) << row.pszName;
            EXPECT_EQ(::GetFocus() == dlg.Item(EDIT_WATER_TEMP), row.bFocusesEdit) << row.pszName;
        }
        dlg.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

// A window class of its own that takes Calc's click away from the main window.
class CCalcTakenDlg : public CLiveConverterDlg
{
public:
    int m_nTaken = 0;

protected:
    void OnTakeCalc() { ++m_nTaken; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCalcTakenDlg, CLiveConverterDlg)
    ON_BN_CLICKED(CALC, OnTakeCalc) // void OnTakeCalc()
END_MESSAGE_MAP()

TEST(CommandRouting, TheDerivedMapIsSearchedBeforeItsBase)
{
    CCalcTakenDlg dlg;
    dlg.Then([&] {
        ::SendMessageA(dlg.Item(CALC), BM_CLICK, 0, 0);
        EXPECT_EQ(dlg.m_nTaken, 1);
        EXPECT_EQ(dlg.m_bBlankDisplay, 1) << "the main window's own handler ran too";
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

TEST(CommandRouting, APositionLeftOfAndAboveTheScreenArrivesNegative)
{
    CLiveConverterDlg dlg;
    dlg.Then([&] {
        dlg.SendMessage(WM_MOVE, 0, MAKELPARAM(-20, -30));
        EXPECT_EQ(dlg.m_nPosX, -20);
        EXPECT_EQ(dlg.m_nPosY, -30);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.DoModal();
}

} // namespace
