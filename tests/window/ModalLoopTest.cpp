// The platform dialog's modal run, on the About box: how it ends, and that
// nothing of the window outlives it.
#include "AboutDlg.h"
#include "LiveDialog.h"

namespace {

const struct
{
    const char* pszName;
    bool bEndWhileInitialising, bQuitWhileRunning; // else a step ends it
    INT_PTR nResult;
} ENDINGS[] = {
    {"ended while it initialises", true, false, IDOK},
    {"the program quits while it runs", false, true, -1},
};

TEST(ModalLoop, EndsAndLeavesNoWindowBehind)
{
    for (const auto& row : ENDINGS)
    {
        CLiveDialog<CAboutDlg> dlg;
        HWND hWndCreated = nullptr;
        dlg.m_fnInit = [&] {
            hWndCreated = dlg.m_hWnd;
            if (row.bEndWhileInitialising)
                dlg.EndDialog(IDOK);
        };
        dlg.Then([&] { row.bQuitWhileRunning ? ::PostQuitMessage(7) : dlg.EndDialog(IDCANCEL); });
        EXPECT_EQ(dlg.DoModal(), row.nResult) << row.pszName;

        // The quit is left for the loops outside this one.
        MSG msg = {};
        EXPECT_EQ(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE, row.bQuitWhileRunning);
        EXPECT_EQ(msg.wParam, row.bQuitWhileRunning ? 7u : 0u) << row.pszName;
        EXPECT_FALSE(::IsWindow(hWndCreated)) << row.pszName;
        EXPECT_EQ(dlg.m_hWnd, nullptr) << row.pszName;
        EXPECT_EQ(CWnd::FromHandlePermanent(hWndCreated), nullptr) << row.pszName;
    }
}

} // namespace
