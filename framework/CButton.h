// A push button, check box or owner-drawn button.
#pragma once
#include "CWnd.h"

class CButton : public CWnd
{
protected:
    // Draws an owner-drawn button; the parent's WM_DRAWITEM comes here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
