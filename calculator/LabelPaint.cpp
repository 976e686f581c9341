#include "LabelPaint.h"

CLabelPaint::CLabelPaint(CWnd* pWnd)
    : m_pWnd(pWnd),
      m_bFont(CreateLabelFont(pWnd, m_font)),
      m_dc(pWnd),
      m_pOldFont(nullptr),
      m_bLabels(TRUE)
{
    m_dc.SetBkMode(TRANSPARENT);
    m_dc.SetTextColor(LABEL_COLOR);
    // Without a label font the texts are drawn in the context's current one.
    if (m_bFont)
        m_pOldFont = m_dc.SelectObject(&m_font);
}

CLabelPaint::~CLabelPaint()
{
    EndLabels();
}

BOOL CLabelPaint::CreateLabelFont(CWnd* pWnd, CFont& font)
{
    LOGFONTA logFont;
    CFont* pWindowFont = pWnd->GetFont();
    if (pWindowFont == nullptr || pWindowFont->GetObject(sizeof(logFont), &logFont) == 0)
        return FALSE;
    return font.CreatePointFont(90, logFont.lfFaceName);
}

void CLabelPaint::DrawInBox(UINT nIDBox, LPCSTR pszText)
{
    CWnd* pBox = m_pWnd->GetDlgItem(static_cast<int>(nIDBox));
    if (pBox == nullptr)
        return;
    CRect rcBox;
    pBox->GetWindowRect(rcBox);
    m_pWnd->ScreenToClient(rcBox);
    m_dc.DrawText(pszText, -1, rcBox, LABEL_FORMAT);
}

void CLabelPaint::DrawLabels(const std::vector<CPaintedLabel>& labels)
{
    for (const CPaintedLabel& label : labels)
        DrawInBox(label.nIDBox, label.strText);
}

CString CLabelPaint::LoadLabelString(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

void CLabelPaint::EndLabels()
{
    if (!m_bLabels)
        return;
    m_bLabels = FALSE;
    if (m_pOldFont != nullptr)
        m_dc.SelectObject(m_pOldFont);
    m_font.DeleteObject();
}
