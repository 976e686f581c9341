#include "AfxButtonFace.h"

AfxButtonFace AfxChooseButtonFace(BOOL bSelected, BOOL bFocus, BOOL bDisabled,
                                  const BOOL (&bHasFace)[AFX_FACE_COUNT])
{
    if (bSelected && bHasFace[AFX_FACE_DOWN])
        return AFX_FACE_DOWN;
    if (bFocus && bHasFace[AFX_FACE_FOCUS])
        return AFX_FACE_FOCUS;
    if (bDisabled && bHasFace[AFX_FACE_DISABLED])
        return AFX_FACE_DISABLED;
    return AFX_FACE_UP;
}
