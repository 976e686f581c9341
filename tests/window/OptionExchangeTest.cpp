// The settings dialog's exchange from its edits: a refused text stops it with
// the platform's prompt and keeps the dialog open; a long text is read whole.
#include "LiveDialog.h"
#include "OptionDlg.h"
#include "resource.h"

#include <string>

namespace {

// In the order of the exchange, the refused text second.
const std::pair<int, const char*> TEXTS[] = {
    {IDC_EDIT_BASE_TEMP, "20"}, {IDC_EDIT_BASE_GRAVITY, "1.0x"}, {IDC_EDIT_DEPTH, "7"}, {IDC_EDIT_SALINITY, "33"}};

class CLiveOptionDlg : public CLiveDialog<COptionDlg>
{
public:
    using COptionDlg::OnOK;
    using COptionDlg::m_dEditBaseTemp;
    using COptionDlg::m_dEditDepth;
    using COptionDlg::m_dEditSalinity;
};

TEST(OptionExchange, ARefusedTextKeepsTheDialogOpenAndALongTextIsReadWhole)
{
    CLiveOptionDlg dlg;
    dlg.SetBaseTemp(1.0);
    dlg.SetWaterDepth(3.0);
    dlg.SetSalinity(4.0);
    bool bStillOpen = false;
    dlg.Then([&] {
        for (const auto& [nID, pszText] : TEXTS)
            ::SetDlgItemTextA(dlg.m_hWnd, nID, pszText);
        EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, [&] { dlg.OnOK(); }), 1);
        DWORD nStart = 1, nEnd = 0;
        ::SendMessageA(dlg.Item(IDC_EDIT_BASE_GRAVITY), EM_GETSEL, reinterpret_cast<WPARAM>(&nStart),
                       reinterpret_cast<LPARAM>(&nEnd));
        EXPECT_EQ(nStart, 0u);
        EXPECT_EQ(nEnd, 4u) << "the refused text is selected whole";
        EXPECT_EQ(dlg.m_dEditBaseTemp, 20.0) << "read before the refused field";
        EXPECT_EQ(dlg.m_dEditDepth, 3.0) << "left unread after it";
        EXPECT_EQ(dlg.m_dEditSalinity, 4.0) << "left unread after it";
        EXPECT_EQ(dlg.GetBaseTemp(), 1.0) << "nothing committed";

        dlg.Then([&] { // reached only while the dialog still runs
            bStillOpen = true;
            ::SetDlgItemTextA(dlg.m_hWnd, IDC_EDIT_BASE_GRAVITY, (std::string(5000, '0') + "1.5").c_str());
            EXPECT_EQ(AnswerDialogs(dlg.m_hWnd, [&] { dlg.OnOK(); }), 0);
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
