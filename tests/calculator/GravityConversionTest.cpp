// The calculation behind Calc: which settings go where into the conversion,
// and the rounding of its result. Expected values from an independent
// evaluation of EOS-80 and Bryden's adiabatic lapse rate, rounded half up.
#include "GravityConversion.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace {

struct ConversionRow
{
    const char* pszName;
    double dBaseTemp, dBaseGravity, dDepth, dSalinity;
    double dWaterTemp;
    int bPotential;
    double dExpected;
};

void PrintTo(const ConversionRow& row, std::ostream* os)
{
    *os << row.pszName;
}

const ConversionRow kRows[] = {
    // name                                 base T  base g   depth   S     water T  pot  result
    {"AtTheBaseTemperatureGivesTheBaseGravity", 24.0, 1.024,   1.0,  35.0, 24.0,    1,   1.02400},
    {"WarmerWaterReadsLighter",             24.0,  1.024,    1.0,  35.0, 26.0,    0,   1.02339},
    {"ColderWaterReadsHeavier",             24.0,  1.024,    1.0,  35.0,  0.0,    0,   1.02847},
    {"DepthIsPassedAsThePressure",          24.0,  1.024, 1000.0,  35.0, 10.0,    0,   1.02749},
    {"AtTheSurfaceDepthDropsOut",           24.0,  1.024,    0.0,  35.0, 10.0,    0,   1.02731},
    {"PotentialFlagUsesPotentialTemperatures", 24.0, 1.024, 1000.0, 35.0, 10.0,  1,   1.02745},
    {"EverySettingInItsPlace",              20.0,  1.025,   10.0,  30.0, 28.0,    1,   1.02268},
    {"DeepSalineWater",                     25.0,  1.0235, 4000.0, 38.0,  5.0,    1,   1.02879},
};

class GravityConversionTest : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(GravityConversionTest, ConvertsAndRoundsToFiveDecimals)
{
    const ConversionRow& row = GetParam();
    CConverterSettings settings;
    settings.dBaseTemp = row.dBaseTemp;
    settings.dBaseGravity = row.dBaseGravity;
    settings.dDepth = row.dDepth;
    settings.dSalinity = row.dSalinity;
    EXPECT_DOUBLE_EQ(ConvertAndRound(settings, row.dWaterTemp, row.bPotential), row.dExpected);
}

INSTANTIATE_TEST_SUITE_P(Settings, GravityConversionTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<ConversionRow>& info) { return info.param.pszName; });

// The library's NaN for a negative salinity stays NaN: the display shows its error pattern.
TEST(GravityConversion, NegativeSalinityGivesNotANumber)
{
    CConverterSettings settings;
    settings.dSalinity = -1.0;
    EXPECT_TRUE(std::isnan(ConvertAndRound(settings, 20.0, 1)));
}

} // namespace
