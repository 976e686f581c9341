#include "CBitmapButton.h"
#include "AfxButtonFace.h"
#include "AfxModule.h"
#include "CDC.h"

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled)
{
    const UINT nIDs[AFX_FACE_COUNT] = {nIDBitmapResource, nIDBitmapResourceSel, nIDBitmapResourceFocus,
                                       nIDBitmapResourceDisabled};
    CBitmap* faces[AFX_FACE_COUNT] = {&m_bitmap, &m_bitmapSel, &m_bitmapFocus, &m_bitmapDisabled};
    BOOL bAllFound = TRUE;
    for (int nFace = 0; nFace < AFX_FACE_COUNT; ++nFace)
    {
        faces[nFace]->DeleteObject();
        m_nIDFaces[nFace] = nIDs[nFace] != 0 && AfxHasBitmap(nIDs[nFace]) ? nIDs[nFace] : 0;
        bAllFound &= nIDs[nFace] == 0 || m_nIDFaces[nFace] != 0;
    }
    // The up face sizes the button and shows at once; the others load when first shown.
    return m_bitmap.LoadBitmap(nIDBitmapResource) && bAllFound;
}

void CBitmapButton::SizeToContent()
{
    BITMAP bm;
    if (m_bitmap.GetObject(sizeof(bm), &bm) == 0)
        return;
    SetWindowPos(nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CBitmap* faces[AFX_FACE_COUNT] = { &m_bitmap, &m_bitmapSel, &m_bitmapFocus, &m_bitmapDisabled };
    BOOL bHasFace[AFX_FACE_COUNT];
    for (int nFace = 0; nFace < AFX_FACE_COUNT; ++nFace)
        bHasFace[nFace] = faces[nFace]->m_hObject != nullptr || m_nIDFaces[nFace] != 0;
    const UINT state = lpDIS->itemState;
    const AfxButtonFace face = AfxChooseButtonFace((state & ODS_SELECTED) != 0, (state & ODS_FOCUS) != 0,
                                                   (state & ODS_DISABLED) != 0, bHasFace);
    CBitmap* pBitmap = faces[face];
    if (pBitmap->m_hObject == nullptr && m_nIDFaces[face] != 0)
        pBitmap->LoadBitmap(m_nIDFaces[face]);
    if (pBitmap->m_hObject == nullptr)
        return;

    CDC memDC;
    memDC.CreateCompatibleDC(CDC::FromHandle(lpDIS->hDC));
    HGDIOBJ hOld = memDC.SelectObject(pBitmap->m_hObject);
    const RECT& rc = lpDIS->rcItem;
    ::BitBlt(lpDIS->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, memDC.m_hDC, 0, 0, SRCCOPY);
    memDC.SelectObject(hOld);
}
