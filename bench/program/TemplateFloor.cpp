// template_floor.exe: Varnok's main template shown by a bare dialog procedure,
// for program_bench to weigh Varnok's start-up against what its template costs
// alone: the same twenty controls in the same font, with none of Varnok's
// skin, settings, library or framework. Its caption names it; IDCANCEL or
// WM_CLOSE end it.
#include "resource.h"

#include <windows.h>

namespace {

INT_PTR CALLBACK TemplateFloorProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
    {
        ::SetWindowTextA(hDlg, "TemplateFloor");
        return TRUE; // focus to the edit, the first tab stop
    }
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL))
        return ::EndDialog(hDlg, IDCANCEL);
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(
        ::DialogBoxParamA(hInstance, MAKEINTRESOURCEA(IDD_CONVERTER_DIALOG), nullptr, &TemplateFloorProc, 0));
}
