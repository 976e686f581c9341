// One WM_PAINT of a skinned window's labels: each text drawn over the
// background into the box of a hidden static control.
#pragma once
#include "PaintedText.h"
#include <Afxwin.h>

// Made in the paint handler: creates the label font (a 9-point font of the
// face of the window's own template font), begins painting, which erases the
// background, and selects the label style (transparent background, the label
// colour, the label font). EndLabels selects the previous font back and
// deletes the label font while the paint stays open; the destructor ends
// the labels if that has not happened, then ends painting.
class CLabelPaint
{
public:
    explicit CLabelPaint(CWnd* pWnd);
    ~CLabelPaint();

    CLabelPaint(const CLabelPaint&) = delete;
    CLabelPaint& operator=(const CLabelPaint&) = delete;

    // Draws pszText from the top-left corner of control nIDBox, unclipped.
    void DrawInBox(UINT nIDBox, LPCSTR pszText);
    // Each label into its box, in order.
    void DrawLabels(const std::vector<CPaintedLabel>& labels);
    void EndLabels();

    // The program's string nID; empty, so drawing nothing, where the table lacks it.
    static CString LoadLabelString(UINT nID);

    static const COLORREF LABEL_COLOR = RGB(10, 0, 100);
    static const UINT LABEL_FORMAT = DT_LEFT | DT_VCENTER | DT_NOCLIP; // no DT_SINGLELINE: DT_VCENTER does nothing

private:
    static BOOL CreateLabelFont(CWnd* pWnd, CFont& font);

    CWnd* m_pWnd;
    CFont m_font;             // made before the paint begins
    BOOL m_bFont;             // m_font was made; declared before m_dc, so made before the paint begins
    CPaintDC m_dc;
    CFont* m_pOldFont;        // the font the label font replaced; null when none was selected
    BOOL m_bLabels;           // TRUE until EndLabels
};
