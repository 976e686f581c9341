// halic, the C interface: the specific-gravity conventions and their inverse, PSS-78's check values, hali's
// quantities passed through, every function's arguments (ranges, extreme doubles, reasons and texts) and array
// forms. Each tolerance is half a unit in the last digit given; kExact rows compare the doubles themselves.
#include "CheckTable.h"
#include "halic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <functional>
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
    });
}

TEST(SpecificGravity, SalinityFromAReading)
{
    ExpectChecks({
        ROW(halic_salinity_from_sg(1.0264, kNaN, HALIC_SG_25_25), 35.04, 5e-3),
        ROW(halic_salinity_from_sg(1.023, 25, HALIC_SG_T_4), 34.51, 5e-3),
        ROW(halic_salinity_from_sg(1.023, 25, HALIC_SG_T_T), 30.54, 5e-3),
        // The ends of the range come back exactly.
        ROW(halic_salinity_from_sg(halic_sg(0, 3, HALIC_SG_T_4), 3, HALIC_SG_T_4), 0.0, kExact),
        ROW(halic_salinity_from_sg(halic_sg(42, 3, HALIC_SG_T_4), 3, HALIC_SG_T_4), 42.0, kExact),
    });
}

// The names of the conventions and scales, which the command and the Python module take (none for a number
// beyond them), and what each convention fixes.
TEST(Choices, NamesAndTemperatures)
{
    const std::pair<const char* (*)(int), std::vector<const char*>> choices[] = {
        {halic_convention_name, {"t/t", "t/4", "15/4", "20/20", "25/25", "60/60F"}},
        {halic_scale_name, {"seawater", "sg", "nacl"}},
        {halic_baume_name, {"american", "dutch", "gerlach"}},
    };
    for (const auto& [name, names] : choices)
        for (int i = -1; i <= static_cast<int>(names.size()); ++i)
            EXPECT_STREQ(name(i), i >= 0 && i < static_cast<int>(names.size()) ? names[i] : nullptr) << names[0] << i;
    ExpectChecks({
        ROW(halic_convention_sample_temperature(HALIC_SG_15_4), 15.0, kExact),
        ROW(halic_convention_reference_temperature(HALIC_SG_15_4), 4.0, kExact),
        ROW(halic_convention_sample_temperature(HALIC_SG_60_60F), (60.0 - 32.0) / 1.8, 2e-15),
        ROW(halic_convention_sample_temperature(HALIC_SG_T_4), kNaN, kExact), // the caller's
        ROW(halic_convention_reference_temperature(HALIC_SG_T_T), kNaN, kExact),
    });
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

// The calls pass their arguments to hali in order: one row each, against HalinTest's values.
TEST(HaliQuantities, PassedThrough)
{
    ExpectChecks({
        ROW(halic_density(35, 25, 0), 1023.3430585, 5e-8),
        ROW(halic_potential_temperature(35, 10, 1000), 9.879423866, 5e-10),
        ROW(halic_depth(10000, 30), 9712.653, 5e-4),
        ROW(halic_convert(26, 1.024, 24, 35, 1, 1), 1.0233919850, 5e-11),
        ROW(halic_convert(26, 1.024, 24, 35, 1000, 0), 1.0233754408, 5e-11), // depth and flag both passed
    });
}

// A call without an answer: NaN, its reason and its text. Each comes after a call with an answer, which leaves
// no reason and no text behind.
struct SBad { const char* pszCall; std::function<double()> call; int nReason; std::string text; };
#define BAD(call, reason, text) SBad{#call, [] { return static_cast<double>(call); }, reason, text}

// The reasons that are no plain range (Arrays.EveryQuantity tries each range's ends), and a text of each kind.
TEST(Arguments, ReasonsAndTexts)
{
    // The bounds the instruments' texts name, shortest: what salinity 42 reads.
    auto shortest = [](double d) { char sz[32]; return std::string(sz, std::to_chars(sz, sz + sizeof sz, d).ptr); };
    const std::string top = shortest(halic_baume(halic_sg(42, kNaN, HALIC_SG_60_60F), HALIC_BAUME_AMERICAN));
    const std::string nacl = shortest(halic_refractometer_reading(42, 20, 20, HALIC_SCALE_NACL, 0));
    const SBad rows[] = {
        BAD(halic_sg(kNaN, 25, HALIC_SG_CONVENTIONS), HALIC_E_CONVENTION, "convention = 6 is no convention (0 to 5)"),
        BAD(halic_salinity_from_sg(1.02, 25, -1), HALIC_E_CONVENTION, "convention = -1 is no convention (0 to 5)"),
        BAD(halic_convention_sample_temperature(6), HALIC_E_CONVENTION, "convention = 6 is no convention (0 to 5)"),
        // A value shows as the shortest text that reads back as itself, never as the bound it passed.
        BAD(halic_density(std::nextafter(42.0, 43.0), 10, 0), HALIC_E_SALINITY,
            "SP = 42.00000000000001 is outside 0 to 42"),
        BAD(halic_depth(-4.9e-324, 0), HALIC_E_PRESSURE, "p = -5e-324 is outside 0 to 10000 dbar"),
        BAD(halic_sg(35, kInf, HALIC_SG_T_T), HALIC_E_NOT_FINITE, "t = inf is not a finite number"),
        BAD(halic_sg(35, 25.0000500000001, HALIC_SG_25_25), HALIC_E_CONVENTION_TEMPERATURE,
            "t = 25.0000500000001 degC differs from the 25 degC the convention fixes (give 25)"),
        BAD(halic_sg(35, 20, HALIC_SG_60_60F), HALIC_E_CONVENTION_TEMPERATURE,
            "t = 20 degC differs from the 15.5556 degC the convention fixes (give 15.5556)"),
        BAD(halic_salinity_from_sg(1.02, 4, HALIC_SG_15_4), HALIC_E_CONVENTION_TEMPERATURE,
            "t = 4 degC differs from the 15 degC the convention fixes (give 15)"),
        BAD(halic_salinity_from_sg(0, 25, HALIC_SG_T_T), HALIC_E_GRAVITY,
            "sg = 0 is outside 0 to 2, 0 itself excluded"),
        BAD(halic_salinity_from_sg(1.5, 25, HALIC_SG_T_T), HALIC_E_NO_SALINITY,
            "sg = 1.5 is read by no salinity from 0 to 42 at these temperatures"),
        BAD(halic_sp_from_c(-0.5, 10, 0), HALIC_E_CONDUCTIVITY, "C = -0.5 mS/cm is negative"),
        BAD(halic_sp_from_c(0.0005, 10, 0), HALIC_E_CONDUCTIVITY, // where the low-salinity formula dips
            "C = 5e-04 mS/cm gives no salinity from 0 to 42 at this t and p"),
        // The instruments': the index's temperatures, to where its equation strays no more than in its fit (halic.h),
        // the choices before all other arguments, the scales, the readings no salinity gives.
        BAD(halic_refractive_index(35, 32.5, 589.3), HALIC_E_TEMPERATURE, "t = 32.5 is outside -2 to 32 degC"),
        BAD(halic_refractometer_reading(kNaN, 20, 20, HALIC_SCALES, 0), HALIC_E_SCALE,
            "scale = 3 is no scale (0 to 2)"),
        BAD(halic_refractometer_reading(35, 20, 20, HALIC_SCALE_SG, 9), HALIC_E_CONVENTION,
            "convention = 9 is no convention (0 to 5)"),
        BAD(halic_salinity_from_refractometer(60, 20, 20, HALIC_SCALE_NACL, 0), HALIC_E_READING,
            "reading = 60 is outside 0 to " + nacl + " per mille, what the instrument reads"),
        BAD(halic_hydrometer_reading(35, 26, 20, HALIC_GLASS_EXPANSION, HALIC_SG_15_4), HALIC_E_CONVENTION_TEMPERATURE,
            "t_cal = 20 degC differs from the 15 degC the convention fixes (give 15)"),
        BAD(halic_hydrometer_reading(35, 26, 20, HALIC_GLASS_EXPANSION, 6), HALIC_E_CONVENTION,
            "convention = 6 is no convention (0 to 5)"),
        BAD(halic_salinity_from_hydrometer(0.99, 20, kNaN, 0, HALIC_SG_20_20), HALIC_E_NO_SALINITY,
            "reading = 0.99 is below 1, what pure water (salinity 0) gives at these temperatures"),
        BAD(halic_baume(1.02, 3), HALIC_E_SCALE, "scale = 3 is no scale (0 to 2)"),
        BAD(halic_salinity_from_baume(26, kNaN, HALIC_SG_60_60F, HALIC_BAUME_AMERICAN), HALIC_E_NO_SALINITY,
            "degrees = 26 is past " + top + ", what salinity 42 gives at these temperatures: the seawater equations "
            "stop there"),
        BAD(halic_salinity_from_baume(3, 25, HALIC_SG_60_60F, HALIC_BAUME_AMERICAN), HALIC_E_CONVENTION_TEMPERATURE,
            "t = 25 degC differs from the 15.5556 degC the convention fixes (give 15.5556)"),
        BAD(halic_salinity_from_baume(3, 25, 99, 99), HALIC_E_CONVENTION, "convention = 99 is no convention (0 to 5)"),
    };
    for (const SBad& row : rows)
    {
        EXPECT_FALSE(std::isnan(halic_density(35, 25, 0)));
        EXPECT_STREQ(halic_last_error_text(), "");
        const double dGot = row.call();
        EXPECT_TRUE(std::isnan(dGot)) << row.pszCall << " gave " << dGot;
        EXPECT_EQ(halic_last_error(), row.nReason) << row.pszCall;
        EXPECT_EQ(halic_last_error_text(), row.text) << row.pszCall;
    }
    for (int e = HALIC_OK; e <= HALIC_E_READING; ++e) // the last code, the instruments'
        EXPECT_STRNE(halic_error_message(e), "unknown error") << e;
    EXPECT_STREQ(halic_error_message(HALIC_E_READING + 1), "unknown error");
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

// What an argument may be, as halic.h gives it, and the reason beyond; an infinite end is no bound. The elements
// of Arrays.EveryQuantity spread over dSpreadLow to dSpreadHigh where given (where a bound is none, or answers
// are few), else just beyond the range.
struct SRange { double dLow, dHigh; int nReason; double dSpreadLow = 0, dSpreadHigh = 0; };
const SRange kS = {HALIC_SP_MIN, HALIC_SP_MAX, HALIC_E_SALINITY};
const SRange kT = {HALIC_T_MIN, HALIC_T_MAX, HALIC_E_TEMPERATURE};
const SRange kPss78T = {HALIC_T_MIN, HALIC_PSS78_T_MAX, HALIC_E_TEMPERATURE};
const SRange kRefractionT = {HALIC_T_MIN, HALIC_REFRACTION_T_MAX, HALIC_E_TEMPERATURE};
const SRange kP = {0, HALIC_P_MAX, HALIC_E_PRESSURE};
const SRange kSg = {std::numeric_limits<double>::denorm_min(), HALIC_SG_MAX, HALIC_E_GRAVITY, 0.98, 1.05}; // not 0
const SRange kC = {0, kInf, HALIC_E_CONDUCTIVITY, 0, 60};
const SRange kLatitude = {-HALIC_LATITUDE_MAX, HALIC_LATITUDE_MAX, HALIC_E_LATITUDE};
const SRange kWavelength = {HALIC_WAVELENGTH_MIN, HALIC_WAVELENGTH_MAX, HALIC_E_WAVELENGTH};
const SRange kIndex = {-kInf, kInf, HALIC_E_NO_SALINITY, 1.33, 1.342};
// A refractometer's reading: held to its scale after the temperatures are checked, as no salinity is.
const SRange kReading = {-kInf, kInf, HALIC_E_READING, -1, 45};
const SRange kGamma = {0, HALIC_EXPANSION_MAX, HALIC_E_EXPANSION};
const SRange kBaumeSg = {HALIC_BAUME_SG_MIN, HALIC_SG_MAX, HALIC_E_READING};
const SRange kDegrees = {0, 145.0 - 145.0 / HALIC_SG_MAX, HALIC_E_READING, -1, 8}; // the American scale's

// An argument as the texts name it, its range, and its array's name where that differs.
struct SArgument { const char* pszName; SRange range; const char* pszArray = nullptr; };
// A quantity's scalar form over a[0], a[1], ... and its array form over the arrays a[0], a[1], ...
struct SQuantity
{
    const char* pszName;
    std::vector<SArgument> arguments; // as the texts name them
    std::vector<double> good;         // a call with an answer
    const char* pszOutput;            // the array form's result, as its texts name it
    double (*scalar)(const double* a);
    ptrdiff_t (*array)(ptrdiff_t n, const double* const* a, double* r);
    double (*forward)(double SP, const double* a) = nullptr; // what salinity SP reads, of an inverse over a reading
};
// The two forms of f over the same arguments: a[k] is a double in one and an array in the other.
#define FORMS(f, ...) [](const double* a) { return f(__VA_ARGS__); }, \
                      [](ptrdiff_t n, const double* const* a, double* r) { return f##_n(n, __VA_ARGS__, r); }

const SQuantity kQuantities[] = {
    {"sg t/4", {{"SP", kS}, {"t", kT}}, {35, 25}, "sg", FORMS(halic_sg, a[0], a[1], HALIC_SG_T_4)},
    {"sg 25/25, no t", {{"SP", kS}}, {35}, "sg", [](const double* a) { return halic_sg(a[0], kNaN, HALIC_SG_25_25); },
     [](ptrdiff_t n, const double* const* a, double* r) { return halic_sg_n(n, a[0], nullptr, HALIC_SG_25_25, r); }},
    {"sg_at", {{"SP", kS}, {"t", kT}, {"t_ref", kT}}, {35, 25, 4}, "sg", FORMS(halic_sg_at, a[0], a[1], a[2])},
    {"salinity_from_sg t/t", {{"sg", kSg}, {"t", kT}}, {1.02, 25}, "SP",
     FORMS(halic_salinity_from_sg, a[0], a[1], HALIC_SG_T_T),
     [](double S, const double* a) { return halic_sg(S, a[1], HALIC_SG_T_T); }},
    {"salinity_from_sg_at", {{"sg", kSg}, {"t", kT}, {"t_ref", kT}}, {1.02, 25, 4}, "SP",
     FORMS(halic_salinity_from_sg_at, a[0], a[1], a[2]),
     [](double S, const double* a) { return halic_sg_at(S, a[1], a[2]); }},
    {"sp_from_c", {{"C", kC}, {"t", kPss78T}, {"p", kP}}, {40, 25, 0}, "SP", FORMS(halic_sp_from_c, a[0], a[1], a[2])},
    {"c_from_sp", {{"SP", kS}, {"t", kPss78T}, {"p", kP}}, {35, 25, 0}, "C", FORMS(halic_c_from_sp, a[0], a[1], a[2])},
    {"r_from_sp", {{"SP", kS}, {"t", kPss78T}, {"p", kP}}, {35, 25, 0}, "R", FORMS(halic_r_from_sp, a[0], a[1], a[2])},
    {"density", {{"SP", kS}, {"t", kT}, {"p", kP}}, {35, 25, 0}, "rho", FORMS(halic_density, a[0], a[1], a[2])},
    {"potential_temperature", {{"SP", kS}, {"t", kT}, {"p", kP}}, {35, 25, 1000}, "theta",
     FORMS(halic_potential_temperature, a[0], a[1], a[2])},
    {"depth", {{"p", kP}, {"latitude", kLatitude}}, {1000, 30}, "z", FORMS(halic_depth, a[0], a[1])},
    {"convert", {{"t", kT}, {"sg0", kSg}, {"t0", kT}, {"SP", kS}, {"depth_m", kP}}, {26, 1.024, 24, 35, 1}, "sg",
     [](const double* a) { return halic_convert(a[0], a[1], a[2], a[3], a[4], 1); }, nullptr}, // arrays of t only:
    {"convert over t", {{"t", kT}}, {26}, "sg", FORMS(halic_convert, a[0], 1.024, 24, 35, 1, 1)},
    {"refractive_index", {{"SP", kS}, {"t", kRefractionT}, {"wavelength", kWavelength}}, {35, 20, 589.3}, "index",
     FORMS(halic_refractive_index, a[0], a[1], a[2])},
    {"salinity_from_refractive_index", {{"n", kIndex, "index"}, {"t", kRefractionT}, {"wavelength", kWavelength}},
     {1.339, 20, 589.3}, "SP", FORMS(halic_salinity_from_refractive_index, a[0], a[1], a[2]),
     [](double S, const double* a) { return halic_refractive_index(S, a[1], a[2]); }},
    {"refractometer_reading sg 20/20", {{"SP", kS}, {"t", kRefractionT}, {"t_zero", kRefractionT}}, {35, 20, 20},
     "reading", FORMS(halic_refractometer_reading, a[0], a[1], a[2], HALIC_SCALE_SG, HALIC_SG_20_20)},
    {"salinity_from_refractometer seawater", {{"reading", kReading}, {"t", kRefractionT}, {"t_zero", kRefractionT}},
     {35, 20, 20}, "SP", FORMS(halic_salinity_from_refractometer, a[0], a[1], a[2], HALIC_SCALE_SEAWATER, 0),
     [](double S, const double* a) { return halic_refractometer_reading(S, a[1], a[2], HALIC_SCALE_SEAWATER, 0); }},
    {"salinity_from_refractometer nacl", {{"reading", kReading}, {"t", kRefractionT}, {"t_zero", kRefractionT}},
     {36.5, 20, 20}, "SP", FORMS(halic_salinity_from_refractometer, a[0], a[1], a[2], HALIC_SCALE_NACL, 0),
     [](double S, const double* a) { return halic_refractometer_reading(S, a[1], a[2], HALIC_SCALE_NACL, 0); }},
    {"hydrometer_reading t/4", {{"SP", kS}, {"t", kT}, {"t_cal", kT}, {"gamma", kGamma}}, {35, 25, 20, 25e-6},
     "reading", FORMS(halic_hydrometer_reading, a[0], a[1], a[2], a[3], HALIC_SG_T_4)},
    {"hydrometer_reading 25/25, no t_cal", {{"SP", kS}, {"t", kT}, {"gamma", kGamma}}, {35, 25, 25e-6}, "reading",
     [](const double* a) { return halic_hydrometer_reading(a[0], a[1], kNaN, a[2], HALIC_SG_25_25); },
     [](ptrdiff_t n, const double* const* a, double* r) {
         return halic_hydrometer_reading_n(n, a[0], a[1], nullptr, a[2], HALIC_SG_25_25, r); }},
    {"salinity_from_hydrometer t/t", {{"reading", kSg}, {"t", kT}, {"t_cal", kT}, {"gamma", kGamma}},
     {1.02, 25, 20, 25e-6}, "SP", FORMS(halic_salinity_from_hydrometer, a[0], a[1], a[2], a[3], HALIC_SG_T_T),
     [](double S, const double* a) { return halic_hydrometer_reading(S, a[1], a[2], a[3], HALIC_SG_T_T); }},
    {"baume", {{"sg", kBaumeSg}}, {1.02}, "degrees", FORMS(halic_baume, a[0], HALIC_BAUME_AMERICAN)},
    {"sg_from_baume", {{"degrees", kDegrees}}, {3}, "sg", FORMS(halic_sg_from_baume, a[0], HALIC_BAUME_AMERICAN)},
    {"salinity_from_baume t/4", {{"degrees", kDegrees}, {"t", kT}}, {3, 25}, "SP",
     FORMS(halic_salinity_from_baume, a[0], a[1], HALIC_SG_T_4, HALIC_BAUME_AMERICAN),
     [](double S, const double* a) { return halic_baume(halic_sg(S, a[1], HALIC_SG_T_4), HALIC_BAUME_AMERICAN); }},
};

// Every quantity over elements spread across and just beyond its arguments' ranges, then the good call with each
// argument in turn at each end of its range, the next double beyond, and each extreme a double holds. An element
// with an argument outside its range (the first in the order declared) is NaN for that range's reason, or for
// not being finite, and its text names it; one with all in range is a number, or NaN for its first argument
// being a reading no salinity gives. The array form gives what the scalar form gives, element by element, with
// its results over any one of its inputs (the PSS-78 forms compute runs ahead) or apart, with the count of NaNs
// and the first one's reason and text; it refuses a null array, and an output that overlaps an input.
TEST(Arrays, EveryQuantity)
{
    const double kDenormal = std::numeric_limits<double>::denorm_min();
    const double extremes[] = {kNaN, kInf, -kInf, DBL_MAX, -DBL_MAX, kDenormal, -kDenormal, -0.0, DBL_MIN, -DBL_MIN};
    for (const SQuantity& q : kQuantities)
    {
        const size_t nArguments = q.arguments.size();
        std::vector<std::vector<double>> inputs(nArguments);
        SInputs spread;
        for (int i = 0; i < 1001; ++i) // odd, so that a run computed ahead ends on a single element
            for (size_t k = 0; k < nArguments; ++k)
            {
                const SRange& r = q.arguments[k].range;
                const double dMargin = 0.02 * (r.dHigh - r.dLow);
                inputs[k].push_back(r.dSpreadLow < r.dSpreadHigh ? spread.Next(r.dSpreadLow, r.dSpreadHigh)
                                                                 : spread.Next(r.dLow - dMargin, r.dHigh + dMargin));
            }
        for (size_t k = 0; k < nArguments; ++k)
        {
            const SRange& range = q.arguments[k].range;
            std::vector<double> values(std::begin(extremes), std::end(extremes));
            for (double dEnd : {range.dLow, range.dHigh})
                values.insert(values.end(), {dEnd, std::nextafter(dEnd, dEnd == range.dLow ? -kInf : kInf)});
            for (double dValue : values)
                for (size_t j = 0; j < nArguments; ++j)
                    inputs[j].push_back(j == k ? dValue : q.good[j]);
        }
        const ptrdiff_t n = static_cast<ptrdiff_t>(inputs[0].size());
        std::vector<double> expected(n), a(nArguments);
        ptrdiff_t nExpectedNaN = 0;
        int nFirstReason = HALIC_OK;
        std::string firstText;
        for (ptrdiff_t i = 0; i < n; ++i)
        {
            for (size_t k = 0; k < nArguments; ++k)
                a[k] = inputs[k][i];
            expected[i] = q.scalar(a.data());
            const int nReason = halic_last_error();
            const std::string text = halic_last_error_text();
            const std::string where = std::string(q.pszName) + " [" + std::to_string(i) + "]: " + text;
            size_t k = 0;
            while (k < nArguments && std::isfinite(a[k]) && a[k] >= q.arguments[k].range.dLow &&
                   a[k] <= q.arguments[k].range.dHigh)
                ++k;
            const SArgument& blamed = q.arguments[k < nArguments ? k : 0];
            if (k < nArguments)
                EXPECT_EQ(nReason, std::isfinite(a[k]) ? blamed.range.nReason : HALIC_E_NOT_FINITE) << where;
            else
                EXPECT_TRUE(nReason == HALIC_OK || nReason == HALIC_E_NO_SALINITY || nReason == HALIC_E_READING ||
                            nReason == HALIC_E_CONDUCTIVITY) << where;
            EXPECT_FALSE(std::isinf(expected[i])) << where;
            if (q.forward != nullptr && std::isfinite(expected[i])) // an inverse to 1e-9: a[0] lies between these
            {
                EXPECT_FALSE(q.forward(std::fmax(expected[i] - 1e-9, HALIC_SP_MIN), a.data()) > a[0]) << where;
                EXPECT_FALSE(q.forward(std::fmin(expected[i] + 1e-9, HALIC_SP_MAX), a.data()) < a[0]) << where;
            }
            EXPECT_EQ(std::isnan(expected[i]), nReason != HALIC_OK) << where;
            EXPECT_EQ(text.rfind(nReason == HALIC_OK ? "" : std::string(blamed.pszName) + " = ", 0), 0u) << where;
            if (std::isnan(expected[i]) && nExpectedNaN++ == 0)
            {
                nFirstReason = nReason;
                firstText = "element " + std::to_string(i) + ": " + text;
            }
        }
        for (size_t nOver = 0; q.array != nullptr && nOver <= nArguments; ++nOver) // over each input, then apart
        {
            std::vector<std::vector<double>> copies = inputs;
            copies.emplace_back(n);
            std::vector<const double*> pointers;
            for (size_t k = 0; k < nArguments; ++k)
                pointers.push_back(copies[k].data());
            double* pOut = copies[nOver].data();
            const std::string where = std::string(q.pszName) + " over " + (nOver < nArguments ? "input " : "its own ") +
                                      std::to_string(nOver);
            EXPECT_EQ(q.array(n, pointers.data(), pOut), nExpectedNaN) << where;
            EXPECT_EQ(halic_last_error(), nFirstReason) << where;
            EXPECT_EQ(halic_last_error_text(), firstText) << where;
            for (ptrdiff_t i = 0; i < n; ++i)
                EXPECT_TRUE(std::isnan(expected[i]) ? std::isnan(pOut[i]) : pOut[i] == expected[i])
                    << where << " [" << i << "]: " << pOut[i] << ", not " << expected[i];
            std::string name = q.pszOutput;
            if (nOver < nArguments)
            {
                const SArgument& arg = q.arguments[nOver];
                name = arg.pszArray != nullptr ? arg.pszArray : arg.pszName;
                EXPECT_EQ(q.array(n - 1, pointers.data(), pOut + 1), -1) << where;
                const std::string overlaps = std::string(q.pszOutput) + " overlaps " + name + " other than exactly";
                EXPECT_EQ(halic_last_error_text(), overlaps) << where;
                pointers[nOver] = nullptr;
            }
            EXPECT_EQ(q.array(n, pointers.data(), nOver < nArguments ? copies.back().data() : nullptr), -1) << where;
            EXPECT_EQ(halic_last_error_text(), name + " is a null array") << where;
        }
    }
}

// Faults of the arrays beyond each array's own (Arrays.EveryQuantity): -1, nothing written, and before any
// element's, a bad convention's too.
TEST(Arrays, FaultsOfTheArraysThemselves)
{
    double in[3] = {35, 25, 0}, out[3] = {-7, -7, -7};
    // A call's result with its text, read as the row is made: the next call overwrites it.
    auto refused = [](ptrdiff_t nResult) { return std::make_pair(nResult, std::string(halic_last_error_text())); };
    const std::pair<std::pair<ptrdiff_t, std::string>, const char*> rows[] = {
        {refused(halic_sg_n(2, in, nullptr, 99, out)), "t is a null array"}, // before the convention
        {refused(halic_depth_n(-1, nullptr, in, out)), "n = -1 is negative"}, // before a null array
        {refused(halic_r_from_sp_n(PTRDIFF_MAX / 8 + 1, in, in, in, out)),
         "n = 1152921504606846976 is more doubles than memory holds"},
        {refused(halic_c_from_sp_n(2, in + 1, in + 1, in + 1, in)), "C overlaps SP other than exactly"}, // one before
    };
    for (const auto& [got, pszExpected] : rows)
        EXPECT_EQ(got, std::make_pair(ptrdiff_t{-1}, std::string(pszExpected)));
    EXPECT_EQ(halic_last_error(), HALIC_E_ARGUMENT);
    for (double d : out)
        EXPECT_EQ(d, -7.0);
    EXPECT_EQ(in[0], 35.0);
    // Good arrays with a bad convention or a bad shared argument: every element NaN, for that reason.
    EXPECT_EQ(halic_sg_n(2, in, in, 99, out), 2);
    EXPECT_EQ(halic_last_error(), HALIC_E_CONVENTION);
    EXPECT_EQ(halic_convert_n(2, in, DBL_MAX, 24, 35, 1, 1, out), 2);
    EXPECT_EQ(halic_last_error(), HALIC_E_GRAVITY);
    EXPECT_EQ(halic_density_n(0, in, in, in, out), 0);
    EXPECT_EQ(halic_last_error(), HALIC_OK);
}

// The header's version and the library's are the product's (whose text the SDK's clients check), the same three
// parts in each form.
TEST(Version, IsTheProducts)
{
    const std::string parts = std::to_string(HALIC_VERSION_MAJOR) + "." + std::to_string(HALIC_VERSION_MINOR) + "." +
                              std::to_string(HALIC_VERSION_PATCH) + ".";
    EXPECT_EQ(std::string(halic_version()).rfind(parts, 0), 0u) << parts;
    EXPECT_EQ(halic_version_number(), HALIC_VERSION_NUMBER);
#if HALIC_VERSION_NUMBER < 1000000
#error "the version number is usable in #if and at least 1.0.0"
#endif
}

} // namespace
