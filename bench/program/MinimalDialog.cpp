// minimal_dialog.exe: the least a dialog program can be, for program_bench to
// weigh Varnok against. Plain Win32, one modal dialog from its template with
// an edit and a button; Escape, IDCANCEL or WM_CLOSE end it.
#include <windows.h>

#include "MinimalDialog.h"

namespace {

// The dialog manager does everything else.
INT_PTR CALLBACK MinimalDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    switch (message)
    {
    case WM_INITDIALOG:
        return TRUE; // focus to the edit, the first tab stop
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL)
        {
            ::EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        ::EndDialog(hDlg, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_MINIMAL), nullptr,
                                              &MinimalDialogProc, 0));
}
