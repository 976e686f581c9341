// The skinned dialog base on the settings dialog's template, with its state
// readable, and the bitmaps and sizes its tests need.
#pragma once
#include "BitmapDialog.h"
#include "resource.h"

#include "support/ModalScript.h"
#include "support/WindowTest.h"

class CSkinTestDlg : public CBitmapDialog
{
public:
    CSkinTestDlg() : CBitmapDialog(IDD_OPTION_DIALOG) {}

    HBITMAP Background() const { return m_hBackground; }
    int DrawMode() const { return m_nDrawMode; }
    BOOL Draggable() const { return m_bDraggable; }
};

// Colour of pixel (x, y) of a coordinate bitmap: unique for x < 40, y < 30.
COLORREF CoordinateColor(int x, int y);
// A 32-bit bitmap of nWidth x nHeight whose pixels are CoordinateColor.
HBITMAP CreateCoordinateBitmap(int nWidth = 40, int nHeight = 30);

// Gives the window a client area of cx x cy pixels, keeping its position.
void SetClientSize(HWND hWnd, int cx, int cy);
SIZE WindowSize(HWND hWnd);

// A bitmap resource of this program as the dialog loads it.
HBITMAP LoadProgramBitmap(UINT nID);

// Whether the window has an update region (it was invalidated since the
// last paint or ValidateRect).
bool HasUpdateRegion(HWND hWnd);

class SkinnedDialog : public CWindowTest
{
protected:
    // Runs m_dlg modally with fnBody inside its loop, then cancels it.
    void RunWith(std::function<void()> fnBody);

    // Has the dialog erase itself into the canvas (first filled with
    // kUntouched); what its erase handler answered.
    LRESULT EraseInto(class CCanvas& canvas);

    static const COLORREF kUntouched;
    CSkinTestDlg m_dlg;
};
