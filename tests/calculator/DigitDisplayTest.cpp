// What the seven places show for a result.
#include "TextDisplay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
const struct
{
    std::vector<double> results; // shown in this order
    int nUnbound;
    const char* pszShown;        // after the last
} kRows[] = {
    {{1.02346}, -1, "1.02346"},
    {{0.0}, -1, "0.00000"},            // zero is a number to show, not a blank
    {{8.76543}, -1, "8.76543"},
    {{9.99999}, -1, "9.99999"},
    {{10.0}, -1, "    -E-"},
    {{-0.00001}, -1, "    -E-"},
    {{NAN}, -1, "    -E-"},
    {{INFINITY}, -1, "    -E-"},       // "inf" would fit the seven places
    {{9.999996}, -1, "    -E-"},       // five decimals make it 10.00000, eight characters
    {{1.02346, NAN}, -1, "    -E-"},   // no digit of the number survives
    {{NAN, 1.5}, -1, "1.50000"},       // nor the error pattern
    {{1.02346}, 3, "1.0?346"},         // an unbound place is passed over
};
}

TEST(DigitDisplay, ShowsEachResultAsSevenGlyphs)
{
    for (const auto& row : kRows)
    {
        CTextDisplay display;
        display.m_nUnbound = row.nUnbound;
        for (double dResult : row.results)
            display.ShowResult(dResult);
        EXPECT_EQ(display.LeftToRight(), row.pszShown) << row.results.back();
    }
}
