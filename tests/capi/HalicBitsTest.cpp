// halic's numerics that work on their speed must not move. Over inputs spread across their ranges, PSS-78's
// salinity from conductivity (the basic operations and square roots only) and the salinity a specific gravity reads
// (a search of EOS-80's density, whose powers Wine's C runtime gives as the C library does) hash to what halic gave
// before, one hash on every platform (the array forms give the same: Arrays.EveryQuantity); PSS-78's inverse lands
// within 1e-12 of the forward function's root, its definition.
#include "CheckTable.h"
#include "halic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(HalicResults, UnchangedToTheLastBit)
{
    const SDraw kPss78T = {-2, 35};
    ExpectUnchanged({
        // Conductivities beyond salinity 42 as well, whose NaN hashes too; and those of the low-salinity formula.
        {"halic_sp_from_c, C 0 to 70 mS/cm", {{0, 70}, kPss78T, kDrawP}, 0xE50A45234E3BCE9Bu, 0xE50A45234E3BCE9Bu,
         [](const double* a) { return halic_sp_from_c(a[0], a[1], a[2]); }},
        {"halic_sp_from_c, C 0 to 3 mS/cm", {{0, 3}, kPss78T, kDrawP}, 0x38788084E48DCA40u, 0x38788084E48DCA40u,
         [](const double* a) { return halic_sp_from_c(a[0], a[1], a[2]); }},
        // Readings beyond salinity 0 to 42 too.
        {"halic_salinity_from_sg_at(sg, t, t_ref)", {kDrawSg, kDrawT, kDrawT}, 0x824EE602687A2008u, 0x824EE602687A2008u,
         [](const double* a) { return halic_salinity_from_sg_at(a[0], a[1], a[2]); }, 5000},
        {"halic_salinity_from_sg(sg, NaN, 60/60F)", {kDrawSg}, 0xE8CBE041A3370750u, 0xE8CBE041A3370750u,
         [](const double* a) { return halic_salinity_from_sg(a[0], std::nan(""), HALIC_SG_60_60F); }, 5000},
    });
}

// The inverse's ratio R for S lies within 1e-12 (relative) of the root: the forward function is at most S just
// below R and at least S just above it (or refuses the conductivity as giving more than 42, at 42 itself).
void ExpectWithinToleranceOfTheRoot(double S, double t, double p)
{
    const double R = halic_r_from_sp(S, t, p);
    ASSERT_TRUE(std::isfinite(R)) << "S=" << S << " t=" << t << " p=" << p;
    EXPECT_LE(halic_sp_from_c(R * (1.0 - 1e-12) * HALIC_C3515, t, p), S) << "S=" << S << " t=" << t << " p=" << p;
    const double dAbove = halic_sp_from_c(R * (1.0 + 1e-12) * HALIC_C3515, t, p);
    if (std::isnan(dAbove))
        EXPECT_TRUE(S == 42.0 && halic_last_error() == HALIC_E_CONDUCTIVITY) << "S=" << S << " t=" << t << " p=" << p;
    else
        EXPECT_GE(dAbove, S) << "S=" << S << " t=" << t << " p=" << p;
}

// On a grid: both ends, both sides of the seam at 2 where the low-salinity formula takes over, the dip of
// that formula just above 0, and the whole of PSS-78's temperatures and halic's pressures. Between its rows:
// salinities spread over the range and over its first 2.
TEST(Pss78Inverse, WithinToleranceOfTheRoot)
{
    for (double S : {0.0, 1e-12, 1e-6, 1e-3, 0.01, 0.1, 0.5, 1.0, 1.5, 1.999999, 2.0, 2.000001, 3.0, 5.0, 10.0,
                     20.0, 30.0, 35.0, 40.0, 41.99, 42.0})
        for (double t : {-2.0, -1.0, 0.0, 5.0, 10.0, 15.0, 20.0, 25.0, 30.0, 34.0, 35.0})
            for (double p : {0.0, 100.0, 1000.0, 5000.0, 10000.0})
                ExpectWithinToleranceOfTheRoot(S, t, p);
    SInputs inputs;
    for (int i = 0; i < 20000; ++i)
    {
        const double S = inputs.Next(0.0, i % 4 == 0 ? 2.0 : 42.0);
        ExpectWithinToleranceOfTheRoot(S, inputs.Next(-2.0, 35.0), inputs.Next(0.0, 10000.0));
    }
}

} // namespace
