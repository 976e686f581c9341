// What the main window's display shows from paint to paint: blank until the first Calc, then the last result.
#include "DisplayedResult.h"
#include "TextDisplay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const struct
{
    const char* pszName;
    std::vector<double> calculated; // the results of the Calcs made, in order
    const char* pszShown;           // by every paint after them
} kRows[] = {
    {"blank before the first Calc", {}, "       "},
    {"a Calc of zero shows 0.00000, not the blank of the start", {0.0}, "0.00000"},
    {"the last Calc's result", {1.02339, 1.02587}, "1.02587"},
    {"a result with no number shows the error pattern", {NAN}, "    -E-"},
};

} // namespace

TEST(DisplayedResult, BlankUntilTheFirstCalcThenTheLastResult)
{
    for (const auto& row : kRows)
    {
        CDisplayedResult result;
        for (double dResult : row.calculated)
            result.Calculated(dResult);
        EXPECT_EQ(result.IsBlank(), row.calculated.empty()) << row.pszName;
        CTextDisplay display;
        for (int nPaint = 1; nPaint <= 2; ++nPaint)
        {
            for (UINT& nGlyph : display.m_nGlyph)
                nGlyph = 0; // whatever the places showed: each paint writes all seven
            result.ShowOn(display);
            EXPECT_EQ(display.LeftToRight(), row.pszShown) << row.pszName << ", paint " << nPaint;
        }
    }
}
