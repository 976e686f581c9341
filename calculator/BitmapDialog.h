// A caption-less dialog whose whole face is a bitmap: painted in one of five
// modes, dragged by any point, cut to the bitmap's shape by a colour key.
#pragma once
#include "BackgroundPlan.h"
#include "WindowPlacement.h"
#include <Afxwin.h>

#include <functional>

typedef BOOL(WINAPI* PFN_SET_LAYERED_WINDOW_ATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);

// SetLayeredWindowAttributes of the platform, or null where it lacks it.
extern PFN_SET_LAYERED_WINDOW_ATTRIBUTES g_pfnSetLayeredWindowAttributes;

class CBitmapDialog : public CDialog, public CBackgroundMode
{
public:
    CBitmapDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CBitmapDialog() override;

    void SetDraggable(BOOL bDraggable);
    BOOL LoadBackground(UINT nIDResource); // the bitmap resource becomes the background
    BOOL SetBackground(HBITMAP hBitmap);   // adopts hBitmap; FALSE when its header is unreadable
    void FreeBackground();
    void SetDrawMode(int nDrawMode);
    // Makes pixels of crKey see-through (bEnable) or restores the plain window.
    BOOL SetTransparent(COLORREF crKey, BOOL bEnable);

    // The skin both windows wear: dragged by any point, background nIDBackground
    // at its own size, see-through where it is pure yellow. The window must exist.
    void LoadSkin(UINT nIDBackground);

    static const COLORREF COLOR_KEY = RGB(255, 255, 0); // the yellow outside the panels' outline

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);

    void RedrawSeeThroughControls();
    // Loads a bitmap button's faces (up, down, focus, disabled) and sizes it to its up face.
    static void LoadButton(CBitmapButton& button, UINT nIDUp, UINT nIDDown, UINT nIDFocus, UINT nIDDisabled);
    // Moves the window, at the size of rcWindow (its rectangle on the screen),
    // to the corner that fnPlace(width, height, screen width, screen height)
    // gives for the primary screen, repainting.
    void MoveOnScreen(const CRect& rcWindow, const std::function<CPlacement(int, int, int, int)>& fnPlace);

    BOOL m_bDraggable;      // a press anywhere starts a window move
    HBITMAP m_hBackground;  // owned
    UINT m_nBkWidth;        // pixels; meaningful while m_hBackground is set
    UINT m_nBkHeight;       // pixels; meaningful while m_hBackground is set
    int m_nDrawMode;        // DRAW_xxx of CBackgroundMode

    DECLARE_MESSAGE_MAP()
};
