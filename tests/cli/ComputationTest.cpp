// Each computation hands its arguments, in batch order, to the right places
// of the library and writes its result with its digits. Expected texts are
// published check values (UNESCO 1983 for density and depth, Bryden 1973 for
// potential temperature) and the worked examples of Varnok and of the conventions.
#include "Computation.h"
#include "NumberText.h"

#include <halic.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(Computation, ArgumentsInPlaceAndDigits)
{
    const struct { EComputation computation; double adArguments[kMaxParameters]; const char* pszText; } rows[] = {
        // convert: temperature, base temperature, base gravity, depth, salinity, potential
        {COMPUTE_CONVERT, {26, 24, 1.024, 1, 35, 1}, "1.02339"},
        {COMPUTE_CONVERT, {10, 24, 1.024, 1000, 35, 0}, "1.02749"},
        {COMPUTE_CONVERT, {5, 25, 1.0235, 4000, 38, 1}, "1.02879"},
        // sg: salinity, convention, temperature
        {COMPUTE_SG, {35, HALIC_SG_60_60F, NAN}, "1.02686"}, {COMPUTE_SG, {35, HALIC_SG_T_4, 25}, "1.02337"},
        // salinity from a reading: sg, convention, temperature
        {COMPUTE_SALINITY_FROM_SG, {1.023, HALIC_SG_T_4, 25}, "34.51"},
        {COMPUTE_SALINITY_FROM_SG, {1.023, HALIC_SG_T_T, 25}, "30.54"},
        // density and potential temperature: salinity, temperature, pressure; depth: pressure, latitude
        {COMPUTE_DENSITY, {35, 25, 0}, "1023.343"}, {COMPUTE_DENSITY, {35, 25, 10000}, "1062.538"},
        {COMPUTE_PTEMP, {40, 40, 10000}, "36.8861"},
        {COMPUTE_DEPTH, {10000, 30}, "9712.65"},
    };
    for (const auto& row : rows)
    {
        const CComputation& computation = GetComputation(row.computation);
        char buffer[kMaxFixedChars];
        const double dResult = computation.pfnCompute(row.adArguments);
        ASSERT_FALSE(std::isnan(dResult)) << row.pszText << ": " << NoAnswerReason();
        EXPECT_EQ(std::string(buffer, FormatFixed(buffer, dResult, computation.nDecimals)), row.pszText);
    }
}

// PSS-78: seawater of salinity 35 at 15 degC (IPTS-68) and zero pressure has the conductivity C(35,15,0).
TEST(Computation, SalinityOfConductivity)
{
    const double adArguments[] = {HALIC_C3515, 15 / 1.00024, 0};
    EXPECT_NEAR(GetComputation(COMPUTE_SALINITY_FROM_C).pfnCompute(adArguments), 35.0, 0.00005);
}
