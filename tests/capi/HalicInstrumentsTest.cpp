// halic's instrument functions: what each convention, scale and modulus stands for, the range the refractive
// index is answered over (against pure water's by IAPWS R9-97), bad input at every function with its text, and
// the array forms against the scalar ones. The physics' own check values are InstrumentsTest's.
#include "CheckTable.h"
#include "RefractiveIndex.h"
#include "halic.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const double kExact = 0.0;
const double kGlass = HALIC_GLASS_EXPANSION;
const double kCompensated = HALIC_REFRACTOMETER_T;

// The glass hydrometer's check values under the conventions, which fix the reference water's temperature and the
// calibration's: the glass hydrometer's check values, worked from EOS-80 and ISO 1768's coefficient, to two
// decimals.
TEST(Hydrometer, ConventionsFixTheTemperatures)
{
    ExpectChecks({
        ROW(halic_salinity_from_hydrometer(1.0240, 26, kNaN, kGlass, HALIC_SG_15_4), 35.87, 5e-3),
        ROW(halic_salinity_from_hydrometer(1.0240, 26, kNaN, 0, HALIC_SG_15_4), 36.24, 5e-3),
        ROW(halic_salinity_from_hydrometer(1.0230, 25, kNaN, kGlass, HALIC_SG_60_60F), 32.89, 5e-3),
        ROW(halic_salinity_from_hydrometer(1.0230, 25, 15.5556, 0, HALIC_SG_60_60F), 33.21, 5e-3),
        ROW(halic_salinity_from_hydrometer(1.0250, 28, 25, kGlass, HALIC_SG_25_25), 34.34, 5e-3),
        ROW(halic_salinity_from_hydrometer(1.0250, 28, kNaN, 0, HALIC_SG_25_25), 34.44, 5e-3),
        // Without the glass term the reading is the specific gravity at the reading's temperature.
        ROW(halic_hydrometer_reading(35, 26, kNaN, 0, HALIC_SG_15_4), halic_sg_at(35, 26, 4), kExact),
        // t/4 and t/t take the caller's calibration temperature.
        ROW(halic_hydrometer_reading(35, 27, 20, kGlass, HALIC_SG_T_4),
            halic_sg(35, 27, HALIC_SG_T_4) * (1 + kGlass * 7), 1e-15),
        ROW(halic_salinity_from_hydrometer(halic_hydrometer_reading(42, 30, 20, kGlass, HALIC_SG_T_T), 30, 20, kGlass,
                                           HALIC_SG_T_T), 42.0, kExact),
    });
}

TEST(Refractometer, ScalesAndConventions)
{
    ExpectChecks({
        // Compensated: the seawater scale shows the salinity; the SG scale its gravity under the convention, the
        // free conventions at the scales' 20 degC.
        ROW(halic_refractometer_reading(35, kCompensated, kCompensated, HALIC_SCALE_SEAWATER, 0), 35.0, 1e-12),
        ROW(halic_refractometer_reading(35, 20, 20, HALIC_SCALE_SG, HALIC_SG_20_20), halic_sg(35, kNaN, HALIC_SG_20_20),
            1e-13),
        ROW(halic_refractometer_reading(35, 20, 20, HALIC_SCALE_SG, HALIC_SG_T_T), halic_sg(35, kNaN, HALIC_SG_20_20),
            1e-13),
        ROW(halic_refractometer_reading(35, 20, 20, HALIC_SCALE_SG, HALIC_SG_T_4), halic_sg_at(35, 20, 4), 1e-13),
        ROW(halic_refractometer_reading(35, 20, 20, HALIC_SCALE_SG, HALIC_SG_60_60F),
            halic_sg(35, kNaN, HALIC_SG_60_60F), 1e-13),
        ROW(halic_salinity_from_refractometer(1.0264, 20, 20, HALIC_SCALE_SG, HALIC_SG_25_25), 35.04, 5e-3),
    });
    const char* const scales[HALIC_SCALES] = {"seawater", "sg", "nacl"};
    for (int s = 0; s < HALIC_SCALES; ++s)
        EXPECT_STREQ(halic_scale_name(s), scales[s]);
    EXPECT_EQ(halic_scale_name(HALIC_SCALES), nullptr);
}

// Quan and Fry's temperature term against pure water's by IAPWS R9-97 (Harvey et al. 1998), as changes from
// 20 degC (R9-97 is relative to vacuum, Quan and Fry to air: the ratio 1.000277 scales the change). halic answers
// from HALIC_T_MIN to HALIC_REFRACTION_T_MAX, where the equation strays no further than inside its fit, 0 to 30
// degC; a degree more and it would.
TEST(RefractiveIndex, TemperatureRangeAgainstIapws)
{
    auto iapws = [](double t, double wavelength) {
        const double a[8] = {0.244257733,   9.74634476e-3, -3.73234996e-3, 2.68678472e-4, 1.58920570e-3,
                             2.45934259e-3, 0.900704920,   -1.66626219e-2};
        const double d = halic_density(0, t, 0) / 1000.0, T = (t + 273.15) / 273.15, L = wavelength / 589.0;
        const double L2 = L * L, uv = 0.2292020, ir = 5.432937;
        const double A = d * (a[0] + a[1] * d + a[2] * T + a[3] * L2 * T + a[4] / L2 + a[5] / (L2 - uv * uv) +
                              a[6] / (L2 - ir * ir) + a[7] * d * d);
        return std::sqrt((2 * A + 1) / (1 - A));
    };
    auto stray = [&](double t, double wavelength) {
        const double dQuanFry = CRefractiveIndex::Get(0, t, wavelength) - CRefractiveIndex::Get(0, 20, wavelength);
        const double dIapws = (iapws(t, wavelength) - iapws(20, wavelength)) / 1.000277;
        return std::fabs(dQuanFry - dIapws);
    };
    // R9-97's own check value, 1.3328581926 at 298.15 K, 0.5893 um and its density 997.047435 kg/m^3; EOS-80's
    // density differs by 3e-6 (relative), the index by less than 2e-6.
    EXPECT_NEAR(iapws(25, 589.3), 1.3328581926, 2e-6);
    double dInsideFit = 0.0, dAnswered = 0.0;
    for (double wavelength = HALIC_WAVELENGTH_MIN; wavelength <= HALIC_WAVELENGTH_MAX; wavelength += 50)
    {
        for (double t = 0; t <= 30; t += 0.5)
            dInsideFit = std::fmax(dInsideFit, stray(t, wavelength));
        for (double t = HALIC_T_MIN; t <= HALIC_REFRACTION_T_MAX; t += 0.5)
            dAnswered = std::fmax(dAnswered, stray(t, wavelength));
    }
    EXPECT_LE(dAnswered, dInsideFit);
    EXPECT_GT(stray(HALIC_REFRACTION_T_MAX + 1, HALIC_WAVELENGTH_MAX), dInsideFit);
    EXPECT_LT(dInsideFit, 5e-5);
}

TEST(Baume, ScalesAndSalinity)
{
    ExpectChecks({
        ROW(halic_baume_modulus(HALIC_BAUME_AMERICAN), 145.0, kExact),
        ROW(halic_baume_modulus(HALIC_BAUME_DUTCH), 144.0, kExact),
        ROW(halic_baume_modulus(HALIC_BAUME_GERLACH), 146.78, kExact),
        // The salinity of a reading is that of its specific gravity under the convention.
        ROW(halic_salinity_from_baume(3.73, kNaN, HALIC_SG_60_60F, HALIC_BAUME_AMERICAN),
            halic_salinity_from_sg(halic_sg_from_baume(3.73, HALIC_BAUME_AMERICAN), kNaN, HALIC_SG_60_60F), kExact),
        ROW(halic_salinity_from_baume(0, 4, HALIC_SG_T_4, HALIC_BAUME_DUTCH), 0.0, 1e-9), // pure water at 4 degC
        // The ends: water and a gravity of HALIC_SG_MAX.
        ROW(halic_baume(HALIC_BAUME_SG_MIN, HALIC_BAUME_GERLACH), 0.0, kExact),
        ROW(halic_sg_from_baume(145.0 / 2, HALIC_BAUME_AMERICAN), HALIC_SG_MAX, kExact),
    });
    const char* const names[HALIC_BAUME_SCALES] = {"american", "dutch", "gerlach"};
    for (int s = 0; s < HALIC_BAUME_SCALES; ++s)
        EXPECT_STREQ(halic_baume_name(s), names[s]);
    EXPECT_EQ(halic_baume_name(-1), nullptr);
    EXPECT_EQ(halic_last_error(), HALIC_E_SCALE);
}

// A range's bounds at every argument are the command's tests (ComputationTest.RangesAreTheLibrarys); here the
// reasons that are no plain range: the order of the checks, the scales, the readings no salinity gives.
TEST(Arguments, BadInputAtEveryInstrument)
{
    ExpectBad({
        BAD(halic_refractive_index(kNaN, 20, 589.3), HALIC_E_NOT_FINITE, "SP"),
        BAD(halic_salinity_from_refractive_index(1.35, 20, 589.3), HALIC_E_NO_SALINITY, "n"),
        BAD(halic_refractometer_reading(kNaN, 20, 20, -1, 0), HALIC_E_SCALE, "scale"), // the scale before all
        BAD(halic_refractometer_reading(35, 20, 20, HALIC_SCALE_SG, 9), HALIC_E_CONVENTION, "convention"),
        BAD(halic_refractometer_reading(1, 30, 20, HALIC_SCALE_SEAWATER, 0), HALIC_E_READING, "SP"), // below 0
        BAD(halic_salinity_from_refractometer(60, 20, 20, HALIC_SCALE_NACL, 0), HALIC_E_READING, "reading"),
        BAD(halic_salinity_from_refractometer(1.1, 20, 20, HALIC_SCALE_SG, HALIC_SG_20_20), HALIC_E_READING,
            "reading"),
        BAD(halic_salinity_from_refractometer(42, 30, 20, HALIC_SCALE_SEAWATER, 0), HALIC_E_NO_SALINITY, "reading"),
        BAD(halic_salinity_from_refractometer(5, -2, 30, HALIC_SCALE_SEAWATER, 0), HALIC_E_NO_SALINITY, "reading"),
        BAD(halic_hydrometer_reading(35, 26, 20, kGlass, HALIC_SG_15_4), HALIC_E_CONVENTION_TEMPERATURE, "t_cal"),
        BAD(halic_hydrometer_reading(35, 26, kNaN, kGlass, HALIC_SG_T_4), HALIC_E_NOT_FINITE, "t_cal"),
        BAD(halic_hydrometer_reading(35, 26, 20, kGlass, 6), HALIC_E_CONVENTION, "convention"),
        BAD(halic_salinity_from_hydrometer(0, 26, kNaN, kGlass, HALIC_SG_15_4), HALIC_E_GRAVITY, "reading"),
        BAD(halic_salinity_from_hydrometer(1.04, 26, kNaN, kGlass, HALIC_SG_15_4), HALIC_E_NO_SALINITY, "reading"),
        BAD(halic_baume(1.02, 3), HALIC_E_SCALE, "scale"),
        BAD(halic_sg_from_baume(73, HALIC_BAUME_DUTCH), HALIC_E_READING, "degrees"),
        BAD(halic_salinity_from_baume(26, kNaN, HALIC_SG_60_60F, HALIC_BAUME_AMERICAN), HALIC_E_NO_SALINITY,
            "degrees"),
        BAD(halic_salinity_from_baume(3, 25, HALIC_SG_60_60F, HALIC_BAUME_AMERICAN), HALIC_E_CONVENTION_TEMPERATURE,
            "t"),
        BAD(halic_salinity_from_baume(3, 25, 99, 99), HALIC_E_CONVENTION, "convention"),
    });
    EXPECT_EQ(halic_scale_name(-1), nullptr);
    EXPECT_EQ(halic_last_error(), HALIC_E_SCALE);
}

// The texts of the new reasons, and the one that says where the seawater equations stop (HalicTest checks
// that every code has a message).
TEST(Arguments, InstrumentTexts)
{
    auto text = [](double) { return std::string(halic_last_error_text()); };
    // The bounds the texts name: what salinity 42 reads, shortest.
    auto shortest = [](double d) { char sz[32]; return std::string(sz, std::to_chars(sz, sz + sizeof sz, d).ptr); };
    const std::string top = shortest(halic_baume(halic_sg(42, kNaN, HALIC_SG_60_60F), HALIC_BAUME_AMERICAN));
    const std::string nacl = shortest(halic_refractometer_reading(42, 20, 20, HALIC_SCALE_NACL, 0));
    const std::pair<std::string, std::string> rows[] = {
        {text(halic_refractive_index(35, 20, 750)), "wavelength = 750 is outside 400 to 700 nm"},
        {text(halic_refractometer_reading(35, 20, 20, 7, 0)), "scale = 7 is no scale (0 to 2)"},
        {text(halic_salinity_from_baume(26, kNaN, HALIC_SG_60_60F, HALIC_BAUME_AMERICAN)),
         "degrees = 26 is past " + top + ", what salinity 42 gives at these temperatures: the seawater equations "
         "stop there"},
        {text(halic_salinity_from_hydrometer(0.99, 20, kNaN, 0, HALIC_SG_20_20)),
         "reading = 0.99 is below 1, what pure water (salinity 0) gives at these temperatures"},
        {text(halic_salinity_from_refractometer(60, 20, 20, HALIC_SCALE_NACL, 0)),
         "reading = 60 is outside 0 to " + nacl + " per mille, what the instrument reads"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.first, row.second);
}

// The array forms against the scalar ones are the Python module's tests (every array goes through them); here, what
// it never passes: a null t_cal or t where the convention fixes it, and null arrays where none does.
TEST(Arrays, NullTemperaturesWhereAConventionFixesThem)
{
    const double SP[2] = {35, 30}, t[2] = {25, 26}, gamma[2] = {kGlass, 0};
    double out[2] = {-7, -7};
    EXPECT_EQ(halic_hydrometer_reading_n(2, SP, t, nullptr, gamma, HALIC_SG_25_25, out), 0);
    EXPECT_EQ(out[1], halic_hydrometer_reading(30, 26, kNaN, 0, HALIC_SG_25_25));
    EXPECT_EQ(halic_hydrometer_reading_n(2, SP, t, nullptr, gamma, HALIC_SG_T_4, out), -1);
}

} // namespace
