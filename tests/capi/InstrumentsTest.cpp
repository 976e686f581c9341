// The instruments behind halic: their physics' check values class by class (seawater's refractive index by Quan
// and Fry 1995, NaCl's by its handbook table, refractometer scales, the glass hydrometer, Baume degrees) and what
// halic's conventions and scales stand for; tolerances as HalicTest's, which tests their arguments and arrays.
#include "Baume.h"
#include "CheckTable.h"
#include "GlassHydrometer.h"
#include "NaClRefraction.h"
#include "RefractiveIndex.h"
#include "Refractometer.h"
#include "halic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kExact = 0.0;
const double kSodiumD = HALIC_SODIUM_D; // nm
const double kGlass = HALIC_GLASS_EXPANSION; // per degC, ISO 1768's conventional 25e-6

using RI = CRefractiveIndex;
using RM = CRefractometer;
using GH = CGlassHydrometer;
const RM::SScale kSeawater = {RM::kSeawater, kNaN, kNaN};
const RM::SScale kGravity2020 = {RM::kGravity, 20.0, 20.0};
const RM::SScale kNaCl = {RM::kSodiumChloride, kNaN, kNaN};

TEST(RefractiveIndex, CheckValues)
{
    ExpectChecks({
        // Quan and Fry's equation at the sodium D line, to its six decimals.
        ROW(RI::Get(0, 0, kSodiumD), 1.333956, 5e-7),
        ROW(RI::Get(0, 20, kSodiumD), 1.333004, 5e-7),
        ROW(RI::Get(0, 25, kSodiumD), 1.332514, 5e-7),
        ROW(RI::Get(35, 0, kSodiumD), 1.340868, 5e-7),
        ROW(RI::Get(35, 20, kSodiumD), 1.339406, 5e-7),
        ROW(RI::Get(35, 25, kSodiumD), 1.338858, 5e-7),
        ROW(RI::GetSalinity(1.339406, 20, kSodiumD), 35.00, 5e-3), // and back
    });
}

TEST(RefractiveIndex, SalinityFromAnIndex)
{
    ExpectChecks({ // the ends come back exactly
        ROW(RI::GetSalinity(RI::Get(0, 12, 450), 12, 450), 0.0, kExact),
        ROW(RI::GetSalinity(RI::Get(42, 12, 450), 12, 450), 42.0, kExact),
    });
}

TEST(NaClRefraction, HandbookTable)
{
    // The interpolation passes through the table's rows (CRC Handbook, NaCl at 20 degC, rise over 1.3330).
    ExpectChecks({
        ROW(CNaClRefraction::GetIndexRise(0), 0.0, kExact),
        ROW(CNaClRefraction::GetIndexRise(5), 0.0009, 1e-15),
        ROW(CNaClRefraction::GetIndexRise(100), 0.0175, 1e-15),
        // A 3.65 % NaCl solution has the index of seawater of salinity 35 at 20 degC (1.339406); between rows the
        // cubic stays within the table's rounding of the straight line (0.00615 halfway from 30 to 40 per mille).
        ROW(CNaClRefraction::GetIndexRise(36.5), 1.339406 - 1.333004, 1e-5),
        ROW(CNaClRefraction::GetIndexRise(35), 0.00615, 5e-5),
        ROW(CNaClRefraction::GetMassFraction(0.0), 0.0, kExact),
        ROW(CNaClRefraction::GetMassFraction(CNaClRefraction::GetIndexRise(100)), 100.0, kExact),
    });
}

TEST(Refractometer, Scales)
{
    const double dRise35 = RM::GetIndexRise(35, 20, 20);
    ExpectChecks({
        // Compensated (as at 20 degC): the seawater scale shows the salinity.
        ROW(RM::GetReading(dRise35, kSeawater), 35.0, 1e-12),
        // A sodium chloride scale reads natural seawater of 35 between 36.3 and 36.7, and 36.5 on it is 35.0 +- 0.2.
        ROW(RM::GetReading(dRise35, kNaCl), 36.5, 0.2),
        ROW(RM::GetSalinity(RM::GetRise(36.5, kNaCl), 20, 20), 35.0, 0.2),
        // Not compensated, at 25 degC: set to zero at 20 degC it shows (1.338858 - 1.333004) / slope, set to zero
        // at 25 degC (1.338858 - 1.332514) / slope, with slope = (1.339406 - 1.333004) / 35 from the check
        // values above.
        ROW(RM::GetReading(RM::GetIndexRise(35, 25, 20), kSeawater), 32.004, 0.01),
        ROW(RM::GetReading(RM::GetIndexRise(35, 25, 25), kSeawater), 34.683, 0.01),
        // The ends of the scales.
        ROW(RM::GetReading(RM::GetMaxRise(), kSeawater), 42.0, kExact),
        ROW(RM::GetSalinity(RM::GetIndexRise(42, 30, 20), 30, 20), 42.0, kExact),
        ROW(RM::GetSalinity(RM::GetIndexRise(0, 5, 20), 5, 20), 0.0, kExact),
    });
    // Warm pure water reads below the zero; cold salinity 42 past the top (salinity 42 at 20 degC).
    for (double dOff : {RM::GetReading(RM::GetIndexRise(0, 25, 20), kSeawater),
                        RM::GetReading(RM::GetIndexRise(42, 10, 20), kNaCl), RM::GetRise(1.2, kGravity2020)})
        EXPECT_TRUE(std::isnan(dOff)) << dOff;
}

TEST(GlassHydrometer, GlassTermAndInverse)
{
    ExpectChecks({
        ROW(GH::GetSalinity(GH::GetReading(0, 30, 4, 20, kGlass), 30, 4, 20, kGlass), 0.0, kExact),
        ROW(GH::GetSalinity(GH::GetReading(42, 30, 4, 20, kGlass), 30, 4, 20, kGlass), 42.0, kExact),
    });
    EXPECT_TRUE(std::isnan(GH::GetSalinity(1.2, 26, 4, 15, kGlass)));
}

TEST(Baume, CheckValues)
{
    ExpectChecks({
        ROW(CBaume::GetDegrees(1.0264, CBaume::kAmerican), 3.73, 5e-3),
        ROW(CBaume::GetDegrees(1.2185, CBaume::kAmerican), 26.00, 5e-3),
        ROW(CBaume::GetGravity(3.73, CBaume::kAmerican), 1.02640, 5e-6),
        // The Dutch heavy areometer reduced to specific gravity (Encyclopedia of Practical Receipts and
        // Processes, no. 6163), its four decimals cut, not rounded: the value lies in [table, table + 1e-4).
        ROW(CBaume::GetGravity(75, CBaume::kDutch), 2.0869 + 5e-5, 5e-5),
    });
}

// The glass hydrometer under the conventions, which fix the reference water's temperature and the calibration's:
// check values worked from EOS-80 and ISO 1768's coefficient, to two decimals.
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
        ROW(halic_hydrometer_reading(35, 27, 20, kGlass, HALIC_SG_T_T),
            halic_sg(35, 27, HALIC_SG_T_T) * (1 + kGlass * 7), 1e-15),
    });
}

TEST(Refractometer, ScalesAndConventions)
{
    // Compensated, the SG scale shows salinity 35's gravity under the convention, the free ones at its 20 degC.
    auto sgScale = [](int convention) { return halic_refractometer_reading(35, 20, 20, HALIC_SCALE_SG, convention); };
    ExpectChecks({
        ROW(sgScale(HALIC_SG_20_20), halic_sg(35, kNaN, HALIC_SG_20_20), 1e-13),
        ROW(sgScale(HALIC_SG_T_T), halic_sg(35, kNaN, HALIC_SG_20_20), 1e-13),
        ROW(sgScale(HALIC_SG_T_4), halic_sg_at(35, 20, 4), 1e-13),
        ROW(halic_salinity_from_refractometer(1.0264, 20, 20, HALIC_SCALE_SG, HALIC_SG_25_25), 35.04, 5e-3),
    });
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
    });
}

} // namespace
