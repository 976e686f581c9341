// What the main window's seven places show from paint to paint: blank until the first Calc, then the last result
// with one units digit, the point and five decimals, or the error pattern where that does not fit.
#include "DisplayedResult.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// Places read back left to right through the glyph numbers of the images: ' ' blank, '-' minus, '?' a place never
// given a glyph.
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

// The results of the Calcs made, each painted; a slot without a place, or -1; what a paint after the last shows.
const struct { std::vector<double> calculated; int nUnbound; const char* pszShown; } kRows[] = {
    {{}, -1, "       "},
    {{0.0}, -1, "0.00000"}, // zero is a number to show, not the blank of the start
    {{1.02346}, -1, "1.02346"}, {{8.76543}, -1, "8.76543"}, {{9.99999}, -1, "9.99999"},
    {{10.0}, -1, "    -E-"}, {{-0.00001}, -1, "    -E-"}, {{NAN}, -1, "    -E-"},
    {{INFINITY}, -1, "    -E-"},     // "inf" would fit the seven places
    {{9.999996}, -1, "    -E-"},     // five decimals make it 10.00000, eight characters
    {{1.02346, NAN}, -1, "    -E-"}, // no digit of the number survives
    {{NAN, 1.5}, -1, "1.50000"},     // nor the error pattern
    {{1.02346}, 3, "1.0?346"},       // an unbound place is passed over
};

} // namespace

TEST(DisplayedResult, BlankUntilTheFirstCalcThenTheLastResult)
{
    for (const auto& row : kRows)
    {
        CDisplayedResult result;
        CTextDisplay display;
        display.m_nUnbound = row.nUnbound;
        for (double dResult : row.calculated)
        {
            result.Calculated(dResult);
            result.ShowOn(display);
        }
        for (UINT& nGlyph : display.m_nGlyph)
            nGlyph = 0; // whatever the places showed: the next paint writes all seven
        result.ShowOn(display);
        EXPECT_EQ(display.LeftToRight(), row.pszShown);
    }
}
