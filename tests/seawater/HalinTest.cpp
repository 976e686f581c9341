// Reference values of the seawater library, grouped by physical behaviour.
// A tolerance is half a unit in the last digit of the published value; where
// the value is exact, so is the comparison.
#include "AfxModule.h"
#include "Halin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <type_traits>
#include <typeinfo>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The calculator's defaults: base temperature, base gravity, salinity, depth.
const double kBaseTemp = 24.0;
const double kBaseGravity = 1.024;
const double kSalinity = 35.0;
const double kDepth = 1.0;

uint64_t Bits(double d)
{
    uint64_t n;
    std::memcpy(&n, &d, sizeof n);
    return n;
}

// ---------------------------------------------------------------- density

struct DensityCase
{
    double dSalinity, dTemp, dPressure; // per mille, deg C, dbar
    double dExpected;                   // kg/m^3
    double dTolerance;
};

TEST(Density, MatchesEos80CheckValues)
{
    const DensityCase cases[] = {
        {40, 40, 10000, 1059.8203768, 5e-8}, // the standard's own check value
        {35, 25, 0, 1023.3430585, 5e-8},
        {35, 0, 0, 1028.1063314, 5e-8},
        {0, 4, 0, 999.9749582, 5e-8},   // pure water near its maximum
        {35, -2, 0, 1028.1867569, 5e-8}, // below zero Celsius
        {35, 24, 1, 1023.6473916, 5e-8}, // the calculator's defaults
        {35, 26, 1, 1023.0395786, 5e-8},
    };
    for (const DensityCase& c : cases)
        EXPECT_NEAR(CHalin::GetDensity(c.dSalinity, c.dTemp, c.dPressure), c.dExpected, c.dTolerance)
            << "S=" << c.dSalinity << " t=" << c.dTemp << " P=" << c.dPressure;
}

TEST(Density, PureWaterAtZeroIsExactlyTheConstantTerm)
{
    EXPECT_EQ(CHalin::GetDensity(0, 0, 0), 999.842594);
}

TEST(Density, NegativeSalinityIsNaN)
{
    EXPECT_TRUE(std::isnan(CHalin::GetDensity(-1, 10, 0)));
    EXPECT_TRUE(std::isnan(CHalin::GetDensity(-1, 10, 1000)));
}

TEST(Density, NaNArgumentGivesNaN)
{
    EXPECT_TRUE(std::isnan(CHalin::GetDensity(kNaN, 10, 100)));
    EXPECT_TRUE(std::isnan(CHalin::GetDensity(35, kNaN, 100)));
    EXPECT_TRUE(std::isnan(CHalin::GetDensity(35, 10, kNaN)));
}

TEST(Density, GrowsWithPressureAndNegativePressureDecompresses)
{
    const double dSurface = CHalin::GetDensity(35, 10, 0);
    const double dBelow = CHalin::GetDensity(35, 10, 1000);
    const double dAbove = CHalin::GetDensity(35, 10, -1000);
    EXPECT_GT(dBelow, dSurface);
    EXPECT_LT(dAbove, dSurface);
    // About 4.4 kg/m^3 per 1000 dbar near the surface, either way.
    EXPECT_NEAR(dBelow - dSurface, 4.4, 0.2);
    EXPECT_NEAR(dSurface - dAbove, 4.4, 0.2);
}

TEST(Density, NegativeTemperaturesFollowOddAndEvenPowers)
{
    // Seawater at 35 per mille has no density maximum: colder is denser,
    // also below zero, which needs t^3 and t^5 negative.
    EXPECT_GT(CHalin::GetDensity(35, -2, 0), CHalin::GetDensity(35, -1, 0));
    EXPECT_GT(CHalin::GetDensity(35, -1, 0), CHalin::GetDensity(35, 0, 0));
    // Pure water is densest near 4 degrees, lighter on either side.
    EXPECT_LT(CHalin::GetDensity(0, -2, 0), CHalin::GetDensity(0, 4, 0));
    EXPECT_LT(CHalin::GetDensity(0, 10, 0), CHalin::GetDensity(0, 4, 0));
}

// ------------------------------------------------- potential temperature

struct PotentialCase
{
    double dSalinity, dTemp, dPressure; // per mille, deg C, dbar
    double dExpected;                   // deg C
    double dTolerance;
};

TEST(PotentialTemp, MatchesBrydenCheckValues)
{
    const PotentialCase cases[] = {
        {35, 10, 1000, 9.879423866, 5e-10},
        {40, 40, 10000, 36.8860779, 5e-8},
        {35, 24, 1, 23.9997893922, 5e-11},
        {35, 20, -100, 20.0184146846, 5e-11},
        {0, 0, 5000, -0.116464875, 5e-10},
    };
    for (const PotentialCase& c : cases)
        EXPECT_NEAR(CHalin::GetPotentialTemp(c.dSalinity, c.dTemp, c.dPressure), c.dExpected, c.dTolerance)
            << "S=" << c.dSalinity << " T=" << c.dTemp << " P=" << c.dPressure;
}

TEST(PotentialTemp, ZeroPressureReturnsTheTemperatureUnchanged)
{
    for (double dSalinity : {0.0, 20.0, 35.0, 42.0})
        for (double dTemp : {-2.0, 0.0, 3.7, 24.0, 40.0})
            EXPECT_EQ(CHalin::GetPotentialTemp(dSalinity, dTemp, 0), dTemp)
                << "S=" << dSalinity << " T=" << dTemp;
}

TEST(PotentialTemp, CoolsOnRiseAndWarmsOnNegativePressure)
{
    EXPECT_LT(CHalin::GetPotentialTemp(35, 10, 1000), 10.0);
    EXPECT_GT(CHalin::GetPotentialTemp(35, 20, -100), 20.0);
    // At 0 degrees fresh water expands on compression: the sign turns.
    EXPECT_LT(CHalin::GetPotentialTemp(0, 0, 5000), 0.0);
}

TEST(PotentialTemp, NaNArgumentGivesNaN)
{
    EXPECT_TRUE(std::isnan(CHalin::GetPotentialTemp(kNaN, 10, 100)));
    EXPECT_TRUE(std::isnan(CHalin::GetPotentialTemp(35, kNaN, 100)));
    EXPECT_TRUE(std::isnan(CHalin::GetPotentialTemp(35, 10, kNaN)));
}

// ---------------------------------------------- specific-gravity conversion

struct GravityCase
{
    double dWaterTemp; // deg C
    double dPressure;  // dbar
    int bPotential;
    double dExpected;
};

TEST(SpecificGravity, MatchesCheckValuesAtCalculatorDefaults)
{
    const GravityCase cases[] = {
        {26, kDepth, 1, 1.0233919850}, {28, kDepth, 1, 1.0227533175},
        {20, kDepth, 1, 1.0251203537}, {10, kDepth, 1, 1.0273106421},
        {26, kDepth, 0, 1.0233919777}, {26, 1000, 1, 1.0233824982},
        {26, 1000, 0, 1.0233754408},
    };
    for (const GravityCase& c : cases)
        EXPECT_NEAR(CHalin::GetSpecificGravity(c.dWaterTemp, kBaseGravity, kBaseTemp, kSalinity,
                                               c.dPressure, c.bPotential),
                    c.dExpected, 5e-11)
            << "T=" << c.dWaterTemp << " P=" << c.dPressure << " flag=" << c.bPotential;
}

TEST(SpecificGravity, ModesDifferByNanoFractionsAtOneMetre)
{
    const double dPotential = CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, kSalinity, kDepth, 1);
    const double dInSitu = CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, kSalinity, kDepth, 0);
    EXPECT_NEAR(dPotential - dInSitu, 7.3e-9, 0.5e-9);
}

TEST(SpecificGravity, EqualTemperaturesReturnTheBaseGravityExactly)
{
    for (int bPotential : {0, 1})
        for (double dTemp : {-2.0, 10.0, 24.0, 31.5})
            for (double dPressure : {0.0, 1.0, 1000.0})
                EXPECT_EQ(CHalin::GetSpecificGravity(dTemp, 1.0257, dTemp, kSalinity, dPressure, bPotential),
                          1.0257)
                    << "T=" << dTemp << " P=" << dPressure << " flag=" << bPotential;
}

TEST(SpecificGravity, BothModesAgreeAtZeroPressure)
{
    for (double dTemp : {-2.0, 5.0, 18.0, 26.0, 35.0})
        EXPECT_EQ(CHalin::GetSpecificGravity(dTemp, kBaseGravity, kBaseTemp, kSalinity, 0, 1),
                  CHalin::GetSpecificGravity(dTemp, kBaseGravity, kBaseTemp, kSalinity, 0, 0))
            << "T=" << dTemp;
}

TEST(SpecificGravity, AnyNonzeroFlagSelectsPotentialTemperatures)
{
    const double dSet = CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, kSalinity, 1000, 1);
    EXPECT_EQ(CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, kSalinity, 1000, 2), dSet);
    EXPECT_EQ(CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, kSalinity, 1000, -1), dSet);
    EXPECT_NE(CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, kSalinity, 1000, 0), dSet);
}

TEST(SpecificGravity, WarmerWaterReadsLighterColderHeavier)
{
    for (int bPotential : {0, 1})
    {
        EXPECT_LT(CHalin::GetSpecificGravity(kBaseTemp + 0.5, kBaseGravity, kBaseTemp, kSalinity, kDepth, bPotential),
                  kBaseGravity);
        EXPECT_GT(CHalin::GetSpecificGravity(kBaseTemp - 0.5, kBaseGravity, kBaseTemp, kSalinity, kDepth, bPotential),
                  kBaseGravity);
    }
}

TEST(SpecificGravity, NegativeSalinityIsNaNInBothModes)
{
    EXPECT_TRUE(std::isnan(CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, -1, kDepth, 0)));
    EXPECT_TRUE(std::isnan(CHalin::GetSpecificGravity(26, kBaseGravity, kBaseTemp, -1, kDepth, 1)));
}

// ------------------------------------------------------------------ depth

TEST(Depth, MatchesUnescoCheckValues)
{
    EXPECT_NEAR(CHalin::GetDepth(10000, 30), 9712.653, 5e-4);
    EXPECT_NEAR(CHalin::GetDepth(10000, 0), 9725.471, 5e-4);
    EXPECT_NEAR(CHalin::GetDepth(10000, 90), 9674.231, 5e-4);
    EXPECT_NEAR(CHalin::GetDepth(1000, 45), 989.499864, 5e-7);
}

TEST(Depth, SouthernLatitudesEqualNorthern)
{
    for (double dLatitude : {0.0, 12.5, 30.0, 45.0, 90.0})
        EXPECT_EQ(CHalin::GetDepth(10000, -dLatitude), CHalin::GetDepth(10000, dLatitude)) << dLatitude;
}

TEST(Depth, ZeroPressureIsTheSurfaceAtAnyLatitude)
{
    for (double dLatitude : {-90.0, -30.0, 0.0, 45.0, 90.0, 400.0})
        EXPECT_EQ(CHalin::GetDepth(0, dLatitude), 0.0) << dLatitude;
}

TEST(Depth, NegativePressureGivesNegativeDepth)
{
    const double dAbove = CHalin::GetDepth(-1000, 45);
    const double dBelow = CHalin::GetDepth(1000, 45);
    EXPECT_LT(dAbove, 0.0);
    // The P^2 term keeps its sign and gravity falls with negative pressure,
    // so the height above exceeds the depth below by about half a percent.
    EXPECT_GT(-dAbove, dBelow);
    EXPECT_NEAR(-dAbove / dBelow, 1.0, 0.01);
}

TEST(Depth, LatitudesBeyondNinetyEnterTheSineLikeAnyAngle)
{
    // sin^2 repeats every 180 degrees and mirrors about 90.
    EXPECT_NEAR(CHalin::GetDepth(10000, 150), CHalin::GetDepth(10000, 30), 1e-9);
    EXPECT_NEAR(CHalin::GetDepth(10000, 210), CHalin::GetDepth(10000, 30), 1e-9);
    EXPECT_NEAR(CHalin::GetDepth(10000, 450), CHalin::GetDepth(10000, 90), 1e-9);
}

TEST(Depth, NonFiniteArgumentsGiveNaN)
{
    EXPECT_TRUE(std::isnan(CHalin::GetDepth(kNaN, 30)));
    EXPECT_TRUE(std::isnan(CHalin::GetDepth(1000, kNaN)));
    EXPECT_TRUE(std::isnan(CHalin::GetDepth(1000, kInf)));  // sin(inf) is NaN
    EXPECT_TRUE(std::isnan(CHalin::GetDepth(1000, -kInf)));
}

// ------------------------------------------------ carbonate and conversions

TEST(CarbonDioxide, MatchesCheckValues)
{
    EXPECT_EQ(CHalin::GetDissolvedCarbonDioxide(7, 1), 37.199999999999996);
    EXPECT_NEAR(CHalin::GetDissolvedCarbonDioxide(8.2, 3), 7.041483964398968, 5e-16);
    EXPECT_EQ(CHalin::GetDissolvedCarbonDioxide(0, 1), 372000000.0);
}

TEST(CarbonDioxide, OnePhUnitLowerIsTenfold)
{
    for (double dPH : {5.5, 6.8, 7.0, 8.2, 15.0, -1.0})
        EXPECT_NEAR(CHalin::GetDissolvedCarbonDioxide(dPH - 1, 2.5),
                    10 * CHalin::GetDissolvedCarbonDioxide(dPH, 2.5),
                    1e-14 * CHalin::GetDissolvedCarbonDioxide(dPH - 1, 2.5))
            << dPH;
}

TEST(CarbonDioxide, NoCarbonateNoCarbonDioxide)
{
    for (double dPH : {-3.0, 0.0, 7.0, 14.0, 20.0})
        EXPECT_EQ(CHalin::GetDissolvedCarbonDioxide(dPH, 0), 0.0) << dPH;
}

TEST(UnitConversions, FactorsHaveTheirExactBitPatterns)
{
    EXPECT_EQ(Bits(CHalin::ALK2KH(1.0)), 0x4006666666666666u);
    EXPECT_EQ(Bits(CHalin::KH2ALK(1.0)), 0x3FD6DB6DB6DB6DB7u);
    EXPECT_EQ(Bits(CHalin::meq2mg(1.0)), 0x4049000000000000u);
    EXPECT_EQ(Bits(CHalin::mg2meq(1.0)), 0x3F947AE147AE147Bu);
    EXPECT_EQ(Bits(CHalin::mol2mg(1.0)), 0x3F257D826DE0383Fu);
    EXPECT_EQ(Bits(CHalin::mg2mol(1.0)), 0x3F78FB67406CD43Cu);
}

TEST(UnitConversions, CheckValues)
{
    EXPECT_EQ(CHalin::ALK2KH(1), 2.8);
    EXPECT_EQ(CHalin::KH2ALK(2.8), 1.0);
    EXPECT_EQ(CHalin::meq2mg(1), 50.0);
    EXPECT_EQ(CHalin::mg2meq(50), 1.0);
}

TEST(UnitConversions, InversePairsRoundTripExactly)
{
    EXPECT_EQ(CHalin::KH2ALK(CHalin::ALK2KH(1.0)), 1.0);
    EXPECT_EQ(CHalin::ALK2KH(CHalin::KH2ALK(1.0)), 1.0);
    EXPECT_EQ(CHalin::mg2meq(CHalin::meq2mg(1.0)), 1.0);
    EXPECT_EQ(CHalin::meq2mg(CHalin::mg2meq(1.0)), 1.0);
}

TEST(UnitConversions, MolesRoundTripScalesByOneMillionth)
{
    EXPECT_EQ(CHalin::mg2mol(CHalin::mol2mg(1.0)), 1.0000000000000002e-6);
}

TEST(UnitConversions, ZeroNegativeAndNaNAreMultipliedAlike)
{
    EXPECT_EQ(CHalin::ALK2KH(0.0), 0.0);
    EXPECT_EQ(CHalin::ALK2KH(-1.0), -2.8);
    EXPECT_EQ(CHalin::meq2mg(-2.0), -100.0);
    EXPECT_TRUE(std::isnan(CHalin::KH2ALK(kNaN)));
    EXPECT_TRUE(std::isnan(CHalin::mg2mol(kNaN)));
}

// ------------------------------------------------------- version string

// The caller's own string 1, which must stay reachable around GetVersion.
const char kCallerString[] = "caller's own string 1";

#ifndef _WIN32
const AFX_STRING_RESOURCE s_callerStrings[] = {{1, kCallerString}};
const AFX_RESOURCE_MODULE s_callerModule = {s_callerStrings, 1};
#endif

class Version : public ::testing::Test
{
protected:
    void SetUp() override
    {
#ifdef _WIN32
        // The program's own string table (HalinTest.rc).
        HINSTANCE hSelf = ::GetModuleHandle(nullptr);
#else
        HINSTANCE hSelf = &s_callerModule;
#endif
        AfxSetInstanceHandle(hSelf);
        AfxSetResourceHandle(hSelf);
    }
};

TEST_F(Version, IsTheLibrarysString)
{
    const CString strVersion = CHalin::GetVersion();
    EXPECT_STREQ(strVersion, "1.0.0.0");
    // A second call finds the library's module again.
    EXPECT_STREQ(CHalin::GetVersion(), "1.0.0.0");
}

TEST_F(Version, LeavesTheCallersResourcesCurrent)
{
    const HINSTANCE hBefore = AfxGetResourceHandle();
    CHalin::GetVersion();
    EXPECT_EQ(AfxGetResourceHandle(), hBefore);

    CString strOwn;
    EXPECT_TRUE(strOwn.LoadString(1));
    EXPECT_STREQ(strOwn, kCallerString);
}

// ----------------------------------------------------------- the class

static_assert(std::is_default_constructible<CHalin>::value, "constructible");
static_assert(std::is_copy_constructible<CHalin>::value, "copyable");
static_assert(std::is_copy_assignable<CHalin>::value, "assignable");
static_assert(std::has_virtual_destructor<CHalin>::value, "deletable through a base pointer");
static_assert(sizeof(CHalin) == sizeof(void*), "no data beside the virtual table pointer");

// Counts destructions, to see deletes through CHalin* reach the derived class.
struct CCountedHalin : CHalin
{
    static int s_nDestroyed;
    ~CCountedHalin() override { ++s_nDestroyed; }
};
int CCountedHalin::s_nDestroyed = 0;

TEST(HalinObject, CopyAndAssignmentChangeNothing)
{
    CCountedHalin derived;
    unsigned char before[sizeof(CHalin)];
    std::memcpy(before, static_cast<CHalin*>(&derived), sizeof before);

    CHalin plain;
    CHalin& base = derived;
    CHalin& result = (base = plain);
    EXPECT_EQ(&result, &base);
    // The derived object keeps its own virtual table.
    EXPECT_EQ(typeid(base), typeid(CCountedHalin));
    EXPECT_EQ(std::memcmp(before, static_cast<CHalin*>(&derived), sizeof before), 0);

    CHalin copy(base); // slices to a plain CHalin
    EXPECT_EQ(typeid(copy), typeid(CHalin));
}

TEST(HalinObject, DeletesThroughBasePointer)
{
    CCountedHalin::s_nDestroyed = 0;
    CHalin* pSingle = new CCountedHalin;
    delete pSingle;
    EXPECT_EQ(CCountedHalin::s_nDestroyed, 1);

    std::unique_ptr<CHalin[]> pArray(new CHalin[4]);
    pArray[1] = pArray[2];
    pArray.reset();

    std::unique_ptr<CHalin> pOwned(new CHalin(CHalin()));
    EXPECT_EQ(typeid(*pOwned), typeid(CHalin));
}

} // namespace
