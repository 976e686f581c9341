#include "CBitmapButton.h"
#include "AfxButtonFace.h"
#include "CDC.h"

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled)
{
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();

    BOOL bAllLoaded = m_bitmap.LoadBitmap(nIDBitmapResource);
    if (nIDBitmapResourceSel != 0)
        bAllLoaded &= m_bitmapSel.LoadBitmap(nIDBitmapResourceSel);
    if (nIDBitmapResourceFocus != 0)
        bAllLoaded &= m_bitmapFocus.LoadBitmap(nIDBitmapResourceFocus);
    if (nIDBitmapResourceDisabled != 0)
        bAllLoaded &= m_bitmapDisabled.LoadBitmap(nIDBitmapResourceDisabled);
    return bAllLoaded;
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
    const CBitmap* faces[AFX_FACE_COUNT] = { &m_bitmap, &m_bitmapSel, &m_bitmapFocus, &m_bitmapDisabled };
    BOOL bHasFace[AFX_FACE_COUNT];
    for (int nFace = 0; nFace < AFX_FACE_COUNT; ++nFace)
        bHasFace[nFace] = faces[nFace]->m_hObject != nullptr;
    const UINT state = lpDIS->itemState;
    const CBitmap* pBitmap = faces[AfxChooseButtonFace((state & ODS_SELECTED) != 0, (state & ODS_FOCUS) != 0,
                                                       (state & ODS_DISABLED) != 0, bHasFace)];
    if (pBitmap->m_hObject == nullptr)
        return;

    CDC memDC;
    memDC.CreateCompatibleDC(CDC::FromHandle(lpDIS->hDC));
    HGDIOBJ hOld = memDC.SelectObject(pBitmap->m_hObject);
    const RECT& rc = lpDIS->rcItem;
    ::BitBlt(lpDIS->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, memDC.m_hDC, 0, 0, SRCCOPY);
    memDC.SelectObject(hOld);
}
