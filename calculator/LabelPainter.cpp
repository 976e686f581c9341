#include "LabelPainter.h"

BOOL CLabelPainter::CreateLabelFont(CWnd* pWnd, CFont& font)
{
    LOGFONTA logFont;
    CFont* pWindowFont = pWnd->GetFont();
    if (pWindowFont == nullptr || pWindowFont->GetObject(sizeof(logFont), &logFont) == 0)
        return FALSE;
    return font.CreatePointFont(90, logFont.lfFaceName);
}

CFont* CLabelPainter::SelectLabelStyle(CDC* pDC, CFont* pFont)
{
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(LABEL_COLOR);
    // Without a label font the texts are drawn in the context's current one.
    return pFont->m_hObject != nullptr ? pDC->SelectObject(pFont) : nullptr;
}

void CLabelPainter::DrawInBox(CWnd* pWnd, CDC* pDC, UINT nIDBox, LPCSTR pszText)
{
    CWnd* pBox = pWnd->GetDlgItem(static_cast<int>(nIDBox));
    if (pBox == nullptr)
        return;
    CRect rcBox;
    pBox->GetWindowRect(rcBox);
    pWnd->ScreenToClient(rcBox);
    pDC->DrawText(pszText, -1, rcBox, LABEL_FORMAT);
}
