// The platform dialog's modal run, on the About box: how it ends, and that
// nothing of the window outlives it.
#include "AboutDlg.h"
#include "LiveDialog.h"

namespace {

class CLiveAboutDlg : public CLiveDialog<CAboutDlg>
{
public:
    bool m_bEndWhileInitialising = false; // EndDialog inside OnInitDialog
    HWND m_hWndCreated = nullptr;          // the window the run made

protected:
    BOOL OnInitDialog() override
    {
        m_hWndCreated = m_hWnd;
        BOOL bFocusFirst = CLiveDialog<CAboutDlg>::OnInitDialog();
        if (m_bEndWhileInitialising)
            EndDialog(IDOK);
        return bFocusFirst;
    }
};

const struct
{
    const char* pszName;
    bool bEndWhileInitialising, bQuitWhileRunning; // else a step ends it
    INT_PTR nResult;
} ENDINGS[] = {
    {"ended from its loop", false, false, IDCANCEL},
    {"ended while it initialises", true, false, IDOK},
    {"the program quits while it runs", false, true, -1},
};

TEST(ModalLoop, EndsAndLeavesNoWindowBehind)
{
    for (const auto& row : ENDINGS)
    {
        CLiveAboutDlg dlg;
        dlg.m_bEndWhileInitialising = row.bEndWhileInitialising;
        dlg.Then([&] {
            if (row.bQuitWhileRunning)
                ::PostQuitMessage(7);
            else
                dlg.EndDialog(IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), row.nResult) << row.pszName;

        // The quit is left for the loops outside this one.
        MSG msg = {};
        EXPECT_EQ(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, row.bQuitWhileRunning);
        EXPECT_EQ(msg.wParam, row.bQuitWhileRunning ? 7u : 0u) << row.pszName;

        ASSERT_NE(dlg.m_hWndCreated, nullptr) << row.pszName;
        EXPECT_FALSE(::IsWindow(dlg.m_hWndCreated)) << row.pszName;
        EXPECT_EQ(dlg.m_hWnd, nullptr) << row.pszName;
        EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWndCreated), nullptr) << row.pszName;
    }
}

} // namespace
