// Number texts: which texts read as which doubles, bit for bit; the fixed
// decimals results are written with; the decimals a user's number shows.
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

TEST(NumberText, ReadsDecimalNumbersOnly)
{
    const struct { std::string text; ENumberText status; double d; } rows[] = {
        {"1.024", NUMBER_OK, 1.024}, {"+26", NUMBER_OK, 26.0}, {"-1.5", NUMBER_OK, -1.5}, {".5", NUMBER_OK, 0.5},
        {" \t25 ", NUMBER_OK, 25.0}, {"2.5e-3", NUMBER_OK, 0.0025}, {"1E3", NUMBER_OK, 1000.0},
        {"1.7976931348623157e308", NUMBER_OK, DBL_MAX}, {"1e-400", NUMBER_OK, 0.0}, // underflow is zero
        {"4.9406564584124654e-324", NUMBER_OK, 4.9406564584124654e-324}, {"", NUMBER_EMPTY, 0}, {"  ", NUMBER_EMPTY, 0},
        {"abc", NUMBER_SYNTAX, 0}, {"1,5", NUMBER_SYNTAX, 0}, {"0x10", NUMBER_SYNTAX, 0}, {"1e+", NUMBER_SYNTAX, 0},
        {"12abc", NUMBER_SYNTAX, 0}, {"+-1", NUMBER_SYNTAX, 0}, {"+", NUMBER_SYNTAX, 0}, {"1 5", NUMBER_SYNTAX, 0},
        {"0x1p3", NUMBER_SYNTAX, 0}, {"1.5.2", NUMBER_SYNTAX, 0}, {"\u0661", NUMBER_SYNTAX, 0},
        {"26\n", NUMBER_SYNTAX, 0}, {"1_000", NUMBER_SYNTAX, 0}, {"-1.8e308", NUMBER_TOO_LARGE, 0},
        {"nan", NUMBER_NOT_FINITE, 0}, {"-NaN", NUMBER_NOT_FINITE, 0}, {"nan(1)", NUMBER_NOT_FINITE, 0},
        {"inf", NUMBER_NOT_FINITE, 0}, {"-infinity", NUMBER_NOT_FINITE, 0},
    };
    for (const auto& row : rows)
    {
        double d = 42.0;
        EXPECT_EQ(ParseNumber(row.text, &d), row.status) << '"' << row.text << '"';
        EXPECT_EQ(d, row.status == NUMBER_OK ? row.d : 42.0) << '"' << row.text << '"';
    }
}

TEST(NumberText, FixedDecimalsWithoutNegativeZero)
{
    const struct { double d; int nDecimals; const char* pszText; } rows[] = {
        {1.02339, 5, "1.02339"}, {102339 * 0.00001, 5, "1.02339"}, {1023.3430001, 3, "1023.343"},
        {26.0, 0, "26"}, {0.125, 2, "0.12"}, // the double nearest, then ties to even
        {-0.00004, 4, "0.0000"}, {-0.0, 2, "0.00"}, {-0.00006, 4, "-0.0001"}, {-10.0, 1, "-10.0"},
        {DBL_MAX, 9, nullptr}, // fits: 309 digits and nine decimals
    };
    for (const auto& row : rows)
    {
        char buffer[kMaxFixedChars];
        const std::string text(buffer, FormatFixed(buffer, row.d, row.nDecimals));
        if (row.pszText != nullptr)
            EXPECT_EQ(text, row.pszText) << row.d;
        else
            EXPECT_EQ(text.size(), 309u + 1 + 9);
    }
}

TEST(NumberText, DecimalsAsWritten)
{
    const struct { const char* pszText; int nDecimals; } rows[] = {
        {"20", 0}, {"0.5", 1}, {"0.25", 2}, {"20.50", 2}, {" 1.5 ", 1}, {"2.5e-1", 2}, {"1.5e3", 0}, {"5e+1", 0},
        {"1e-20", kMaxDecimals},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DecimalsOfText(row.pszText), row.nDecimals) << row.pszText;
}
