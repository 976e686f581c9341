#include "DigitPlaces.h"

CDigitPlaces::CDigitPlaces(CWnd* const* ppPlace) : m_ppPlace(ppPlace), m_nChosen(), m_nShown()
{
}

// The window, and with it every place showing a glyph, is gone by now.
CDigitPlaces::~CDigitPlaces()
{
    for (const auto& glyph : m_glyphs)
        ::DeleteObject(glyph.second);
}

bool CDigitPlaces::IsBound(int nSlot) const
{
    return m_ppPlace[nSlot] != nullptr;
}

void CDigitPlaces::SetGlyph(int nSlot, UINT nGlyph)
{
    m_nChosen[nSlot] = nGlyph;
}

void CDigitPlaces::Apply()
{
    for (int nSlot = 0; nSlot < PLACES; ++nSlot)
    {
        if (!IsBound(nSlot) || m_nChosen[nSlot] == 0 || m_nChosen[nSlot] == m_nShown[nSlot])
            continue;
        HGDIOBJ hPrevious = reinterpret_cast<HGDIOBJ>(m_ppPlace[nSlot]->SendMessage(
            STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(GetGlyph(m_nChosen[nSlot]))));
        // The place's first image came from its template and belongs to nobody else.
        if (m_nShown[nSlot] == 0 && hPrevious != nullptr)
            ::DeleteObject(hPrevious);
        m_nShown[nSlot] = m_nChosen[nSlot];
    }
}

HBITMAP CDigitPlaces::GetGlyph(UINT nGlyph)
{
    HBITMAP& hGlyph = m_glyphs[nGlyph];
    if (hGlyph == nullptr)
        hGlyph = AfxLoadBitmap(nGlyph);
    return hGlyph;
}
