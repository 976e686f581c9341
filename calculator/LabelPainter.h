// The painted labels of the skinned windows: each text drawn over the
// background into the box of a hidden static control.
#pragma once
#include <Afxwin.h>

class CLabelPainter
{
public:
    // A 9-point font of the face of pWnd's own (template) font.
    static BOOL CreateLabelFont(CWnd* pWnd, CFont& font);
    // Transparent background, the label colour and the label font; the font it replaced.
    static CFont* SelectLabelStyle(CDC* pDC, CFont* pFont);
    // Draws pszText from the top-left corner of control nIDBox of pWnd, unclipped.
    static void DrawInBox(CWnd* pWnd, CDC* pDC, UINT nIDBox, LPCSTR pszText);

    static const COLORREF LABEL_COLOR = RGB(10, 0, 100);
    static const UINT LABEL_FORMAT = DT_LEFT | DT_VCENTER | DT_NOCLIP; // no DT_SINGLELINE: DT_VCENTER does nothing
};
