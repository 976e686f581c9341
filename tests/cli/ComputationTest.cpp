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
#include <limits>
#include <string>
#include <vector>

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
        ASSERT_FALSE(std::isnan(dResult)) << row.pszText << ": " << halic_last_error_text();
        EXPECT_EQ(std::string(buffer, FormatFixed(buffer, dResult, computation.nDecimals)), row.pszText);
    }
}

// PSS-78: seawater of salinity 35 at 15 degC (IPTS-68) and zero pressure has the conductivity C(35,15,0).
TEST(Computation, SalinityOfConductivity)
{
    const double adArguments[] = {HALIC_C3515, 15 / 1.00024, 0};
    EXPECT_NEAR(GetComputation(COMPUTE_SALINITY_FROM_C).pfnCompute(adArguments), 35.0, 0.00005);
}

namespace
{
// Arguments that make an answer, per computation, in batch order.
const double kGood[COMPUTE_COUNT][kMaxParameters] = {
    {26, 24, 1.024, 1, 35, 1}, {35, HALIC_SG_T_4, 25}, {1.023, HALIC_SG_T_4, 25}, {53, 25, 100},
    {35, 25, 100}, {35, 25, 100}, {100, 45},
};

// Each parameter named "<name>" with the value "v", as a message would name it.
std::vector<CNamedArgument> Named(const CComputation& computation)
{
    std::vector<CNamedArgument> named;
    for (int i = 0; i < computation.nParameters; ++i)
        named.push_back({std::string("<") + computation.pParameters[i].pszName + ">", "v"});
    return named;
}

// The reason the library gives for the computation's arguments, in the command's names.
std::string ReasonFor(EComputation n, const double* adArguments, double* pdResult)
{
    const CComputation& computation = GetComputation(n);
    *pdResult = computation.pfnCompute(adArguments);
    return NoAnswerReason(computation.pParameters, computation.nParameters, Named(computation).data());
}
} // namespace

// A reason names the argument at fault as the command does: each parameter is
// passed as the library argument it says, and the library's name is replaced.
TEST(Computation, NoAnswerNamesTheCommandsArgument)
{
    int nChecked = 0;
    for (int n = 0; n < COMPUTE_COUNT; ++n)
    {
        const CComputation& computation = GetComputation(static_cast<EComputation>(n));
        for (int i = 0; i < computation.nParameters; ++i)
        {
            const CParameter& param = computation.pParameters[i];
            if (param.kind == PARAMETER_SWITCH)
                continue; // any int is a switch
            double adArguments[kMaxParameters];
            std::copy(kGood[n], kGood[n] + kMaxParameters, adArguments);
            adArguments[i] = param.kind == PARAMETER_CONVENTION ? -1 : NAN;
            double dResult = 0.0;
            const std::string reason = ReasonFor(static_cast<EComputation>(n), adArguments, &dResult);
            EXPECT_TRUE(std::isnan(dResult)) << computation.pszCommand << " " << param.pszName;
            const std::string expected = std::string("<") + param.pszName + "> v is ";
            EXPECT_EQ(reason.compare(0, expected.size(), expected), 0) << computation.pszCommand << ": " << reason;
            ++nChecked;
        }
    }
    EXPECT_EQ(nChecked, 22);
}

// The command's ranges are the library's: each bound is accepted by the
// library, and the next number beyond it refused for that argument.
TEST(Computation, RangesAreTheLibrarys)
{
    const int anRangeErrors[] = {HALIC_E_NOT_FINITE, HALIC_E_SALINITY, HALIC_E_TEMPERATURE, HALIC_E_PRESSURE,
                                 HALIC_E_GRAVITY, HALIC_E_CONDUCTIVITY, HALIC_E_LATITUDE};
    auto isRangeError = [&](int nError) {
        return std::find(std::begin(anRangeErrors), std::end(anRangeErrors), nError) != std::end(anRangeErrors);
    };
    int nChecked = 0;
    for (int n = 0; n < COMPUTE_COUNT; ++n)
    {
        const CComputation& computation = GetComputation(static_cast<EComputation>(n));
        for (int i = 0; i < computation.nParameters; ++i)
        {
            const CParameter& param = computation.pParameters[i];
            if (param.kind != PARAMETER_NUMBER)
                continue;
            const double dInfinity = std::numeric_limits<double>::infinity();
            const struct { double dValue; bool bAccepted; } rows[] = {
                {param.bLowExclusive ? std::nextafter(param.dLow, dInfinity) : param.dLow, true},
                {param.bLowExclusive ? param.dLow : std::nextafter(param.dLow, -dInfinity), false},
                {param.dHigh, true},
                {std::nextafter(param.dHigh, dInfinity), false},
            };
            for (const auto& row : rows)
            {
                if (std::isinf(row.dValue))
                    continue; // no bound
                double adArguments[kMaxParameters];
                std::copy(kGood[n], kGood[n] + kMaxParameters, adArguments);
                adArguments[i] = row.dValue;
                double dResult = 0.0;
                const std::string reason = ReasonFor(static_cast<EComputation>(n), adArguments, &dResult);
                const std::string what = std::string(computation.pszCommand) + " " + param.pszName + " " +
                                         ShortNumberText(row.dValue) + ": " + reason;
                const std::string blamed = std::string("<") + param.pszName + "> v ";
                const bool bBlamed = std::isnan(dResult) && isRangeError(halic_last_error()) &&
                                     reason.compare(0, blamed.size(), blamed) == 0;
                EXPECT_NE(bBlamed, row.bAccepted) << what;
                ++nChecked;
            }
        }
    }
    EXPECT_EQ(nChecked, 78);
}
