#include "CBitmapButton.h"
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
    const CBitmap* pBitmap = &m_bitmap;
    UINT state = lpDIS->itemState;
    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject != nullptr)
        pBitmap = &m_bitmapSel;
    else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject != nullptr)
        pBitmap = &m_bitmapFocus;
    else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject != nullptr)
        pBitmap = &m_bitmapDisabled;
    if (pBitmap->m_hObject == nullptr)
        return;

    CDC memDC;
    memDC.CreateCompatibleDC(CDC::FromHandle(lpDIS->hDC));
    HGDIOBJ hOld = memDC.SelectObject(pBitmap->m_hObject);
    const RECT& rc = lpDIS->rcItem;
    ::BitBlt(lpDIS->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, memDC.m_hDC, 0, 0, SRCCOPY);
    memDC.SelectObject(hOld);
}
