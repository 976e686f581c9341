#include "CBitmap.h"
#include "AfxModule.h"

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(AfxLoadBitmap(nIDResource));
}
