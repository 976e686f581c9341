// The choice of face of a bitmap button, apart from its window.
#pragma once
#include "AfxTypes.h"

// The faces of a bitmap button, in the order they are loaded.
enum AfxButtonFace
{
    AFX_FACE_UP = 0,
    AFX_FACE_DOWN,     // pressed
    AFX_FACE_FOCUS,
    AFX_FACE_DISABLED,
    AFX_FACE_COUNT
};

// The face an owner-drawn button shows in its state: down while pressed, else
// focus while focused, else disabled while disabled, each only when the button
// has that face (bHasFace, by AfxButtonFace); otherwise up.
AfxButtonFace AfxChooseButtonFace(BOOL bSelected, BOOL bFocus, BOOL bDisabled,
                                  const BOOL (&bHasFace)[AFX_FACE_COUNT]);
