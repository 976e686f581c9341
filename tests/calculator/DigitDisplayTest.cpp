#include "DigitDisplay.h"
#include "ResultRounding.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <utility>
#include <vector>

namespace
{
// A display whose places are cells that remember their glyph.
class CRecordingDisplay : public CDigitDisplay
{
public:
    // Glyphs from the leftmost place (slot 6) to the rightmost (slot 0).
    std::vector<UINT> LeftToRight() const
    {
        std::vector<UINT> glyphs;
        for (int nSlot = PLACES - 1; nSlot >= 0; --nSlot)
            glyphs.push_back(m_nGlyph[nSlot]);
        return glyphs;
    }

    bool m_bBound[PLACES] = {true, true, true, true, true, true, true};
    UINT m_nGlyph[PLACES] = {};                   // 0 until a glyph arrives
    std::vector<std::pair<int, UINT>> m_calls;    // (slot, glyph) in the order given

protected:
    bool IsBound(int nSlot) const override { return m_bBound[nSlot]; }
    void SetGlyph(int nSlot, UINT nGlyph) override
    {
        EXPECT_TRUE(nSlot >= 0 && nSlot < PLACES);
        m_nGlyph[nSlot] = nGlyph;
        m_calls.emplace_back(nSlot, nGlyph);
    }
};

const UINT B = IDB_GLYPH_BLANK;
const UINT P = IDB_GLYPH_POINT;
const UINT E = IDB_GLYPH_E;
const UINT M = IDB_GLYPH_MINUS;
const std::vector<UINT> kErrorRow = {B, B, B, B, M, E, M};

std::vector<UINT> Shown(double dResult)
{
    CRecordingDisplay display;
    display.ShowResult(dResult);
    return display.LeftToRight();
}
}

TEST(DigitDisplay, NumbersLeftToRight)
{
    EXPECT_EQ(Shown(0.0), (std::vector<UINT>{168, P, 168, 168, 168, 168, 168}));
    EXPECT_EQ(Shown(RoundToFiveDecimals(9.99999)), (std::vector<UINT>{176, P, 176, 176, 176, 176, 176}));
    EXPECT_EQ(Shown(RoundToFiveDecimals(1.0234567)), (std::vector<UINT>{169, P, 168, 170, 171, 172, 174}));
    EXPECT_EQ(Shown(RoundToFiveDecimals(8.76543)), (std::vector<UINT>{167, P, 175, 174, 173, 172, 171}));
    EXPECT_EQ(Shown(RoundToFiveDecimals(0.12345)), (std::vector<UINT>{168, P, 169, 170, 171, 172, 173}));
}

TEST(DigitDisplay, ThePointIsAlwaysSecondFromTheLeft)
{
    for (int n = 0; n < 1000000; n += 7919)
    {
        const std::vector<UINT> row = Shown(n * 0.00001);
        ASSERT_EQ(row[1], P) << n;
        for (size_t i = 0; i < row.size(); ++i)
        {
            if (i == 1)
                continue;
            ASSERT_TRUE(row[i] >= IDB_DIGIT_8 && row[i] <= IDB_DIGIT_9) << n;
        }
    }
}

TEST(DigitDisplay, ResultsOutsideTheRangeShowTheErrorPattern)
{
    for (double d : {10.0, -0.00001, 21474.83647, -1e300, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()})
        EXPECT_EQ(Shown(d), kErrorRow) << d;
    // Below 10, but five decimals make it 10.00000: eight characters for seven places.
    EXPECT_EQ(Shown(9.999996), kErrorRow);
}

TEST(DigitDisplay, EachPatternRewritesEveryPlace)
{
    CRecordingDisplay display;
    display.ShowError();
    const std::vector<std::pair<int, UINT>> errorCalls = {
        {0, B}, {1, B}, {2, B}, {3, B}, {4, B}, {5, B}, {6, B}, {0, M}, {1, E}, {2, M}};
    EXPECT_EQ(display.m_calls, errorCalls);

    display.m_calls.clear();
    display.ShowResult(RoundToFiveDecimals(1.5));
    EXPECT_EQ(display.LeftToRight(), (std::vector<UINT>{169, P, 173, 168, 168, 168, 168}));
    ASSERT_EQ(display.m_calls.size(), 14u);
    for (int i = 0; i < 7; ++i)
    {
        EXPECT_EQ(display.m_calls[i], std::make_pair(i, B)); // blanked first
        EXPECT_EQ(display.m_calls[7 + i].first, i);           // then right to left
    }

    display.ClearDisplay();
    EXPECT_EQ(display.LeftToRight(), std::vector<UINT>(7, B));
}

TEST(DigitDisplay, UnboundPlacesArePassedOver)
{
    CRecordingDisplay display;
    display.m_bBound[3] = false;
    display.ClearDisplay();
    const std::vector<std::pair<int, UINT>> calls = {{0, B}, {1, B}, {2, B}, {4, B}, {5, B}, {6, B}};
    EXPECT_EQ(display.m_calls, calls);
    EXPECT_EQ(display.m_nGlyph[3], 0u);

    display.ShowDigit(3, 5);
    display.ShowDigit(-1, 5);
    display.ShowDigit(CDigitDisplay::PLACES, 5);
    EXPECT_EQ(display.m_calls, calls);
}

TEST(DigitDisplay, GlyphOfTheLeadingDigit)
{
    const UINT table[10] = {168, 169, 170, 171, 172, 173, 174, 175, 167, 176};
    for (int n = 0; n <= 9; ++n)
        EXPECT_EQ(CDigitDisplay::GlyphForDigit(n), table[n]) << n;
    EXPECT_EQ(CDigitDisplay::GlyphForDigit(10), 169u);
    EXPECT_EQ(CDigitDisplay::GlyphForDigit(42), 172u);
    EXPECT_EQ(CDigitDisplay::GlyphForDigit(987), 176u);
    EXPECT_EQ(CDigitDisplay::GlyphForDigit(-7), 175u);
    EXPECT_EQ(CDigitDisplay::GlyphForDigit(-350), 171u);
    EXPECT_EQ(CDigitDisplay::GlyphForDigit(INT_MAX), 170u);
    EXPECT_EQ(CDigitDisplay::GlyphForDigit(INT_MIN), 170u); // 2147483648

    CRecordingDisplay display;
    display.ShowDigit(4, -8);
    EXPECT_EQ(display.m_calls, (std::vector<std::pair<int, UINT>>{{4, 167}}));
}
