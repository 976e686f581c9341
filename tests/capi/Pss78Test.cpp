// PSS-78 to the last bit and its inverse to 1e-12: conductivity to salinity gives what it gave before its
// speed work (hashes recorded from that build; PSS-78 takes only the basic operations and square roots, so one
// hash holds on every platform), and salinity to conductivity lands within 1e-12 of the root of the forward
// function, which is the inverse's definition.
#include "halic.h"
#include "ResultBits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const int kInputs = 20000;
const double kTolerance = 1e-12; // relative, in the conductivity ratio

// The forward function at a ratio: what halic_sp_from_c gives for conductivity R C3515.
double SalinityAt(double R, double t, double p)
{
    return halic_sp_from_c(R * HALIC_C3515, t, p);
}

// The inverse's ratio R for S lies within kTolerance of the root: the forward function is at most S just
// below R and at least S just above it (or refuses the conductivity as giving more than 42, at 42 itself).
void ExpectWithinToleranceOfTheRoot(double S, double t, double p)
{
    const double R = halic_r_from_sp(S, t, p);
    ASSERT_TRUE(std::isfinite(R)) << "S=" << S << " t=" << t << " p=" << p;
    const double dBelow = SalinityAt(R * (1.0 - kTolerance), t, p);
    EXPECT_LE(dBelow, S) << "S=" << S << " t=" << t << " p=" << p << ": the root is below R";
    const double dAbove = SalinityAt(R * (1.0 + kTolerance), t, p);
    if (std::isnan(dAbove))
        EXPECT_TRUE(S == 42.0 && halic_last_error() == HALIC_E_CONDUCTIVITY) << "S=" << S << " t=" << t << " p=" << p;
    else
        EXPECT_GE(dAbove, S) << "S=" << S << " t=" << t << " p=" << p << ": the root is above R";
}

// Both ends, both sides of the seam at 2 where the low-salinity formula takes over, the dip of that formula
// just above 0, and the whole of PSS-78's temperatures and halic's pressures.
TEST(Pss78Inverse, WithinToleranceOfTheRootOnAGrid)
{
    for (double S : {0.0, 1e-12, 1e-6, 1e-3, 0.01, 0.1, 0.5, 1.0, 1.5, 1.999999, 2.0, 2.000001, 3.0, 5.0, 10.0,
                     20.0, 30.0, 35.0, 40.0, 41.99, 42.0})
        for (double t : {-2.0, -1.0, 0.0, 5.0, 10.0, 15.0, 20.0, 25.0, 30.0, 34.0, 35.0})
            for (double p : {0.0, 100.0, 1000.0, 5000.0, 10000.0})
                ExpectWithinToleranceOfTheRoot(S, t, p);
}

// Between the grid's rows: salinities spread over the range and over its first 2 (the low-salinity formula).
TEST(Pss78Inverse, WithinToleranceOfTheRootBetweenTheRows)
{
    CInputs inputs;
    for (int i = 0; i < kInputs; ++i)
    {
        const double S = inputs.Next(0.0, i % 4 == 0 ? 2.0 : 42.0);
        ExpectWithinToleranceOfTheRoot(S, inputs.Next(-2.0, 35.0), inputs.Next(0.0, 10000.0));
    }
}

// Conductivity to salinity over halic's range of t and p: C up to 70 mS/cm (beyond 42 as well, where the
// answer is NaN), and C up to 3 mS/cm for the low-salinity formula. The scalar and the array form alike.
struct SForwardRow
{
    const char* pszName;
    double dMaxC; // mS/cm
    uint64_t nHash;
};

TEST(Pss78Forward, UnchangedToTheLastBit)
{
    const SForwardRow rows[] = {
        {"C 0 to 70 mS/cm", 70.0, 0xE50A45234E3BCE9Bu},
        {"C 0 to 3 mS/cm", 3.0, 0x38788084E48DCA40u},
    };
    for (const SForwardRow& row : rows)
    {
        auto scalar = [&row](CInputs& in) {
            const double C = in.Next(0.0, row.dMaxC);
            const double t = in.Next(-2.0, 35.0);
            return halic_sp_from_c(C, t, in.Next(0.0, 10000.0));
        };
        EXPECT_EQ(HashResults(kInputs, scalar), row.nHash) << row.pszName << ", one by one";

        std::vector<double> C(kInputs), t(kInputs), p(kInputs), SP(kInputs);
        CInputs inputs;
        for (int i = 0; i < kInputs; ++i)
        {
            C[i] = inputs.Next(0.0, row.dMaxC);
            t[i] = inputs.Next(-2.0, 35.0);
            p[i] = inputs.Next(0.0, 10000.0);
        }
        halic_sp_from_c_n(kInputs, C.data(), t.data(), p.data(), SP.data());
        int i = 0;
        EXPECT_EQ(HashResults(kInputs, [&](CInputs&) { return SP[i++]; }), row.nHash) << row.pszName << ", an array";
    }
}

// The array forms compute runs of elements ahead, two at a time: with their results written over any one of
// their inputs they still give, element by element, what the scalar forms give, with the count of NaNs and
// the first one's reason. The inputs mix both formulas (salinity below and above 2), odd runs, and elements
// refused between runs (a temperature beyond 35) and, for SP from C, inside a run (more than 42).
struct SArrayRow
{
    const char* pszName;
    double (*scalar)(double, double, double);
    decltype(&halic_sp_from_c_n) array; // the array form, whatever its count type
    double dLowMax, dMax; // the first argument's range, one element in five and the others
    int nFirstReason;     // the first NaN's
};

TEST(Pss78Arrays, OverTheirOwnInputsAsTheScalarForms)
{
    const SArrayRow rows[] = {
        {"halic_sp_from_c_n", halic_sp_from_c, halic_sp_from_c_n, 3.0, 70.0, HALIC_E_CONDUCTIVITY},
        {"halic_c_from_sp_n", halic_c_from_sp, halic_c_from_sp_n, 2.0, 42.0, HALIC_E_TEMPERATURE},
        {"halic_r_from_sp_n", halic_r_from_sp, halic_r_from_sp_n, 2.0, 42.0, HALIC_E_TEMPERATURE},
    };
    const int n = 1001; // odd, so that a run ends on a single element
    for (const SArrayRow& row : rows)
    {
        std::vector<double> a(n), t(n), p(n), expected(n);
        CInputs inputs;
        long nExpectedNaN = 0;
        int nFirstReason = HALIC_OK;
        for (int i = 0; i < n; ++i)
        {
            a[i] = inputs.Next(0.0, i % 5 == 0 ? row.dLowMax : row.dMax);
            t[i] = inputs.Next(-2.0, i % 7 == 3 ? 36.0 : 35.0);
            p[i] = inputs.Next(0.0, 10000.0);
            expected[i] = row.scalar(a[i], t[i], p[i]);
            if (std::isnan(expected[i]) && nExpectedNaN++ == 0)
                nFirstReason = halic_last_error();
        }
        ASSERT_EQ(nFirstReason, row.nFirstReason) << row.pszName << ": the inputs should start with that fault";
        for (int nOutput = 0; nOutput < 3; ++nOutput)
        {
            std::vector<double> copies[3] = {a, t, p};
            double* pOut = copies[nOutput].data();
            EXPECT_EQ(row.array(n, copies[0].data(), copies[1].data(), copies[2].data(), pOut), nExpectedNaN)
                << row.pszName << " over input " << nOutput;
            EXPECT_EQ(halic_last_error(), nFirstReason) << row.pszName << " over input " << nOutput;
            for (int i = 0; i < n; ++i)
            {
                if (std::isnan(expected[i]))
                    EXPECT_TRUE(std::isnan(pOut[i])) << row.pszName << " over input " << nOutput << ", element " << i;
                else
                    EXPECT_EQ(pOut[i], expected[i]) << row.pszName << " over input " << nOutput << ", element " << i;
            }
        }
    }
}

} // namespace
