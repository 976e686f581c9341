#include "CFont.h"
#include "CDC.h"

#include "AfxTempMap.h"

#include <cstdlib>
#include <cstring>

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC)
{
    LOGFONTA logFont;
    std::memset(&logFont, 0, sizeof(logFont));
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(logFont.lfFaceName, lpszFaceName != nullptr ? lpszFaceName : "", LF_FACESIZE - 1);

    // Tenths of a point to the device's logical units.
    HDC hDC = pDC != nullptr ? pDC->m_hDC : ::GetDC(nullptr);
    POINT pt = { 0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nPointSize, 720) };
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = { 0, 0 };
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -std::abs(pt.y - ptOrg.y);
    if (pDC == nullptr)
        ::ReleaseDC(nullptr, hDC);

    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont)
{
    return Attach(::CreateFontIndirectA(lpLogFont));
}

CFont* CFont::FromHandle(HFONT hFont)
{
    return CAfxTempMap<CFont, HFONT>::Get().FromHandle(hFont);
}

void CFont::DeleteTempMap()
{
    CAfxTempMap<CFont, HFONT>::Get().RemoveAll();
}
