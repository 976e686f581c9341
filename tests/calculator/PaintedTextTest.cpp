// The formats the skinned windows fill their painted labels with. Which text goes into which box, with how many
// decimals, is what the approved pictures of the journeys show.
#include "PaintedText.h"

#include <gtest/gtest.h>

#include <string>

// Formats come from the resources: only "%s" and "%%" are theirs to fill.
TEST(PaintedText, FormatsTakeOneTextAndNoConversion)
{
    const struct { const char* pszFormat; const char* pszText; const char* pszExpected; } rows[] = {
        {"[%s]", "m", "[m]"}, {"Base %s", "Temp", "Base Temp"}, {"%s%%", "5", "5%"},
        {"%s/%s", "a", "a/a"}, {"%d %n %", "x", "%d %n %"}, {"", "x", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::string(FillFormat(row.pszFormat, row.pszText)), row.pszExpected) << row.pszFormat;
}
