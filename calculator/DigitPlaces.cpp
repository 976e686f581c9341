#include "DigitPlaces.h"

CDigitPlaces::CDigitPlaces(CWnd* const* ppPlace) : m_ppPlace(ppPlace), m_hShown()
{
}

CDigitPlaces::~CDigitPlaces()
{
    for (HBITMAP hBitmap : m_hShown)
    {
        if (hBitmap != nullptr)
            ::DeleteObject(hBitmap);
    }
}

bool CDigitPlaces::IsBound(int nSlot) const
{
    return m_ppPlace[nSlot] != nullptr;
}

void CDigitPlaces::SetGlyph(int nSlot, UINT nGlyph)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nGlyph);
    HBITMAP hGlyph = ::LoadBitmapA(AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(2) /* RT_BITMAP */), lpszName);
    HGDIOBJ hPrevious = reinterpret_cast<HGDIOBJ>(
        m_ppPlace[nSlot]->SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hGlyph)));
    // The place's first image came from its template; every later one is ours.
    if (hPrevious != nullptr && hPrevious != m_hShown[nSlot])
        ::DeleteObject(hPrevious);
    if (m_hShown[nSlot] != nullptr)
        ::DeleteObject(m_hShown[nSlot]);
    m_hShown[nSlot] = hGlyph;
}
