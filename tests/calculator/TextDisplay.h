// A digit display whose places are read back left to right as text through the glyph numbers of the images:
// ' ' blank, '-' minus, '?' a place never given a glyph.
#pragma once
#include "DigitDisplay.h"

#include <string>

class CTextDisplay : public CDigitDisplay
{
public:
    bool IsBound(int nSlot) const override { return nSlot != m_nUnbound; }
    void SetGlyph(int nSlot, UINT nGlyph) override { m_nGlyph[nSlot] = nGlyph; }

    std::string LeftToRight() const
    {
        static const char kGlyphText[] = "8012345679. E-"; // glyph bitmap ids 167 to 180 and what each shows
        std::string text;
        for (int nSlot = PLACES - 1; nSlot >= 0; --nSlot)
            text += m_nGlyph[nSlot] >= 167 && m_nGlyph[nSlot] <= 180 ? kGlyphText[m_nGlyph[nSlot] - 167] : '?';
        return text;
    }

    int m_nUnbound = -1; // slot without a place, or -1
    UINT m_nGlyph[PLACES] = {};
};
