// Rounding of the converted gravity to the five decimals the display shows: n steps of the stored double 0.00001, bit
// for bit, or NaN where n would not fit a signed 32-bit integer.
#include "ResultRounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

const long long kNone = 1LL << 40; // no step count: the result is NaN

const struct
{
    double g;
    long long nSteps;
} kRows[] = {
    {1.0234567, 102346}, {1.0234549, 102345}, // half up at the fifth decimal
    {0.999995, 100000},  {9.999995, 1000000}, {1.024, 102400}, {0.0, 0},
    {-0.0000149, 0},     {-1e-300, 0},        {-0.0, 0},       // toward zero, as +0
    {-0.000015, -1},     {-1.0, -99999},
    // g x 100000 + 0.5 just inside and on the open bounds -2147483649 and 2147483648.
    {21474.83647, 2147483647},        {21474.836474999996, 2147483647}, {21474.836475, kNone},
    {-21474.836494999996, -2147483648LL}, {-21474.836495, kNone},
    {1e6, kNone}, {-std::numeric_limits<double>::max(), kNone},
    {NAN, kNone}, {INFINITY, kNone}, {-INFINITY, kNone},
};

TEST(ResultRounding, StepsOfOneHundredThousandth)
{
    for (const auto& row : kRows)
    {
        const double dRounded = RoundToFiveDecimals(row.g);
        if (row.nSteps == kNone)
        {
            EXPECT_TRUE(std::isnan(dRounded)) << row.g << " gave " << dRounded;
            continue;
        }
        EXPECT_EQ(dRounded, static_cast<int>(row.nSteps) * 0.00001) << row.g;
        EXPECT_FALSE(std::signbit(dRounded) && row.nSteps == 0) << row.g << " gave -0";
    }
}
