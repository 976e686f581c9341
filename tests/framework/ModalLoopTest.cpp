// The dialog's own modal loop: the owner is disabled while it runs, keys are
// offered to the dialog and its controls first, Escape, Enter and closing end
// it as a dialog should, and the window is gone when DoModal returns.
#include "FieldsDialog.h"
#include "support/MessageBoxWatcher.h"
#include "support/ModalScript.h"
#include "support/WindowTest.h"

namespace {

// A plain top-level window that can own a dialog.
class COwnerWindow
{
public:
    COwnerWindow()
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &::DefWindowProcA;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "FrameworkTestOwner";
        ::RegisterClassA(&wc); // fails harmlessly when already registered
        m_hWnd = ::CreateWindowExA(0, "FrameworkTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300,
                                   200, nullptr, nullptr, wc.hInstance, nullptr);
        m_wnd.Attach(m_hWnd);
    }
    ~COwnerWindow()
    {
        m_wnd.Detach();
        ::DestroyWindow(m_hWnd);
    }

    HWND m_hWnd;
    CWnd m_wnd; // the framework's object for it, as a parent argument
};

// lParam of a key press as the keyboard driver makes it.
LPARAM KeyDown(UINT nScanCode)
{
    return static_cast<LPARAM>(1 | (nScanCode << 16));
}

bool WasOffered(const CFieldsDlg& dlg, HWND hWnd, UINT message, WPARAM wParam)
{
    for (const CFieldsDlg::Offered& o : dlg.m_offered)
        if (o.hWnd == hWnd && o.message == message && o.wParam == wParam)
            return true;
    return false;
}

class ModalLoop : public CWindowTest
{
};

// ------------------------------------------------------------------ owner

TEST_F(ModalLoop, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter)
{
    COwnerWindow owner;
    ASSERT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    CFieldsDlg dlg(&owner.m_wnd);
    HWND hWndDlg = nullptr;
    CModalScript script;
    script.Do([&] {
        hWndDlg = dlg.m_hWnd;
        EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd));
        EXPECT_EQ(::GetWindow(dlg, GW_OWNER), owner.m_hWnd);
        EXPECT_TRUE(::IsWindowVisible(dlg));
        ::PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(script.Run(dlg), IDCANCEL);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    // The window is destroyed and the object let go of it.
    EXPECT_FALSE(::IsWindow(hWndDlg));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWndDlg), nullptr);
}

TEST_F(ModalLoop, OwnerThatWasDisabledStaysDisabled)
{
    COwnerWindow owner;
    ::EnableWindow(owner.m_hWnd, FALSE);
    CFieldsDlg dlg(&owner.m_wnd);
    CModalScript script;
    script.Do([&] { dlg.EndDialog(IDOK); });
    EXPECT_EQ(script.Run(dlg), IDOK);
    EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd));
}

TEST_F(ModalLoop, WithoutParentTheMainWindowOwnsTheDialog)
{
    COwnerWindow owner;
    CWinApp app("ModalLoopTest");
    app.m_pMainWnd = &owner.m_wnd;
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] {
        EXPECT_EQ(::GetWindow(dlg, GW_OWNER), owner.m_hWnd);
        EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd));
        dlg.EndDialog(IDCANCEL);
    });
    script.Run(dlg);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
}

TEST_F(ModalLoop, MissingTemplateReturnsMinusOneAndLeavesTheOwnerAlone)
{
    COwnerWindow owner;
    CDialog dlg(IDD_NOT_THERE, &owner.m_wnd);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
}

TEST_F(ModalLoop, TemplateThatCannotBeCreatedReturnsMinusOneAndLetsTheObjectGo)
{
    COwnerWindow owner;
    CDialog dlg(IDD_BROKEN, &owner.m_wnd);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(ModalLoop, TemplateIsFoundInTheProgramWhenTheResourceModuleLacksIt)
{
    HINSTANCE hProgram = ::GetModuleHandleA(nullptr);
    HINSTANCE hOther = ::GetModuleHandleA("ntdll.dll");
    ASSERT_EQ(::FindResourceA(hOther, MAKEINTRESOURCEA(IDD_FIELDS), MAKEINTRESOURCEA(5)), nullptr);
    AfxSetResourceHandle(hOther);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_FIELDS), MAKEINTRESOURCEA(5)), hProgram);
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] { dlg.EndDialog(IDOK); });
    EXPECT_EQ(script.Run(dlg), IDOK);
    AfxSetResourceHandle(hProgram);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_FIELDS), MAKEINTRESOURCEA(5)), hProgram);
}

// ------------------------------------------------------------------ ending

TEST_F(ModalLoop, EscapeCancelsWithoutReadingTheFields)
{
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] {
        SetItemText(dlg, IDC_FIELD1, "12.5");
        ::SetFocus(::GetDlgItem(dlg, IDC_FIELD1));
        ::PostMessageA(::GetDlgItem(dlg, IDC_FIELD1), WM_KEYDOWN, VK_ESCAPE, KeyDown(0x01));
    });
    EXPECT_EQ(script.Run(dlg), IDCANCEL);
    EXPECT_EQ(dlg.m_dField1, 0.0);
    EXPECT_EQ(dlg.m_nOnOK, 0);
}

TEST_F(ModalLoop, CloseCancels)
{
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] { ::PostMessageA(dlg, WM_CLOSE, 0, 0); });
    EXPECT_EQ(script.Run(dlg), IDCANCEL);
    EXPECT_EQ(dlg.m_nOnOK, 0);
}

TEST_F(ModalLoop, EnterRunsOnOKWhichReadsTheFieldsAndEnds)
{
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] {
        SetItemText(dlg, IDC_FIELD1, "12.5");
        SetItemText(dlg, IDC_FIELD2, "-3");
        ::SetFocus(::GetDlgItem(dlg, IDC_FIELD2));
        ::PostMessageA(::GetDlgItem(dlg, IDC_FIELD2), WM_KEYDOWN, VK_RETURN, KeyDown(0x1C));
    });
    EXPECT_EQ(script.Run(dlg), IDOK);
    EXPECT_EQ(dlg.m_nOnOK, 1);
    EXPECT_EQ(dlg.m_dField1, 12.5);
    EXPECT_EQ(dlg.m_dField2, -3.0);
}

TEST_F(ModalLoop, EnterWithABadFieldKeepsTheDialogOpenUntilItIsFixed)
{
    CFieldsDlg dlg;
    CMessageBoxWatcher* pWatcher = nullptr;
    HWND hWndField2 = nullptr;
    CModalScript script;
    script.Do([&] {
            hWndField2 = ::GetDlgItem(dlg, IDC_FIELD2);
            SetItemText(dlg, IDC_FIELD2, "twelve");
            ::SetFocus(::GetDlgItem(dlg, IDC_FIELD1));
            pWatcher = new CMessageBoxWatcher(dlg);
            ::PostMessageA(::GetDlgItem(dlg, IDC_FIELD1), WM_KEYDOWN, VK_RETURN, KeyDown(0x1C));
        })
        .WaitUntil("OnOK has run and the prompt was answered", [&] { return dlg.m_nOnOK == 1 && ::GetFocus() == hWndField2; })
        .Do([&] {
            pWatcher->Join();
            EXPECT_TRUE(pWatcher->m_bFound && pWatcher->m_bAnswered);
            EXPECT_TRUE(::IsWindowVisible(dlg)); // still running
            SetItemText(dlg, IDC_FIELD2, "12");
            ::PostMessageA(hWndField2, WM_KEYDOWN, VK_RETURN, KeyDown(0x1C));
        });
    EXPECT_EQ(script.Run(dlg), IDOK);
    delete pWatcher;
    EXPECT_EQ(dlg.m_nOnOK, 2);
    EXPECT_EQ(dlg.m_dField2, 12.0);
}

TEST_F(ModalLoop, EndDialogDuringInitialisationEndsBeforeTheLoop)
{
    class CEndsAtOnceDlg : public CFieldsDlg
    {
    public:
        BOOL OnInitDialog() override
        {
            CFieldsDlg::OnInitDialog();
            EndDialog(77);
            return TRUE;
        }
    };
    CEndsAtOnceDlg dlg;
    EXPECT_EQ(dlg.DoModal(), 77);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(ModalLoop, DialogRunsAgainAfterItEnded)
{
    CFieldsDlg dlg;
    for (int nRun = 0; nRun < 2; ++nRun)
    {
        CModalScript script;
        script.Do([&] {
            dlg.m_dField3 = nRun + 0.5;
            dlg.UpdateData(FALSE);
            ::PostMessageA(dlg, WM_COMMAND, IDOK, 0);
        });
        EXPECT_EQ(script.Run(dlg), IDOK) << "run " << nRun;
        EXPECT_EQ(dlg.m_dField3, nRun + 0.5);
    }
}

TEST_F(ModalLoop, QuitEndsTheLoopAndIsLeftForTheLoopsOutside)
{
    CFieldsDlg dlg;
    HWND hWndDlg = nullptr;
    CModalScript script;
    script.Do([&] {
        hWndDlg = dlg.m_hWnd;
        ::PostQuitMessage(5);
    });
    EXPECT_EQ(script.Run(dlg), -1);
    EXPECT_FALSE(::IsWindow(hWndDlg));
    MSG msg = {};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

// ------------------------------------------------------------------ keys

TEST_F(ModalLoop, DialogIsOfferedTheKeysOfItsControls)
{
    CFieldsDlg dlg;
    HWND hWndField1 = nullptr;
    CModalScript script;
    script.Do([&] {
            hWndField1 = ::GetDlgItem(dlg, IDC_FIELD1);
            SetItemText(dlg, IDC_FIELD1, "");
            ::SetFocus(hWndField1);
            ::PostMessageA(hWndField1, WM_KEYDOWN, VK_END, KeyDown(0x4F) | (1 << 24));
            ::PostMessageA(hWndField1, WM_CHAR, '5', KeyDown(0x06));
            ::PostMessageA(hWndField1, WM_KEYUP, VK_END, KeyDown(0x4F) | (1 << 24) | (3u << 30));
        })
        .WaitUntil("the edit shows the typed character", [&] { return ItemText(dlg, IDC_FIELD1) == CString("5"); })
        .WaitUntil("the key release was offered", [&] { return WasOffered(dlg, hWndField1, WM_KEYUP, VK_END); })
        .Do([&] {
            EXPECT_TRUE(WasOffered(dlg, hWndField1, WM_KEYDOWN, VK_END));
            EXPECT_TRUE(WasOffered(dlg, hWndField1, WM_CHAR, '5'));
            dlg.EndDialog(IDCANCEL);
        });
    script.Run(dlg);
}

TEST_F(ModalLoop, ControlIsOfferedItsKeysBeforeTheDialog)
{
    CFieldsDlg dlg;
    HWND hWndField3 = nullptr;
    CModalScript script;
    script.Do([&] {
            hWndField3 = ::GetDlgItem(dlg, IDC_FIELD3);
            SetItemText(dlg, IDC_FIELD3, "");
            ::SetFocus(hWndField3);
            ::PostMessageA(hWndField3, WM_CHAR, 'q', KeyDown(0x10)); // the control keeps this one
            ::PostMessageA(hWndField3, WM_CHAR, '8', KeyDown(0x09));
        })
        .WaitUntil("the edit shows the second character", [&] { return ItemText(dlg, IDC_FIELD3) == CString("8"); })
        .Do([&] {
            EXPECT_EQ(dlg.m_editField3.m_nEaten, 1);
            EXPECT_FALSE(WasOffered(dlg, hWndField3, WM_CHAR, 'q'));
            EXPECT_TRUE(WasOffered(dlg, hWndField3, WM_CHAR, '8'));
            dlg.EndDialog(IDCANCEL);
        });
    script.Run(dlg);
}

TEST_F(ModalLoop, KeysOfOtherWindowsAreNotOfferedToTheDialog)
{
    COwnerWindow other;
    CFieldsDlg dlg;
    CModalScript script;
    script.Do([&] {
            ::PostMessageA(other.m_hWnd, WM_KEYDOWN, 'Z', KeyDown(0x2C));
            ::PostMessageA(dlg, WM_NULL, 0, 0);
        })
        .WaitUntil("the other window's key left the queue", [&] {
            MSG msg;
            return !::PeekMessageA(&msg, other.m_hWnd, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE);
        })
        .Do([&] {
            EXPECT_FALSE(WasOffered(dlg, other.m_hWnd, WM_KEYDOWN, 'Z'));
            dlg.EndDialog(IDCANCEL);
        });
    script.Run(dlg);
}

} // namespace
