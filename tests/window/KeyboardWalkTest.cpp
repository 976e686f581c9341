// Each dialog's keyboard walk, on the program's own classes and templates in the language the process runs in: the
// control that holds the focus once it is up, then Tab after Tab round to it again.
#include "AboutDlg.h"
#include "ConverterDlg.h"
#include "LiveDialog.h"
#include "OptionDlg.h"

#include <vector>

namespace {

// The focused control's id at the first step, then after each Tab posted to it as the keyboard would, until the
// walk comes back to where it began (or fails to within twice the template's length). 0: the focus on no control.
// Nothing of the window outlives the modal run the walk ends.
template <class TDialog>
std::vector<int> TabWalk()
{
    CLiveDialog<TDialog> dlg;
    std::vector<int> walk;
    HWND hWnd = nullptr;
    std::function<void()> fnStep = [&] {
        hWnd = dlg.m_hWnd;
        HWND hWndFocus = ::GetFocus();
        walk.push_back(::GetParent(hWndFocus) == dlg.m_hWnd ? ::GetDlgCtrlID(hWndFocus) : 0);
        if ((walk.size() > 1 && walk.back() == walk.front()) || walk.size() > 40)
            return dlg.EndDialog(IDCANCEL);
        ::PostMessageA(hWndFocus, WM_KEYDOWN, VK_TAB, 1);
        dlg.Then(fnStep); // behind the key
    };
    dlg.Then(fnStep);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    return walk;
}

TEST(KeyboardWalk, FirstFocusAndTabOrderOfEveryDialog)
{
    // The edit first, to type a temperature into at once; the hidden, disabled OK is no stop.
    EXPECT_EQ(TabWalk<CConverterDlg>(), std::vector<int>({IDC_EDIT_WATERTEMP, IDC_CALC, IDC_POTENTIAL, IDC_OPTION,
                                                           IDCANCEL, IDC_EDIT_WATERTEMP}));
    // OK first (its template puts it first), then Cancel and the edits top to bottom.
    EXPECT_EQ(TabWalk<COptionDlg>(), std::vector<int>({IDOK, IDCANCEL, IDC_EDIT_SALINITY, IDC_EDIT_BASE_TEMP,
                                                        IDC_EDIT_DEPTH, IDC_EDIT_BASE_GRAVITY, IDOK}));
    EXPECT_EQ(TabWalk<CAboutDlg>(), std::vector<int>({IDOK, IDOK}));
}

} // namespace
