// A font made for painting.
#pragma once
#include "CGdiObject.h"

class CDC;

class CFont : public CGdiObject
{
public:
    // A font of nPointSize tenths of a point in face lpszFaceName, measured on
    // pDC (the screen when null); every other attribute is the default.
    BOOL CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
    static CFont* FromHandle(HFONT hFont); // a temporary wrapper that does not own the font
    static void DeleteTempMap();
};
