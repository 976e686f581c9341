// Each dialog's keyboard walk where it first shows, on the program's own classes and templates in the language the
// process runs in: the control that holds the focus once it is up, then Tab after Tab round to it again.
#include "AboutDlg.h"
#include "ConverterDlg.h"
#include "LiveDialog.h"
#include "OptionDlg.h"

#include <vector>

namespace {

// The focused control's id at the first step, then after each Tab posted to it as the keyboard would, until the
// walk comes back to where it began (or fails to within twice the template's length). 0: the focus on no control.
template <class TDialog>
std::vector<int> TabWalk()
{
    CLiveDialog<TDialog> dlg;
    std::vector<int> walk;
    std::function<void()> fnStep = [&] {
        HWND hWndFocus = ::GetFocus();
        walk.push_back(::GetParent(hWndFocus) == dlg.m_hWnd ? ::GetDlgCtrlID(hWndFocus) : 0);
        if ((walk.size() > 1 && walk.back() == walk.front()) || walk.size() > 40)
        {
            dlg.EndDialog(IDCANCEL);
            return;
        }
        ::PostMessageA(hWndFocus, WM_KEYDOWN, VK_TAB, 1);
        dlg.Then(fnStep); // behind the key
    };
    dlg.Then(fnStep);
    dlg.DoModal();
    return walk;
}

const struct
{
    const char* pszName;
    std::vector<int> (*fnWalk)();
    std::vector<int> walk;
} WALKS[] = {
    // The edit first, to type a temperature into at once; the hidden, disabled OK is no stop.
    {"main window", TabWalk<CConverterDlg>, {IDC_EDIT_WATERTEMP, IDC_CALC, IDC_POTENTIAL, IDC_OPTION, IDCANCEL,
                                            IDC_EDIT_WATERTEMP}},
    // OK first (its template puts it first), then Cancel and the edits top to bottom.
    {"settings dialog", TabWalk<COptionDlg>, {IDOK, IDCANCEL, IDC_EDIT_SALINITY, IDC_EDIT_BASE_TEMP, IDC_EDIT_DEPTH,
                                             IDC_EDIT_BASE_GRAVITY, IDOK}},
    {"About box", TabWalk<CAboutDlg>, {IDOK, IDOK}},
};

TEST(KeyboardWalk, FirstFocusAndTabOrderOfEveryDialog)
{
    for (const auto& row : WALKS)
        EXPECT_EQ(row.fnWalk(), row.walk) << row.pszName;
}

} // namespace
