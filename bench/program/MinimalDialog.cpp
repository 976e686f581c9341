// minimal_dialog.exe: the least a dialog program can be, for program_bench to
// weigh Varnok against. One modal dialog from its template (an edit and a
// button); IDCANCEL or WM_CLOSE end it.
#include <windows.h>

namespace {

// The dialog manager does the rest.
INT_PTR CALLBACK MinimalDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL))
        return ::EndDialog(hDlg, IDCANCEL);
    return message == WM_INITDIALOG; // focus to the edit, the first tab stop
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(100), nullptr, &MinimalDialogProc, 0));
}
