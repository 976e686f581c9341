// An owner-drawn button with four faces: up, down (pressed), focus and disabled.
#pragma once
#include "CBitmap.h"
#include "CButton.h"

class CBitmapButton : public CButton
{
public:
    // Takes the faces in the order up, down, focus, disabled; 0 leaves a face out.
    // FALSE when one is missing. The up face is loaded at once, each other one
    // when it is first shown.
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0,
                     UINT nIDBitmapResourceFocus = 0, UINT nIDBitmapResourceDisabled = 0);
    // Gives the button the size of its up face.
    void SizeToContent();

protected:
    // Down while pressed, else focus while focused, else disabled while
    // disabled, else up; a face that is missing falls back to the up face.
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
    UINT m_nIDFaces[4] = {}; // each face's bitmap resource by AfxButtonFace, 0 for none
};
