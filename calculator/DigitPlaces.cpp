#include "DigitPlaces.h"
#include "resource.h"

// The places start with the blank glyph of the template: the first blank display changes none of them.
CDigitPlaces::CDigitPlaces(CWnd* const* ppPlace) : m_ppPlace(ppPlace), m_nChosen()
{
    for (int nSlot = 0; nSlot < PLACES; ++nSlot)
    {
        m_nShown[nSlot] = IDB_GLYPH_BLANK;
        m_bTemplateImage[nSlot] = true;
    }
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
        if (m_bTemplateImage[nSlot] && hPrevious != nullptr)
            ::DeleteObject(hPrevious);
        m_bTemplateImage[nSlot] = false;
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
