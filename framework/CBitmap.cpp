#include "CBitmap.h"
#include "AfxModule.h"

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    return Attach(::LoadBitmapA(hInst, lpszName));
}
