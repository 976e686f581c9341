// The calculation behind Calc: which settings go where into the conversion, and the rounding of its result to the
// five decimals the display shows.
#include "GravityConversion.h"
#include "ResultRounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// Expected values from an independent evaluation of EOS-80 and Bryden's adiabatic lapse rate, rounded half up. The
// worked example and a NaN from the library are the journeys' pictures.
TEST(GravityConversion, EachSettingInItsPlace)
{
    const struct { CConverterSettings settings; double dWaterTemp; int bPotential; double dExpected; } rows[] = {
        // base T, base g, depth, S; water T, potential flag, result
        {{24.0, 1.024, 1000.0, 35.0}, 10.0, 0, 1.02749}, // the depth is the pressure
        {{24.0, 1.024, 1000.0, 35.0}, 10.0, 1, 1.02745},
        {{20.0, 1.025, 10.0, 30.0}, 28.0, 1, 1.02268},
        {{25.0, 1.0235, 4000.0, 38.0}, 5.0, 1, 1.02879},
    };
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(ConvertAndRound(row.settings, row.dWaterTemp, row.bPotential), row.dExpected)
            << row.dWaterTemp << " degC at " << row.settings.dDepth << " m";
}

// n steps of the stored double 0.00001, bit for bit, or NaN where n would not fit a signed 32-bit integer.
TEST(ResultRounding, StepsOfOneHundredThousandth)
{
    const long long kNone = 1LL << 40; // no step count: the result is NaN
    const struct { double g; long long nSteps; } rows[] = {
        {1.0234567, 102346}, {1.0234549, 102345}, // half up at the fifth decimal
        {0.999995, 100000},  {9.999995, 1000000}, {1.024, 102400}, {0.0, 0},
        {-0.0000149, 0},     {-1e-300, 0},        {-0.0, 0},       // toward zero, as +0
        {-0.000015, -1},     {-1.0, -99999},
        // g x 100000 + 0.5 just inside and on the open bounds -2147483649 and 2147483648.
        {21474.83647, 2147483647},        {21474.836474999996, 2147483647}, {21474.836475, kNone},
        {-21474.836494999996, -2147483648LL}, {-21474.836495, kNone},
        {-std::numeric_limits<double>::max(), kNone}, {NAN, kNone}, {INFINITY, kNone}, {-INFINITY, kNone},
    };
    for (const auto& row : rows)
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
