// Each computation hands its arguments, in batch order, to the right places
// of the library and writes its result with its digits. Expected texts are
// published check values (UNESCO 1983 for density and depth, Bryden 1973 for
// potential temperature) and the worked examples of Varnok and of the conventions.
#include "Computation.h"
#include "NumberText.h"

#include <halic.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

TEST(Computation, ArgumentsInPlaceAndDigits)
{
    const struct { EComputation computation; double adArguments[kMaxParameters]; const char* pszText; } rows[] = {
        // convert: temperature, base temperature, base gravity, depth, salinity, potential (HaliCommandTest: 0)
        {COMPUTE_CONVERT, {5, 25, 1.0235, 4000, 38, 1}, "1.02879"},
        // sg: salinity, convention, temperature
        {COMPUTE_SG, {35, HALIC_SG_60_60F, NAN}, "1.02686"}, {COMPUTE_SG, {35, HALIC_SG_T_4, 25}, "1.02337"},
        // salinity from a reading: sg, convention, temperature
        {COMPUTE_SALINITY_FROM_SG, {1.023, HALIC_SG_T_4, 25}, "34.51"},
        {COMPUTE_SALINITY_FROM_SG, {1.023, HALIC_SG_T_T, 25}, "30.54"},
        // conductivity, temperature, pressure: PSS-78's C(35,15,0) at 15 degC (IPTS-68) is SP 35
        {COMPUTE_SALINITY_FROM_C, {HALIC_C3515, 15 / 1.00024, 0}, "35.0000"},
        // density and potential temperature: salinity, temperature, pressure; depth: pressure, latitude
        {COMPUTE_DENSITY, {35, 25, 0}, "1023.343"}, {COMPUTE_DENSITY, {35, 25, 10000}, "1062.538"},
        {COMPUTE_PTEMP, {40, 40, 10000}, "36.8861"},
        {COMPUTE_DEPTH, {10000, 30}, "9712.65"},
        // convert with a glass hydrometer's growth from 24 to 26 degC: 1.02339 x (1 + 25e-6 x 2)
        {COMPUTE_CONVERT, {26, 24, 1.024, 1, 35, 1, 25e-6}, "1.02344"},
        // the instruments' check values: index (salinity, temperature, wavelength), refractometer (salinity or
        // reading, scale, convention, temperature, zeroed-at), hydrometer (reading, convention, temperature,
        // calibrated-at, expansion), Baume (sg or degrees, scale)
        {COMPUTE_REFRACTIVE_INDEX, {35, 25, 589.3}, "1.338858"},
        {COMPUTE_REFRACTOMETER, {35, HALIC_SCALE_SG, HALIC_SG_25_25, 20, 20}, "1.02637"},
        {COMPUTE_SALINITY_FROM_HYDROMETER, {1.0240, HALIC_SG_15_4, 26, NAN, 25e-6}, "35.87"},
        {COMPUTE_BAUME, {1.2185, HALIC_BAUME_AMERICAN}, "26.00"},
        {COMPUTE_SG_FROM_BAUME, {3.73, HALIC_BAUME_AMERICAN}, "1.02640"},
    };
    for (const auto& row : rows)
    {
        const CComputation& computation = GetComputation(row.computation);
        char buffer[kMaxFixedChars];
        const double dResult = computation.pfnCompute(row.adArguments);
        EXPECT_EQ(std::string(buffer, FormatFixed(buffer, dResult, ResultDecimals(computation, row.adArguments))),
                  row.pszText) << halic_last_error_text();
    }
}

// The command's ranges are the library's: each bound is accepted by the
// library, and the next number beyond it refused with a reason that names
// the command's argument (so each parameter is passed as the library argument
// it says it is).
TEST(Computation, RangesAreTheLibrarys)
{
    // Arguments that make an answer, per computation, in batch order.
    const double kGood[COMPUTE_COUNT][kMaxParameters] = {
        {26, 24, 1.024, 1, 35, 1, 0}, {35, HALIC_SG_T_4, 25}, {1.023, HALIC_SG_T_4, 25}, {53, 25, 100},
        {35, 25, 100}, {35, 25, 100}, {100, 45}, {35, 25, 500}, {1.339, 20, 500}, {35, 0, 3, 20, 20},
        {35, 0, 3, 20, 20}, {35, HALIC_SG_T_4, 20, 15, 1e-5}, {1.023, HALIC_SG_T_4, 20, 15, 1e-5}, {1.5, 0},
        {20, 0}, {1, HALIC_SG_T_4, 20, 0}};
    const int anRangeErrors[] = {HALIC_E_NOT_FINITE, HALIC_E_SALINITY, HALIC_E_TEMPERATURE, HALIC_E_PRESSURE,
                                 HALIC_E_GRAVITY, HALIC_E_CONDUCTIVITY, HALIC_E_LATITUDE, HALIC_E_WAVELENGTH,
                                 HALIC_E_EXPANSION, HALIC_E_READING};
    int nChecked = 0;
    for (int n = 0; n < COMPUTE_COUNT; ++n)
    {
        const CComputation& computation = GetComputation(static_cast<EComputation>(n));
        std::vector<CNamedArgument> named; // "<name> v", as a message names an argument and its value
        for (int i = 0; i < computation.nParameters; ++i)
            named.push_back({std::string("<") + computation.pParameters[i].pszName + ">", "v"});
        for (int i = 0; i < computation.nParameters; ++i)
        {
            const CParameter& param = computation.pParameters[i];
            const struct { double dValue; bool bAccepted; } rows[] = {
                {param.bLowExclusive ? std::nextafter(param.dLow, HUGE_VAL) : param.dLow, true},
                {param.bLowExclusive ? param.dLow : std::nextafter(param.dLow, -HUGE_VAL), false},
                {param.dHigh, true}, {std::nextafter(param.dHigh, HUGE_VAL), false}};
            for (const auto& row : rows)
            {
                if (param.kind != PARAMETER_NUMBER || std::isinf(row.dValue))
                    continue; // no bound
                double adArguments[kMaxParameters];
                std::copy(kGood[n], kGood[n] + kMaxParameters, adArguments);
                adArguments[i] = row.dValue;
                const double dResult = computation.pfnCompute(adArguments);
                const std::string reason = NoAnswerReason(computation.pParameters, computation.nParameters, named.data());
                const std::string blamed = named[i].label + " v ";
                const bool bBlamed = std::isnan(dResult) && reason.compare(0, blamed.size(), blamed) == 0 &&
                                     std::count(std::begin(anRangeErrors), std::end(anRangeErrors), halic_last_error());
                EXPECT_NE(bBlamed, row.bAccepted) << computation.pszCommand << " " << row.dValue << ": " << reason;
                ++nChecked;
            }
        }
    }
    EXPECT_EQ(nChecked, 162);
}
