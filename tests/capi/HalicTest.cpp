// Check values of halic, the C interface, grouped by behaviour: the specific-gravity conventions and their
// inverse, PSS-78 (UNESCO 1983's and TEOS-10's check values), hali's quantities as passed through, the reasons
// for bad input at every function, and the array forms against the scalar ones. Each tolerance is half a unit
// in the last digit given; kExact rows compare the doubles themselves.
#include "CheckTable.h"
#include "Identity.h"
#include "halic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kExact = 0.0;
const double kT68PerT90 = 1.00024; // the check values of UNESCO 1983 are on IPTS-68

TEST(SpecificGravity, ConventionCheckValues)
{
    ExpectChecks({
        ROW(halic_sg(35, kNaN, HALIC_SG_25_25), 1.02637, 5e-6),
        ROW(halic_sg(35, kNaN, HALIC_SG_20_20), 1.02660, 5e-6),
        ROW(halic_sg(35, kNaN, HALIC_SG_60_60F), 1.02686, 5e-6),
        ROW(halic_sg(35, kNaN, HALIC_SG_15_4), 1.02600, 5e-6),
        ROW(halic_sg(35, 25, HALIC_SG_T_4), 1.02337, 5e-6),
        ROW(halic_sg(35, 25, HALIC_SG_T_T), 1.02637, 5e-6),
        ROW(halic_sg(0, 17.3, HALIC_SG_T_T), 1.0, kExact), // pure water against itself
        // A fixed convention takes its own temperature as well as NaN, to the convention's fourth decimal.
        ROW(halic_sg(35, 25, HALIC_SG_25_25), halic_sg(35, kNaN, HALIC_SG_25_25), kExact),
        ROW(halic_sg(35, 15.5556, HALIC_SG_60_60F), halic_sg(35, kNaN, HALIC_SG_60_60F), kExact),
        // The conventions are the two-temperature form with their temperatures.
        ROW(halic_sg(35, 25, HALIC_SG_T_4), halic_sg_at(35, 25, 4), kExact),
        ROW(halic_sg(35, kNaN, HALIC_SG_15_4), halic_sg_at(35, 15, 4), kExact),
    });
}

TEST(SpecificGravity, SalinityFromAReading)
{
    ExpectChecks({
        ROW(halic_salinity_from_sg(1.0264, kNaN, HALIC_SG_25_25), 35.04, 5e-3),
        ROW(halic_salinity_from_sg(1.023, 25, HALIC_SG_T_4), 34.51, 5e-3),
        ROW(halic_salinity_from_sg(1.023, 25, HALIC_SG_T_T), 30.54, 5e-3),
        ROW(halic_salinity_from_sg_at(1.023, 25, 25), 30.54, 5e-3),
        // The ends of the range come back exactly.
        ROW(halic_salinity_from_sg(halic_sg(0, 3, HALIC_SG_T_4), 3, HALIC_SG_T_4), 0.0, kExact),
        ROW(halic_salinity_from_sg(halic_sg(42, 3, HALIC_SG_T_4), 3, HALIC_SG_T_4), 42.0, kExact),
        ROW(halic_salinity_from_sg(1.0, 11, HALIC_SG_T_T), 0.0, kExact),
    });
}

TEST(SpecificGravity, RoundTripOverTheRange)
{
    double dWorst = 0.0;
    for (int convention : {HALIC_SG_T_T, HALIC_SG_T_4})
        for (double t = 0; t <= 40; t += 1)
            for (double S = 0; S <= 42; S += 0.25)
            {
                const double dBack = halic_salinity_from_sg(halic_sg(S, t, convention), t, convention);
                ASSERT_NEAR(dBack, S, 1e-9) << halic_convention_name(convention) << " t=" << t << " S=" << S;
                dWorst = std::fmax(dWorst, std::fabs(dBack - S));
            }
    RecordProperty("worst", std::to_string(dWorst));
}

TEST(SpecificGravity, ConventionsByName)
{
    const char* const names[HALIC_SG_CONVENTIONS] = {"t/t", "t/4", "15/4", "20/20", "25/25", "60/60F"};
    for (int c = 0; c < HALIC_SG_CONVENTIONS; ++c)
        EXPECT_STREQ(halic_convention_name(c), names[c]);
    ExpectChecks({
        ROW(halic_convention_sample_temperature(HALIC_SG_15_4), 15.0, kExact),
        ROW(halic_convention_reference_temperature(HALIC_SG_15_4), 4.0, kExact),
        ROW(halic_convention_sample_temperature(HALIC_SG_60_60F), (60.0 - 32.0) / 1.8, 2e-15),
    });
    // The caller's temperature: NaN, and no error.
    EXPECT_TRUE(std::isnan(halic_convention_sample_temperature(HALIC_SG_T_4)));
    EXPECT_TRUE(std::isnan(halic_convention_reference_temperature(HALIC_SG_T_T)));
    EXPECT_EQ(halic_last_error(), HALIC_OK);
}

TEST(Pss78, CheckValues)
{
    ExpectChecks({
        // UNESCO 1983, the conductivity ratio at (S, t68, p).
        ROW(halic_r_from_sp(25, 0 / kT68PerT90, 0), 0.49800825, 5e-9),
        ROW(halic_r_from_sp(25, 10 / kT68PerT90, 0), 0.65499015, 5e-9),
        ROW(halic_r_from_sp(25, 0 / kT68PerT90, 1000), 0.50624434, 5e-9),
        ROW(halic_r_from_sp(25, 10 / kT68PerT90, 1000), 0.66297496, 5e-9),
        ROW(halic_r_from_sp(40, 10 / kT68PerT90, 0), 1.00007311, 5e-9),
        ROW(halic_r_from_sp(40, 30 / kT68PerT90, 0), 1.52996697, 5e-9),
        // The scale's definition: R = 1 for S = 35 at 15 degC (IPTS-68), 0 dbar, to r_t's seven decimals.
        ROW(halic_r_from_sp(35, 15 / kT68PerT90, 0), 1.0, 5e-8),
        ROW(halic_c_from_sp(35, 15 / kT68PerT90, 0), HALIC_C3515, 5e-8 * HALIC_C3515),
        // TEOS-10's check value for SP from C, on ITS-90.
        ROW(halic_sp_from_c(34.5487, 28.7856, 10), 20.009869599, 5e-10),
        ROW(halic_c_from_sp(35, 25, 0), 53.071, 5e-4),
        ROW(halic_sp_from_c(0, 20, 500), 0.0, kExact),
    });
}

// SP to C and back, and C to SP and back, across both formulas and the seam at 2.
TEST(Pss78, RoundTripOverTheRange)
{
    for (double SP : {0.0, 1e-6, 0.001, 0.01, 0.1, 0.5, 1.0, 1.5, 1.999999, 2.0, 2.000001, 5.0, 20.0, 35.0, 42.0})
        for (double t : {-2.0, 0.0, 10.0, 25.0, 35.0})
            for (double p : {0.0, 1000.0, 5000.0, 10000.0})
            {
                const double C = halic_c_from_sp(SP, t, p);
                const double dSP = halic_sp_from_c(C, t, p);
                EXPECT_NEAR(dSP, SP, 1e-12) << "SP=" << SP << " t=" << t << " p=" << p;
                EXPECT_NEAR(halic_c_from_sp(dSP, t, p), C, 1e-12 * C) << "SP=" << SP << " t=" << t << " p=" << p;
            }
}

// The calls pass their arguments to hali in order: one row each, against HalinTest's values.
TEST(HaliQuantities, PassedThrough)
{
    ExpectChecks({
        ROW(halic_density(35, 25, 0), 1023.3430585, 5e-8),
        ROW(halic_density(40, 40, 10000), 1059.8203768, 5e-8),
        ROW(halic_potential_temperature(35, 10, 1000), 9.879423866, 5e-10),
        ROW(halic_depth(10000, 30), 9712.653, 5e-4),
        ROW(halic_depth(10000, -30), 9712.653, 5e-4),
        ROW(halic_convert(26, 1.024, 24, 35, 1, 1), 1.0233919850, 5e-11),
        ROW(halic_convert(26, 1.024, 24, 35, 1, 0), 1.0233919777, 5e-11),
        ROW(halic_convert(26, 1.024, 24, 35, 1000, 1), 1.0233824982, 5e-11),
    });
}

// Each range's ends, the header's macros, are inside it, and the next double beyond each is refused.
TEST(Arguments, TheHeadersRangesAreTheBounds)
{
    const double kSgMin = std::nextafter(0.0, 1.0); // the smallest reading above 0
    auto above = [](double d) { return std::nextafter(d, kInf); };
    auto below = [](double d) { return std::nextafter(d, -kInf); };
    struct Row { const char* pszWhat; std::function<double(double)> call; double dLow, dHigh; int nReason; };
    const Row rows[] = {
        {"sg SP", [](double x) { return halic_sg(x, 25, HALIC_SG_T_T); }, HALIC_SP_MIN, HALIC_SP_MAX, HALIC_E_SALINITY},
        {"sg t", [](double x) { return halic_sg(35, x, HALIC_SG_T_4); }, HALIC_T_MIN, HALIC_T_MAX, HALIC_E_TEMPERATURE},
        {"sg_at t_ref", [](double x) { return halic_sg_at(35, 25, x); }, HALIC_T_MIN, HALIC_T_MAX, HALIC_E_TEMPERATURE},
        {"salinity_from_sg_at t", [](double x) { return halic_salinity_from_sg_at(1.0, x, x); }, HALIC_T_MIN,
         HALIC_T_MAX, HALIC_E_TEMPERATURE},
        {"sp_from_c t", [](double x) { return halic_sp_from_c(20, x, 0); }, HALIC_T_MIN, HALIC_PSS78_T_MAX,
         HALIC_E_TEMPERATURE},
        {"sp_from_c p", [](double x) { return halic_sp_from_c(20, 10, x); }, 0.0, HALIC_P_MAX, HALIC_E_PRESSURE},
        {"c_from_sp SP", [](double x) { return halic_c_from_sp(x, -2, 10000); }, HALIC_SP_MIN, HALIC_SP_MAX,
         HALIC_E_SALINITY},
        {"r_from_sp t", [](double x) { return halic_r_from_sp(35, x, 0); }, HALIC_T_MIN, HALIC_PSS78_T_MAX,
         HALIC_E_TEMPERATURE},
        {"density p", [](double x) { return halic_density(42, 40, x); }, 0.0, HALIC_P_MAX, HALIC_E_PRESSURE},
        {"potential_temperature t", [](double x) { return halic_potential_temperature(42, x, 10000); }, HALIC_T_MIN,
         HALIC_T_MAX, HALIC_E_TEMPERATURE},
        {"depth latitude", [](double x) { return halic_depth(10000, x); }, -HALIC_LATITUDE_MAX, HALIC_LATITUDE_MAX,
         HALIC_E_LATITUDE},
        {"convert t0", [](double x) { return halic_convert(40, 1.024, x, 35, 1, 1); }, HALIC_T_MIN, HALIC_T_MAX,
         HALIC_E_TEMPERATURE},
        {"convert sg0", [](double x) { return halic_convert(-2, x, 40, 0, 10000, 1); }, kSgMin, HALIC_SG_MAX,
         HALIC_E_GRAVITY},
        {"convert depth_m", [](double x) { return halic_convert(26, 1.024, 24, 42, x, 0); }, 0.0, HALIC_P_MAX,
         HALIC_E_PRESSURE},
    };
    for (const Row& row : rows)
    {
        for (double dInside : {row.dLow, row.dHigh})
        {
            const double dGot = row.call(dInside);
            EXPECT_TRUE(std::isfinite(dGot)) << row.pszWhat << " at " << dInside << ": " << halic_last_error_text();
            EXPECT_EQ(halic_last_error(), HALIC_OK) << row.pszWhat << " at " << dInside;
        }
        for (double dOutside : {below(row.dLow), above(row.dHigh)})
        {
            EXPECT_TRUE(std::isnan(row.call(dOutside))) << row.pszWhat << " at " << dOutside;
            EXPECT_EQ(halic_last_error(), row.nReason) << row.pszWhat << " at " << dOutside;
        }
    }
}

TEST(Arguments, BadInputAtEveryFunction)
{
    ExpectBad({
        BAD(halic_sg(kNaN, 25, HALIC_SG_T_T), HALIC_E_NOT_FINITE, "SP"),
        BAD(halic_sg(42.001, 25, HALIC_SG_T_T), HALIC_E_SALINITY, "SP"),
        BAD(halic_sg(35, kInf, HALIC_SG_T_T), HALIC_E_NOT_FINITE, "t"),
        BAD(halic_sg(35, 40.001, HALIC_SG_T_T), HALIC_E_TEMPERATURE, "t"),
        BAD(halic_sg(35, 25, HALIC_SG_CONVENTIONS), HALIC_E_CONVENTION, "convention"),
        BAD(halic_sg(kNaN, 25, 99), HALIC_E_CONVENTION, "convention"), // the convention before all others
        BAD(halic_sg(35, 20, HALIC_SG_25_25), HALIC_E_CONVENTION_TEMPERATURE, "t"),
        BAD(halic_sg_at(35, 25, 40.5), HALIC_E_TEMPERATURE, "t_ref"),
        BAD(halic_salinity_from_sg(0, 25, HALIC_SG_T_T), HALIC_E_GRAVITY, "sg"),
        BAD(halic_salinity_from_sg_at(2.5, 25, 25), HALIC_E_GRAVITY, "sg"), // no water reads that
        BAD(halic_salinity_from_sg(kNaN, 25, HALIC_SG_T_T), HALIC_E_NOT_FINITE, "sg"),
        BAD(halic_salinity_from_sg(1.2, kNaN, HALIC_SG_25_25), HALIC_E_NO_SALINITY, "sg"),
        BAD(halic_salinity_from_sg(0.999, kNaN, HALIC_SG_25_25), HALIC_E_NO_SALINITY, "sg"), // below pure water
        BAD(halic_salinity_from_sg(1.02, 25, 7), HALIC_E_CONVENTION, "convention"),
        BAD(halic_salinity_from_sg(1.02, 4, HALIC_SG_15_4), HALIC_E_CONVENTION_TEMPERATURE, "t"),
        BAD(halic_salinity_from_sg_at(1.02, 25, -3), HALIC_E_TEMPERATURE, "t_ref"),
        BAD(halic_salinity_from_sg_at(1.1, 25, 25), HALIC_E_NO_SALINITY, "sg"),
        BAD(halic_sp_from_c(-1e-9, 10, 0), HALIC_E_CONDUCTIVITY, "C"),
        BAD(halic_sp_from_c(80, 10, 0), HALIC_E_CONDUCTIVITY, "C"),      // beyond 42
        BAD(halic_sp_from_c(0.0005, 10, 0), HALIC_E_CONDUCTIVITY, "C"),  // where the low-salinity formula dips
        BAD(halic_sp_from_c(40, 35.001, 0), HALIC_E_TEMPERATURE, "t"),  // PSS-78 ends at 35 degC
        BAD(halic_sp_from_c(40, 10, 10000.5), HALIC_E_PRESSURE, "p"),
        BAD(halic_c_from_sp(42.5, 10, 0), HALIC_E_SALINITY, "SP"),
        BAD(halic_c_from_sp(35, 10, kNaN), HALIC_E_NOT_FINITE, "p"),
        BAD(halic_r_from_sp(35, 10, 20000), HALIC_E_PRESSURE, "p"),
        BAD(halic_density(-1, 10, 0), HALIC_E_SALINITY, "SP"),
        BAD(halic_density(35, 10, -1), HALIC_E_PRESSURE, "p"),
        BAD(halic_potential_temperature(35, kNaN, 100), HALIC_E_NOT_FINITE, "t"),
        BAD(halic_potential_temperature(35, 10, 10001), HALIC_E_PRESSURE, "p"),
        BAD(halic_depth(-1, 30), HALIC_E_PRESSURE, "p"),
        BAD(halic_depth(1000, 90.5), HALIC_E_LATITUDE, "latitude"),
        BAD(halic_convert(kNaN, 1.024, 24, 35, 1, 1), HALIC_E_NOT_FINITE, "t"),
        BAD(halic_convert(26, 0, 24, 35, 1, 1), HALIC_E_GRAVITY, "sg0"),
        BAD(halic_convert(26, 1.024, 41, 35, 1, 1), HALIC_E_TEMPERATURE, "t0"),
        BAD(halic_convert(26, 1.024, 24, 43, 1, 1), HALIC_E_SALINITY, "SP"),
        BAD(halic_convert(26, 1.024, 24, 35, 10001, 0), HALIC_E_PRESSURE, "depth_m"),
        BAD(halic_convention_sample_temperature(6), HALIC_E_CONVENTION, "convention"),
    });
    EXPECT_EQ(halic_convention_name(HALIC_SG_CONVENTIONS), nullptr);
    EXPECT_EQ(halic_last_error(), HALIC_E_CONVENTION);
}

// The text of each kind of reason.
TEST(Arguments, ErrorTexts)
{
    std::vector<double> t = {25, 25, 50};
    std::vector<double> SP = {35, 35, 35}, p = {0, 0, 0}, rho(3);
    // Each call is made as its row is built, and its text read at once.
    auto text = [](double) { return std::string(halic_last_error_text()); };
    const std::pair<std::string, const char*> rows[] = {
        {text(halic_sg(35, 41, HALIC_SG_T_T)), "t = 41 is outside -2 to 40 degC"},
        // A value shows as the shortest text that reads back as itself, never as the bound it passed.
        {text(halic_density(std::nextafter(42.0, kInf), 10, 0)), "SP = 42.00000000000001 is outside 0 to 42"},
        {text(halic_depth(-4.9e-324, 0)), "p = -5e-324 is outside 0 to 10000 dbar"},
        {text(halic_sg(35, 25.0000500000001, HALIC_SG_25_25)),
         "t = 25.0000500000001 degC differs from the 25 degC the convention fixes (give 25)"},
        {text(halic_sg(35, kInf, HALIC_SG_T_T)), "t = inf is not a finite number"},
        {text(halic_sg(35, 25, 9)), "convention = 9 is no convention (0 to 5)"},
        {text(halic_sg(35, 20, HALIC_SG_25_25)), "t = 20 degC differs from the 25 degC the convention fixes (give 25)"},
        {text(halic_sg(35, 20, HALIC_SG_60_60F)),
         "t = 20 degC differs from the 15.5556 degC the convention fixes (give 15.5556)"},
        {text(halic_salinity_from_sg(0, 25, HALIC_SG_T_T)), "sg = 0 is outside 0 to 2, 0 itself excluded"},
        {text(halic_salinity_from_sg(1.5, 25, HALIC_SG_T_T)),
         "sg = 1.5 is read by no salinity from 0 to 42 at these temperatures"},
        {text(halic_sp_from_c(70, 10, 0)), "C = 70 mS/cm gives no salinity from 0 to 42 at this t and p"},
        {text(halic_sp_from_c(-0.5, 10, 0)), "C = -0.5 mS/cm is negative"},
        {text(halic_density_n(3, SP.data(), nullptr, p.data(), rho.data())), "t is a null array"},
        {text(halic_density_n(-2, SP.data(), t.data(), p.data(), rho.data())), "n = -2 is negative"},
        {text(halic_density_n(PTRDIFF_MAX, SP.data(), t.data(), p.data(), rho.data())),
         "n = 9223372036854775807 is more doubles than memory holds"},
        {text(halic_density_n(3, SP.data(), t.data(), p.data(), SP.data() + 1)), "rho overlaps SP other than exactly"},
        {text(halic_density_n(3, SP.data(), t.data(), p.data(), rho.data())), "element 2: t = 50 is outside -2 to 40 degC"},
        {text(halic_density(35, 25, 0)), ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.first, row.second);
    for (int e = HALIC_OK; e <= HALIC_E_READING; ++e) // the last code, the instruments'
        EXPECT_STRNE(halic_error_message(e), "unknown error") << e;
    EXPECT_STREQ(halic_error_message(HALIC_E_READING + 1), "unknown error");
}

// The advice in the text of a temperature a convention does not take is a value it takes.
TEST(Arguments, TheAdviceIsTaken)
{
    for (int convention = 0; convention < HALIC_SG_CONVENTIONS; ++convention)
    {
        if (std::isnan(halic_convention_sample_temperature(convention)))
            continue;
        for (double t : {-2.0, 15.5, 15.56, 25.001})
        {
            if (!std::isnan(halic_sg(35, t, convention)))
                continue;
            ASSERT_EQ(halic_last_error(), HALIC_E_CONVENTION_TEMPERATURE) << convention << " " << t;
            const std::string text = halic_last_error_text();
            const size_t nAt = text.find("(give ");
            ASSERT_NE(nAt, std::string::npos) << text;
            const double dAdvised = std::strtod(text.c_str() + nAt + 6, nullptr);
            EXPECT_EQ(halic_sg(35, dAdvised, convention), halic_sg(35, kNaN, convention)) << text;
            EXPECT_EQ(halic_salinity_from_sg(1.02, dAdvised, convention), halic_salinity_from_sg(1.02, kNaN, convention))
                << text;
        }
    }
}

// Every function over the extremes a double can hold, in every argument: a finite number (no error) or NaN
// with a reason; the huge ones are out of every range and named as the argument at fault.
TEST(Arguments, ExtremeDoublesAtEveryArgument)
{
    struct Function
    {
        const char* pszName;
        std::vector<const char*> arguments; // names, as the texts give them
        std::vector<double> good;           // a call with an answer
        std::function<double(const double*)> call;
    };
    const Function functions[] = {
        {"sg t/4", {"SP", "t"}, {35, 25}, [](const double* a) { return halic_sg(a[0], a[1], HALIC_SG_T_4); }},
        {"sg 25/25", {"SP", "t"}, {35, 25}, [](const double* a) { return halic_sg(a[0], a[1], HALIC_SG_25_25); }},
        {"sg_at", {"SP", "t", "t_ref"}, {35, 25, 4}, [](const double* a) { return halic_sg_at(a[0], a[1], a[2]); }},
        {"salinity_from_sg", {"sg", "t"}, {1.02, 25},
         [](const double* a) { return halic_salinity_from_sg(a[0], a[1], HALIC_SG_T_T); }},
        {"salinity_from_sg_at", {"sg", "t", "t_ref"}, {1.02, 25, 4},
         [](const double* a) { return halic_salinity_from_sg_at(a[0], a[1], a[2]); }},
        {"sp_from_c", {"C", "t", "p"}, {40, 25, 0}, [](const double* a) { return halic_sp_from_c(a[0], a[1], a[2]); }},
        {"c_from_sp", {"SP", "t", "p"}, {35, 25, 0}, [](const double* a) { return halic_c_from_sp(a[0], a[1], a[2]); }},
        {"r_from_sp", {"SP", "t", "p"}, {35, 25, 0}, [](const double* a) { return halic_r_from_sp(a[0], a[1], a[2]); }},
        {"density", {"SP", "t", "p"}, {35, 25, 0}, [](const double* a) { return halic_density(a[0], a[1], a[2]); }},
        {"potential_temperature", {"SP", "t", "p"}, {35, 25, 1000},
         [](const double* a) { return halic_potential_temperature(a[0], a[1], a[2]); }},
        {"depth", {"p", "latitude"}, {1000, 30}, [](const double* a) { return halic_depth(a[0], a[1]); }},
        {"convert", {"t", "sg0", "t0", "SP", "depth_m"}, {26, 1.024, 24, 35, 1},
         [](const double* a) { return halic_convert(a[0], a[1], a[2], a[3], a[4], 1); }},
    };
    const double kDenormal = std::numeric_limits<double>::denorm_min();
    const double extremes[] = {DBL_MAX, -DBL_MAX, kDenormal, -kDenormal, -0.0, DBL_MIN, -DBL_MIN};
    for (const Function& function : functions)
    {
        ASSERT_TRUE(std::isfinite(function.call(function.good.data()))) << function.pszName;
        for (size_t nArgument = 0; nArgument < function.good.size(); ++nArgument)
            for (double dExtreme : extremes)
            {
                std::vector<double> a = function.good;
                a[nArgument] = dExtreme;
                const double dGot = function.call(a.data());
                const int nReason = halic_last_error();
                char szExtreme[32];
                std::snprintf(szExtreme, sizeof szExtreme, "%.17g", dExtreme);
                const std::string where = std::string(function.pszName) + " " + function.arguments[nArgument] + " = " +
                                          szExtreme + ": " + halic_last_error_text();
                EXPECT_FALSE(std::isinf(dGot)) << where;
                EXPECT_EQ(std::isnan(dGot), nReason != HALIC_OK) << where;
                EXPECT_NE(nReason, HALIC_E_RESULT) << where;
                if (std::fabs(dExtreme) == DBL_MAX)
                {
                    const std::string named = function.arguments[nArgument] + std::string(" = ");
                    EXPECT_EQ(std::string(halic_last_error_text()).rfind(named, 0), 0u) << where;
                }
            }
    }
}

// Another thread's fault is not this thread's.
TEST(Arguments, LastErrorIsPerThread)
{
    halic_density(35, 25, 0);
    int nOther = HALIC_OK;
    std::thread([&] { halic_density(35, 99, 0); nOther = halic_last_error(); }).join();
    EXPECT_EQ(nOther, HALIC_E_TEMPERATURE);
    EXPECT_EQ(halic_last_error(), HALIC_OK);
}

// The array forms give, element by element, what the scalar forms give: numbers and NaNs alike, with the
// count of NaNs and the first one's reason. Each input array mixes good and bad elements.
TEST(Arrays, AgreeWithTheScalarForms)
{
    const std::vector<double> SP = {0, 35, 42, 50, 35, 20, 1.5, kNaN, 35};
    const std::vector<double> t = {-2, 25, 40, 10, 45, 15, 10, 10, 10};
    const std::vector<double> p = {0, 1000, 10000, 0, 0, -5, 0, 0, DBL_MAX};
    const std::vector<double> sg = {1.0, 1.0264, 0.5, 1.02, -1, 1.01, 1.001, 1.2, DBL_MAX};
    const std::vector<double> C = {0, 42.914, 30, 1, 70, 0.0005, 2, kInf, DBL_MAX};
    const std::vector<double> t_ref = {4, 40, -2.5, 25, 4, 15, kNaN, 10, -DBL_MAX};
    const std::vector<double> latitude = {0, 90, -90, 91, 45, -30, kNaN, 10, 0};
    const ptrdiff_t n = static_cast<ptrdiff_t>(SP.size());

    ExpectArrayFormsAgree({
        {"sg t/4", [&](double* out) { return halic_sg_n(n, SP.data(), t.data(), HALIC_SG_T_4, out); },
         [&](ptrdiff_t i) { return halic_sg(SP[i], t[i], HALIC_SG_T_4); }},
        {"sg 25/25, no t", [&](double* out) { return halic_sg_n(n, SP.data(), nullptr, HALIC_SG_25_25, out); },
         [&](ptrdiff_t i) { return halic_sg(SP[i], kNaN, HALIC_SG_25_25); }},
        {"sg_at", [&](double* out) { return halic_sg_at_n(n, SP.data(), t.data(), t_ref.data(), out); },
         [&](ptrdiff_t i) { return halic_sg_at(SP[i], t[i], t_ref[i]); }},
        {"salinity t/t", [&](double* out) { return halic_salinity_from_sg_n(n, sg.data(), t.data(), HALIC_SG_T_T, out); },
         [&](ptrdiff_t i) { return halic_salinity_from_sg(sg[i], t[i], HALIC_SG_T_T); }},
        {"salinity_at", [&](double* out) { return halic_salinity_from_sg_at_n(n, sg.data(), t.data(), t_ref.data(), out); },
         [&](ptrdiff_t i) { return halic_salinity_from_sg_at(sg[i], t[i], t_ref[i]); }},
        {"sp_from_c", [&](double* out) { return halic_sp_from_c_n(n, C.data(), t.data(), p.data(), out); },
         [&](ptrdiff_t i) { return halic_sp_from_c(C[i], t[i], p[i]); }},
        {"c_from_sp", [&](double* out) { return halic_c_from_sp_n(n, SP.data(), t.data(), p.data(), out); },
         [&](ptrdiff_t i) { return halic_c_from_sp(SP[i], t[i], p[i]); }},
        {"r_from_sp", [&](double* out) { return halic_r_from_sp_n(n, SP.data(), t.data(), p.data(), out); },
         [&](ptrdiff_t i) { return halic_r_from_sp(SP[i], t[i], p[i]); }},
        {"density", [&](double* out) { return halic_density_n(n, SP.data(), t.data(), p.data(), out); },
         [&](ptrdiff_t i) { return halic_density(SP[i], t[i], p[i]); }},
        {"potential_temperature",
         [&](double* out) { return halic_potential_temperature_n(n, SP.data(), t.data(), p.data(), out); },
         [&](ptrdiff_t i) { return halic_potential_temperature(SP[i], t[i], p[i]); }},
        {"depth", [&](double* out) { return halic_depth_n(n, p.data(), latitude.data(), out); },
         [&](ptrdiff_t i) { return halic_depth(p[i], latitude[i]); }},
        {"convert", [&](double* out) { return halic_convert_n(n, t.data(), 1.024, 24, 35, 1, 1, out); },
         [&](ptrdiff_t i) { return halic_convert(t[i], 1.024, 24, 35, 1, 1); }},
        {"convert, sg0 huge", [&](double* out) { return halic_convert_n(n, t.data(), DBL_MAX, 24, 35, 1, 1, out); },
         [&](ptrdiff_t i) { return halic_convert(t[i], DBL_MAX, 24, 35, 1, 1); }},
    }, n);
}

// Faults of the arrays themselves: -1, nothing written, and they come before any element's, a bad convention's
// too; an output that is an input itself is computed in place.
TEST(Arrays, FaultsOfTheArraysThemselves)
{
    double in[3] = {35, 25, 0}, other[3] = {35, 25, 0}, out[3] = {-7, -7, -7};
    struct Row { const char* pszCall; ptrdiff_t nResult; std::string text; const char* pszExpected; };
    // The text is read as the row is made: the next call overwrites it.
    auto row = [](const char* pszCall, ptrdiff_t nResult, const char* pszExpected) {
        return Row{pszCall, nResult, halic_last_error_text(), pszExpected};
    };
    const Row rows[] = {
        row("null t, t/4", halic_sg_n(2, in, nullptr, HALIC_SG_T_4, out), "t is a null array"),
        row("null t, no convention", halic_sg_n(2, in, nullptr, 99, out), "t is a null array"),
        row("null t_ref", halic_sg_at_n(2, in, in, nullptr, out), "t_ref is a null array"),
        row("null output", halic_salinity_from_sg_n(2, in, in, HALIC_SG_T_T, nullptr), "SP is a null array"),
        row("null input", halic_density_n(2, nullptr, in, in, out), "SP is a null array"),
        row("negative n before a null array", halic_depth_n(-1, nullptr, in, out), "n = -1 is negative"),
        row("n larger than memory", halic_r_from_sp_n(PTRDIFF_MAX / 4, in, in, in, out),
            "n = 2305843009213693951 is more doubles than memory holds"),
        row("output one after an input", halic_potential_temperature_n(2, in, other, other, in + 1),
            "theta overlaps SP other than exactly"),
        row("output one before an input", halic_c_from_sp_n(2, other, in + 1, other, in), "C overlaps t other than exactly"),
        row("convert", halic_convert_n(2, nullptr, 1.024, 24, 35, 1, 1, out), "t is a null array"),
    };
    for (const Row& r : rows)
    {
        EXPECT_EQ(r.nResult, -1) << r.pszCall;
        EXPECT_EQ(r.text, r.pszExpected) << r.pszCall;
    }
    EXPECT_EQ(halic_last_error(), HALIC_E_ARGUMENT);
    for (double d : out)
        EXPECT_EQ(d, -7.0);
    EXPECT_EQ(in[1], 25.0);
    EXPECT_EQ(in[2], 0.0);

    // A bad convention with good arrays: every element NaN, for that reason.
    EXPECT_EQ(halic_sg_n(2, in, in, 99, out), 2);
    EXPECT_EQ(halic_last_error(), HALIC_E_CONVENTION);

    // An empty array, and results written over an input.
    EXPECT_EQ(halic_density_n(0, in, in, in, out), 0);
    EXPECT_EQ(halic_last_error(), HALIC_OK);
    double t[2] = {25, 4}, SP[2] = {35, 0}, p[2] = {0, 0};
    EXPECT_EQ(halic_density_n(2, SP, t, p, t), 0);
    EXPECT_EQ(t[0], halic_density(35, 25, 0));
    EXPECT_EQ(t[1], halic_density(0, 4, 0));
}

// The header's version and the library's are the product's, the same three parts in each form.
TEST(Version, IsTheProducts)
{
    EXPECT_STREQ(halic_version(), VARNOK_VERSION_STRING);
    int nMajor = -1, nMinor = -1, nPatch = -1;
    ASSERT_EQ(std::sscanf(halic_version(), "%d.%d.%d", &nMajor, &nMinor, &nPatch), 3);
    EXPECT_EQ(HALIC_VERSION_MAJOR, nMajor);
    EXPECT_EQ(HALIC_VERSION_MINOR, nMinor);
    EXPECT_EQ(HALIC_VERSION_PATCH, nPatch);
    EXPECT_EQ(HALIC_VERSION_NUMBER, nMajor * 1000000 + nMinor * 1000 + nPatch);
    EXPECT_EQ(halic_version_number(), HALIC_VERSION_NUMBER);
#if HALIC_VERSION_NUMBER < 1000000
#error "the version number is usable in #if and at least 1.0.0"
#endif
}

} // namespace
