#include "DigitDisplay.h"
#include "resource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
// Glyphs of the digits 0 to 9.
const UINT kDigitGlyphs[10] = {
    IDB_DIGIT_0, IDB_DIGIT_1, IDB_DIGIT_2, IDB_DIGIT_3, IDB_DIGIT_4,
    IDB_DIGIT_5, IDB_DIGIT_6, IDB_DIGIT_7, IDB_DIGIT_8, IDB_DIGIT_9,
};
}

void CDigitDisplay::ShowResult(double dResult)
{
    if (!(dResult >= 0.0 && dResult < 10.0))
    {
        ShowError();
        return;
    }

    // Values just below 10 that are not multiples of 1e-5 format as 10.00000,
    // one character too many for the row.
    char szText[32];
    const int nLength = std::snprintf(szText, sizeof(szText), "%.5lf", dResult);
    if (nLength < 0 || nLength > PLACES)
    {
        ShowError();
        return;
    }

    ClearDisplay();
    // From the last character to the first, rightmost slot first. ShowDigit
    // takes a number, so each digit is read back from its one-character text.
    int nSlot = 0;
    for (int i = nLength - 1; i >= 0; --i)
    {
        const char szChar[2] = {szText[i], '\0'};
        if (std::strcmp(szChar, ".") == 0)
            PutGlyph(nSlot, IDB_GLYPH_POINT);
        else
            ShowDigit(nSlot, static_cast<int>(std::atol(szChar)));
        ++nSlot;
    }
}

void CDigitDisplay::ShowDigit(int nSlot, int nValue)
{
    PutGlyph(nSlot, GlyphForDigit(nValue));
}

void CDigitDisplay::ShowError()
{
    ClearDisplay();
    PutGlyph(0, IDB_GLYPH_MINUS);
    PutGlyph(1, IDB_GLYPH_E);
    PutGlyph(2, IDB_GLYPH_MINUS);
}

void CDigitDisplay::ClearDisplay()
{
    for (int nSlot = 0; nSlot < PLACES; ++nSlot)
        PutGlyph(nSlot, IDB_GLYPH_BLANK);
}

UINT CDigitDisplay::GlyphForDigit(int nValue)
{
    // Unsigned, since the magnitude of INT_MIN has no int.
    unsigned int nMagnitude = static_cast<unsigned int>(nValue);
    if (nValue < 0)
        nMagnitude = 0u - nMagnitude;

    char szText[32];
    std::snprintf(szText, sizeof(szText), "%u", nMagnitude);
    const char szLeading[2] = {szText[0], '\0'};
    const long nDigit = std::atol(szLeading);
    if (nDigit >= 0 && nDigit <= 9)
        return kDigitGlyphs[nDigit];
    return IDB_GLYPH_BLANK;
}

void CDigitDisplay::PutGlyph(int nSlot, UINT nGlyph)
{
    if (nSlot >= 0 && nSlot < PLACES && IsBound(nSlot))
        SetGlyph(nSlot, nGlyph);
}
