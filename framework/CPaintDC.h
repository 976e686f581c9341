// The device context of one WM_PAINT: BeginPaint on construction, EndPaint
// on destruction.
#pragma once
#include "CDC.h"

class CWnd;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};
