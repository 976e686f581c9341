#include "DigitPlaces.h"

CDigitPlaces::CDigitPlaces(CWnd* const* ppPlace) : m_ppPlace(ppPlace)
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
    HGDIOBJ hPrevious = reinterpret_cast<HGDIOBJ>(
        m_ppPlace[nSlot]->SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(GetGlyph(nGlyph))));
    // The place's first image came from its template and belongs to nobody else.
    bool bOurs = false;
    for (const auto& glyph : m_glyphs)
        bOurs = bOurs || glyph.second == hPrevious;
    if (hPrevious != nullptr && !bOurs)
        ::DeleteObject(hPrevious);
}

HBITMAP CDigitPlaces::GetGlyph(UINT nGlyph)
{
    HBITMAP& hGlyph = m_glyphs[nGlyph];
    if (hGlyph == nullptr)
    {
        LPCSTR lpszName = MAKEINTRESOURCEA(nGlyph);
        hGlyph = ::LoadBitmapA(AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(2) /* RT_BITMAP */), lpszName);
    }
    return hGlyph;
}
