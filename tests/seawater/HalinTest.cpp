// The seawater library's check values by physical behaviour: EOS-80's, Bryden's, UNESCO's and the library's own.
// Each tolerance is half a unit in the last digit given; kExact rows compare the doubles, bit for bit where hex.
#include "CheckTable.h"
#include "Halin.h"
#include "Identity.h"

#include <gtest/gtest.h>

#include <limits>
#include <type_traits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kExact = 0.0;

TEST(Density, Eos80CheckValues)
{
    ExpectChecks({
        ROW(CHalin::GetDensity(40, 40, 10000), 1059.8203768, 5e-8), // the standard's own check value
        ROW(CHalin::GetDensity(35, 25, 0), 1023.3430585, 5e-8),
        ROW(CHalin::GetDensity(35, 0, 0), 1028.1063314, 5e-8),
        ROW(CHalin::GetDensity(0, 4, 0), 999.9749582, 5e-8),    // pure water near its maximum
        ROW(CHalin::GetDensity(35, -2, 0), 1028.1867569, 5e-8), // odd powers of t negative
        ROW(CHalin::GetDensity(35, 24, 1), 1023.6473916, 5e-8), // the calculator's defaults
        ROW(CHalin::GetDensity(0, 0, 0), 999.842594, kExact),   // only a0 is left
        ROW(CHalin::GetDensity(-1, 10, 0), kNaN, kExact),       // no real S^1.5
        ROW(CHalin::GetDensity(kNaN, 10, 100), kNaN, kExact),
    });
}

TEST(PotentialTemp, BrydenCheckValues)
{
    ExpectChecks({
        ROW(CHalin::GetPotentialTemp(35, 10, 1000), 9.879423866, 5e-10),
        ROW(CHalin::GetPotentialTemp(40, 40, 10000), 36.8860779, 5e-8),
        ROW(CHalin::GetPotentialTemp(35, 24, 1), 23.9997893922, 5e-11),
        ROW(CHalin::GetPotentialTemp(35, 20, -100), 20.0184146846, 5e-11), // warmer than in situ
        ROW(CHalin::GetPotentialTemp(0, 0, 5000), -0.116464875, 5e-10),
        ROW(CHalin::GetPotentialTemp(42, 3.7, 0), 3.7, kExact), // at the surface, unchanged
        ROW(CHalin::GetPotentialTemp(kNaN, 10, 100), kNaN, kExact),
    });
}

// Arguments: water temperature, base gravity, base temperature, salinity, pressure, flag.
TEST(SpecificGravity, CheckValuesAtTheCalculatorsDefaults)
{
    ExpectChecks({
        ROW(CHalin::GetSpecificGravity(26, 1.024, 24, 35, 1, 1), 1.0233919850, 5e-11),
        ROW(CHalin::GetSpecificGravity(26, 1.024, 24, 35, 1, 0), 1.0233919777, 5e-11),
        // Both densities at the caller's pressure, in either mode; any nonzero flag selects potential temperatures.
        ROW(CHalin::GetSpecificGravity(26, 1.024, 24, 35, 1000, 0), 1.0233754408, 5e-11),
        ROW(CHalin::GetSpecificGravity(26, 1.024, 24, 35, 1000, -1), 1.0233824982, 5e-11),
        // Equal temperatures: the density ratio is exactly 1, then times G0.
        ROW(CHalin::GetSpecificGravity(31.5, 1.0257, 31.5, 35, 1000, 1), 1.0257, kExact),
        ROW(CHalin::GetSpecificGravity(-2, 1.0257, -2, 35, 1, 0), 1.0257, kExact),
        ROW(CHalin::GetSpecificGravity(26, 1.024, 24, -1, 1, 0), kNaN, kExact),
        ROW(CHalin::GetSpecificGravity(26, 1.024, 24, -1, 1, 1), kNaN, kExact),
        ROW(CHalin::GetSpecificGravity(kNaN, 1.024, 24, 35, 1, 1), kNaN, kExact),
    });
}

// Arguments: pressure, latitude.
TEST(Depth, UnescoCheckValues)
{
    ExpectChecks({
        ROW(CHalin::GetDepth(10000, 30), 9712.653, 5e-4),
        ROW(CHalin::GetDepth(10000, -30), 9712.653, 5e-4), // south as north
        ROW(CHalin::GetDepth(10000, 0), 9725.471, 5e-4),
        ROW(CHalin::GetDepth(10000, 90), 9674.231, 5e-4),
        ROW(CHalin::GetDepth(1000, 45), 989.499864, 5e-7),
        ROW(CHalin::GetDepth(0, 400), 0.0, kExact),
        ROW(CHalin::GetDepth(kNaN, 30), kNaN, kExact),
        ROW(CHalin::GetDepth(1000, kInf), kNaN, kExact), // sin(inf)
    });
}

TEST(WaterChemistry, CheckValues)
{
    ExpectChecks({
        ROW(CHalin::GetDissolvedCarbonDioxide(7, 1), 37.199999999999996, kExact),
        ROW(CHalin::GetDissolvedCarbonDioxide(8.2, 3), 7.041483964398968, 5e-16),
        ROW(CHalin::GetDissolvedCarbonDioxide(0, 1), 372000000.0, kExact),
        ROW(CHalin::ALK2KH(1), 2.8, kExact),
        ROW(CHalin::KH2ALK(2.8), 1.0, kExact),
        ROW(CHalin::meq2mg(1), 50.0, kExact),
        ROW(CHalin::mg2meq(50), 1.0, kExact),
        ROW(CHalin::KH2ALK(1), 0x1.6db6db6db6db7p-2, kExact), // the factors themselves
        ROW(CHalin::mg2meq(1), 0x1.47ae147ae147bp-6, kExact),
        ROW(CHalin::mol2mg(1), 0x1.57d826de0383fp-13, kExact),
        ROW(CHalin::mg2mol(1), 0x1.8fb67406cd43cp-8, kExact),
        ROW(CHalin::mg2mol(CHalin::mol2mg(1)), 1.0000000000000002e-6, kExact), // not an inverse pair
        ROW(CHalin::KH2ALK(kNaN), kNaN, kExact),
    });
}

// The program holds a string 1 of its own (HalinTest.rc under Windows): the
// version must come from the library's module, not the process's.
TEST(Version, IsTheLibrarysOwnString)
{
    EXPECT_STREQ(CHalin::GetVersion(), VARNOK_VERSION_STRING);
    EXPECT_STREQ(CHalin::GetVersion(), VARNOK_VERSION_STRING); // finds its own module again
}

// An object carries nothing but its virtual table, and deletes through CHalin*.
static_assert(std::is_default_constructible<CHalin>::value, "constructible");
static_assert(std::is_copy_constructible<CHalin>::value, "copyable");
static_assert(std::is_copy_assignable<CHalin>::value, "assignable");
static_assert(std::has_virtual_destructor<CHalin>::value, "deletable through a base pointer");
static_assert(sizeof(CHalin) == sizeof(void*), "no data beside the virtual table pointer");

} // namespace
