// Data exchange on a running dialog: numbers shown with fifteen digits, text
// read back as numbers, the prompt for text that is no number, check boxes
// both ways and controls bound once.
#include "FieldsDialog.h"
#include "support/MessageBoxWatcher.h"
#include "support/ModalScript.h"
#include "support/WindowTest.h"

#include <string>

namespace {

// 数値を入力してください。 ("Please enter a number."), as UTF-16.
const wchar_t kPrompt[] = L"\u6570\u5024\u3092\u5165\u529b\u3057\u3066\u304f\u3060\u3055\u3044\u3002";

std::wstring Widen(const char* psz)
{
    wchar_t wsz[MAX_PATH] = L"";
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, wsz, MAX_PATH);
    return wsz;
}

class DataExchange : public CWindowTest
{
};

TEST_F(DataExchange, OpeningShowsTheMembers)
{
    CFieldsDlg dlg;
    dlg.m_dField1 = 1.024;
    dlg.m_dField2 = 1e-5;
    dlg.m_dField3 = -273.15;
    dlg.m_nCheck = 1;
    CModalScript script;
    script.Do([&] {
        EXPECT_STREQ(ItemText(dlg, IDC_FIELD1), "1.024");
        EXPECT_STREQ(ItemText(dlg, IDC_FIELD2), "1e-05");
        EXPECT_STREQ(ItemText(dlg, IDC_FIELD3), "-273.15");
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_CHECK), static_cast<UINT>(BST_CHECKED));
        dlg.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(script.Run(dlg), IDCANCEL);
}

TEST_F(DataExchange, ShowingWritesTheShortestTextThatReadsBack)
{
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] {
        dlg.m_dField1 = 0.1 + 0.2;
        dlg.m_dField2 = 1e300;
        dlg.m_dField3 = 2.0 / 3.0;
        dlg.m_nCheck = 0;
        dlg.UpdateData(FALSE);
        EXPECT_STREQ(ItemText(dlg, IDC_FIELD1), "0.30000000000000004");
        EXPECT_STREQ(ItemText(dlg, IDC_FIELD2), "1e+300");
        EXPECT_STREQ(ItemText(dlg, IDC_FIELD3), "0.6666666666666666");
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_CHECK), static_cast<UINT>(BST_UNCHECKED));
        dlg.EndDialog(IDCANCEL);
    });
    script.Run(dlg);
}

TEST_F(DataExchange, SavingReadsEveryField)
{
    CFieldsDlg dlg;
    BOOL bResult = FALSE;
    CModalScript script;
    script.Do([&] {
        SetItemText(dlg, IDC_FIELD1, " 3.5 ");
        SetItemText(dlg, IDC_FIELD2, "-2e3");
        SetItemText(dlg, IDC_FIELD3, ".5");
        ::SendMessageA(::GetDlgItem(dlg, IDC_CHECK), BM_CLICK, 0, 0); // the user ticks the box
        bResult = dlg.UpdateData(TRUE);
        dlg.EndDialog(IDCANCEL);
    });
    script.Run(dlg);
    EXPECT_TRUE(bResult);
    EXPECT_EQ(dlg.m_dField1, 3.5);
    EXPECT_EQ(dlg.m_dField2, -2000.0);
    EXPECT_EQ(dlg.m_dField3, 0.5);
    EXPECT_EQ(dlg.m_nCheck, 1);
}

TEST_F(DataExchange, LongFieldTextIsReadWhole)
{
    CFieldsDlg dlg;
    BOOL bResult = FALSE;
    CModalScript script;
    script.Do([&] {
        SetItemText(dlg, IDC_FIELD1, (std::string(5000, ' ') + "7.25" + std::string(4000, ' ')).c_str());
        SetItemText(dlg, IDC_FIELD2, ("0." + std::string(9000, '0') + "1").c_str()); // underflows to zero
        SetItemText(dlg, IDC_FIELD3, (std::string(9000, '0') + "42").c_str());
        bResult = dlg.UpdateData(TRUE);
        dlg.EndDialog(IDCANCEL);
    });
    dlg.m_dField2 = -1.0;
    script.Run(dlg);
    EXPECT_TRUE(bResult);
    EXPECT_EQ(dlg.m_dField1, 7.25);
    EXPECT_EQ(dlg.m_dField2, 0.0);
    EXPECT_EQ(dlg.m_dField3, 42.0);
}

TEST_F(DataExchange, CheckBoxBothWays)
{
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] {
        dlg.m_nCheck = 1;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_CHECK), static_cast<UINT>(BST_CHECKED));
        ::SendMessageA(::GetDlgItem(dlg, IDC_CHECK), BM_CLICK, 0, 0);
        EXPECT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nCheck, 0);
        ::SendMessageA(::GetDlgItem(dlg, IDC_CHECK), BM_CLICK, 0, 0);
        EXPECT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(dlg.m_nCheck, 1);
        dlg.m_nCheck = 0;
        dlg.UpdateData(FALSE);
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_CHECK), static_cast<UINT>(BST_UNCHECKED));
        dlg.EndDialog(IDCANCEL);
    });
    script.Run(dlg);
}

// Saves with a bad second field: what the user is shown and what is kept.
struct RejectedPass
{
    BOOL bResult = TRUE;
    HWND hWndFocus = nullptr;
    HWND hWndBadField = nullptr;
    DWORD nSelection = 0;
    bool bFound = false;
    bool bAnswered = false;
    std::wstring caption;
    std::wstring text;
    bool bHasOkButton = false;
};

RejectedPass SaveWithSecondField(CFieldsDlg& dlg, const char* pszBadText)
{
    RejectedPass pass;
    CModalScript script;
    script.Do([&] {
        SetItemText(dlg, IDC_FIELD1, "2.5");
        SetItemText(dlg, IDC_FIELD2, pszBadText);
        SetItemText(dlg, IDC_FIELD3, "7");
        ::SendMessageA(::GetDlgItem(dlg, IDC_CHECK), BM_CLICK, 0, 0);
        ::SetFocus(::GetDlgItem(dlg, IDC_FIELD1));
        CMessageBoxWatcher watcher(dlg);
        pass.bResult = dlg.UpdateData(TRUE);
        pass.hWndFocus = ::GetFocus();
        pass.hWndBadField = ::GetDlgItem(dlg, IDC_FIELD2);
        pass.nSelection = static_cast<DWORD>(::SendMessageA(::GetDlgItem(dlg, IDC_FIELD2), EM_GETSEL, 0, 0));
        watcher.Join();
        pass.bFound = watcher.m_bFound;
        pass.bAnswered = watcher.m_bAnswered;
        pass.caption = watcher.m_caption;
        pass.text = watcher.m_text;
        pass.bHasOkButton = watcher.m_bHasOkButton;
        dlg.EndDialog(IDCANCEL);
    });
    script.Run(dlg);
    return pass;
}

TEST_F(DataExchange, RejectedFieldPromptsFocusesItAndEndsThePass)
{
    CWinApp app("FieldsTest");
    CFieldsDlg dlg;
    dlg.m_dField2 = -1.0;
    dlg.m_dField3 = -1.0;
    RejectedPass pass = SaveWithSecondField(dlg, "abc");

    EXPECT_FALSE(pass.bResult);
    ASSERT_TRUE(pass.bFound) << "no message box owned by the dialog";
    EXPECT_TRUE(pass.bAnswered) << "Enter did not close the message box";
    EXPECT_EQ(pass.text, kPrompt);
    EXPECT_EQ(pass.caption, L"FieldsTest");
    EXPECT_TRUE(pass.bHasOkButton);
    // The bad field has the focus with its text selected.
    ASSERT_NE(pass.hWndBadField, nullptr);
    EXPECT_EQ(pass.hWndFocus, pass.hWndBadField);
    EXPECT_EQ(LOWORD(pass.nSelection), 0);
    EXPECT_EQ(HIWORD(pass.nSelection), 3);
    // The first field was read; the bad one and everything after it were not.
    EXPECT_EQ(dlg.m_dField1, 2.5);
    EXPECT_EQ(dlg.m_dField2, -1.0);
    EXPECT_EQ(dlg.m_dField3, -1.0);
    EXPECT_EQ(dlg.m_nCheck, 0);
}

TEST_F(DataExchange, EveryKindOfBadTextIsRejected)
{
    const char* const texts[] = {"", "1,5", "0x10", "1e999", "nan"};
    for (const char* pszText : texts)
    {
        CFieldsDlg dlg;
        dlg.m_dField2 = -1.0;
        RejectedPass pass = SaveWithSecondField(dlg, pszText);
        EXPECT_FALSE(pass.bResult) << "\"" << pszText << "\"";
        EXPECT_TRUE(pass.bFound && pass.bAnswered) << "\"" << pszText << "\"";
        EXPECT_EQ(pass.text, kPrompt) << "\"" << pszText << "\"";
        EXPECT_EQ(dlg.m_dField2, -1.0) << "\"" << pszText << "\"";
    }
}

TEST_F(DataExchange, WithoutApplicationTheBoxIsCaptionedWithTheProgramName)
{
    ASSERT_EQ(AfxGetApp(), nullptr);
    CFieldsDlg dlg;
    RejectedPass pass = SaveWithSecondField(dlg, "x");
    ASSERT_TRUE(pass.bFound);
    EXPECT_EQ(pass.caption, Widen(AfxGetAppName()));
    EXPECT_EQ(pass.caption, L"framework_window_tests");
}

TEST_F(DataExchange, ControlIsSubclassedOnceAcrossPasses)
{
    CFieldsDlg dlg;
    HWND hWndButton = nullptr;
    CModalScript script;
    script.Do([&] {
        hWndButton = ::GetDlgItem(dlg, IDC_FACES);
        // Bound by the exchange of the dialog's initialisation.
        EXPECT_EQ(dlg.m_btnFaces.m_hWnd, hWndButton);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWndButton), &dlg.m_btnFaces);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWndButton, GWLP_WNDPROC)), &AfxWndProc);
        dlg.UpdateData(TRUE);
        dlg.UpdateData(FALSE);
        dlg.UpdateData(TRUE);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWndButton), &dlg.m_btnFaces);
        // One message passes the object's route exactly once.
        ::SendMessageA(hWndButton, CCountingButton::WM_PROBE, 0, 0);
        EXPECT_EQ(dlg.m_btnFaces.m_nProbes, 1);
        dlg.EndDialog(IDCANCEL);
    });
    script.Run(dlg);
    // The window is gone and the object let go of it.
    EXPECT_FALSE(::IsWindow(hWndButton));
    EXPECT_EQ(dlg.m_btnFaces.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndButton), nullptr);
}

TEST_F(DataExchange, ControlIsBoundAgainInTheNextRun)
{
    CFieldsDlg dlg;
    HWND hWndFirst = nullptr;
    CModalScript first;
    first.Do([&] {
        hWndFirst = dlg.m_btnFaces.m_hWnd;
        dlg.EndDialog(IDCANCEL);
    });
    first.Run(dlg);
    ASSERT_NE(hWndFirst, nullptr);

    CModalScript second;
    second.Do([&] {
        HWND hWndButton = ::GetDlgItem(dlg, IDC_FACES);
        EXPECT_EQ(dlg.m_btnFaces.m_hWnd, hWndButton);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWndButton), &dlg.m_btnFaces);
        dlg.m_btnFaces.m_nProbes = 0;
        ::SendMessageA(hWndButton, CCountingButton::WM_PROBE, 0, 0);
        EXPECT_EQ(dlg.m_btnFaces.m_nProbes, 1);
        dlg.EndDialog(IDCANCEL);
    });
    second.Run(dlg);
}

} // namespace
