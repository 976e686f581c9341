// The calculation behind Calc: which settings go where into the conversion, and the rounding of its result. Expected
// values from an independent evaluation of EOS-80 and Bryden's adiabatic lapse rate, rounded half up.
#include "GravityConversion.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(GravityConversion, EachSettingInItsPlace)
{
    const struct { CConverterSettings settings; double dWaterTemp; int bPotential; double dExpected; } rows[] = {
        // base T, base g, depth, S; water T, potential flag, result
        {{24.0, 1.024, 1.0, 35.0}, 26.0, 0, 1.02339}, // warmer water reads lighter
        {{24.0, 1.024, 1000.0, 35.0}, 10.0, 0, 1.02749}, // the depth is the pressure
        {{24.0, 1.024, 1000.0, 35.0}, 10.0, 1, 1.02745},
        {{20.0, 1.025, 10.0, 30.0}, 28.0, 1, 1.02268},
        {{25.0, 1.0235, 4000.0, 38.0}, 5.0, 1, 1.02879},
        {{24.0, 1.024, 1.0, -1.0}, 20.0, 1, NAN}, // the library's NaN reaches the display as its error pattern
    };
    for (const auto& row : rows)
    {
        const double dGot = ConvertAndRound(row.settings, row.dWaterTemp, row.bPotential);
        if (std::isnan(row.dExpected))
            EXPECT_TRUE(std::isnan(dGot)) << dGot;
        else
            EXPECT_DOUBLE_EQ(dGot, row.dExpected) << row.dWaterTemp << " degC at " << row.settings.dDepth << " m";
    }
}
