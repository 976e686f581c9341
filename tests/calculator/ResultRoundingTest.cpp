#include "ResultRounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace
{
// What the display makes of a rounded result.
std::string Text(double d)
{
    char sz[64];
    std::snprintf(sz, sizeof(sz), "%.5lf", d);
    return sz;
}

// The rounded result is n steps of the stored double 0.00001, bit for bit.
void ExpectSteps(double g, int n)
{
    const double dRounded = RoundToFiveDecimals(g);
    EXPECT_EQ(dRounded, n * 0.00001) << "g = " << g;
}
}

TEST(ResultRounding, HalfUpAtTheFifthDecimal)
{
    ExpectSteps(1.0234567, 102346);
    ExpectSteps(1.0234549, 102345);
    ExpectSteps(0.999995, 100000);
    ExpectSteps(9.999995, 1000000);
    ExpectSteps(1.024, 102400);
    ExpectSteps(0.0, 0);
    EXPECT_EQ(Text(RoundToFiveDecimals(1.0234567)), "1.02346");
    EXPECT_EQ(Text(RoundToFiveDecimals(0.999995)), "1.00000");
    EXPECT_EQ(Text(RoundToFiveDecimals(9.999995)), "10.00000");
    EXPECT_EQ(Text(RoundToFiveDecimals(1.024)), "1.02400");
}

TEST(ResultRounding, SmallNegativesBecomeZero)
{
    for (double g : {-0.0000149, -0.00001, -0.000001, -1e-300, -0.0})
    {
        const double dRounded = RoundToFiveDecimals(g);
        EXPECT_EQ(dRounded, 0.0) << "g = " << g;
        EXPECT_FALSE(std::signbit(dRounded)) << "g = " << g;
        EXPECT_EQ(Text(dRounded), "0.00000");
    }
    // Truncation toward zero: at -0.000015 the result steps down, not before.
    ExpectSteps(-0.000015, -1);
    ExpectSteps(-0.00002, -1);
    ExpectSteps(-1.0, -99999);
}

TEST(ResultRounding, ResultsAreWholeStepsAndStable)
{
    for (int i = 0; i <= 20000; ++i)
    {
        const double g = i * 0.000499 + 0.0000003; // through [0, 10), off the step grid
        const double dRounded = RoundToFiveDecimals(g);
        const double dSteps = dRounded * 100000.0;
        ASSERT_NEAR(dSteps, std::round(dSteps), 1e-6) << "g = " << g;
        ASSERT_LE(std::fabs(dRounded - g), 0.000005 + 1e-12) << "g = " << g;
        ASSERT_EQ(RoundToFiveDecimals(dRounded), dRounded) << "g = " << g;
    }
}

TEST(ResultRounding, LimitsOfTheIntegerRange)
{
    ExpectSteps(21474.83647, 2147483647);
    ExpectSteps(-21474.83649, -2147483647 - 1);
    // g x 100000 + 0.5 lands exactly on the open bounds -2147483649 and 2147483648.
    ExpectSteps(-21474.836494999996, -2147483647 - 1);
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(-21474.836495)));
    ExpectSteps(21474.836474999996, 2147483647);
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(21474.836475)));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(21474.83648)));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(-21474.8365)));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(1e6)));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(-1e6)));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(std::numeric_limits<double>::max())));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(-std::numeric_limits<double>::max())));
}

TEST(ResultRounding, NotANumberAndInfinities)
{
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(RoundToFiveDecimals(-std::numeric_limits<double>::infinity())));
}
