// A caption-less dialog whose whole face is a bitmap: painted in one of five
// modes, dragged by any point, cut to the bitmap's shape by a colour key.
#pragma once
#include <Afxwin.h>

typedef BOOL(WINAPI* PFN_SET_LAYERED_WINDOW_ATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);

// SetLayeredWindowAttributes of the platform, or null where it lacks it.
extern PFN_SET_LAYERED_WINDOW_ATTRIBUTES g_pfnSetLayeredWindowAttributes;

class CBitmapDialog : public CDialog
{
public:
    enum
    {
        DRAW_ORIGIN = 0,  // at the client origin, unscaled
        DRAW_TILE = 1,    // repeated from the origin, row by row
        DRAW_CENTER = 2,  // centred, unscaled
        DRAW_STRETCH = 3, // stretched over the client area
        DRAW_FIT = 4,     // as DRAW_ORIGIN; the window takes the bitmap's size
    };

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

    BOOL m_bDraggable;      // a press anywhere starts a window move
    HBITMAP m_hBackground;  // owned
    UINT m_nBkWidth;        // pixels; meaningful while m_hBackground is set
    UINT m_nBkHeight;       // pixels; meaningful while m_hBackground is set
    int m_nDrawMode;        // DRAW_xxx

    DECLARE_MESSAGE_MAP()
};
