// Each computation a command makes, with the options that make it: a section
// of the command's help ("Options", "From --sg") and its parameters.
#pragma once
#include "Computation.h"
#include "TablePlan.h"

#include <vector>

struct CCommandCase
{
    const char* pszCommand;
    const char* pszSection;
    EComputation computation;          // COMPUTE_COUNT: the table
    std::vector<const char*> required; // the required options with good values, the defaulted ones left out

    const CParameter* Parameters(int* pnCount) const
    {
        if (computation == COMPUTE_COUNT)
            return GetTableParameters(pnCount);
        *pnCount = GetComputation(computation).nParameters;
        return GetComputation(computation).pParameters;
    }
};

inline const std::vector<CCommandCase>& CommandCases()
{
    static const std::vector<CCommandCase> kCases = {
        {"convert", "Options", COMPUTE_CONVERT, {"--temperature", "10"}},
        {"table", "Options", COMPUTE_COUNT, {"--from", "10", "--to", "12.5"}},
        {"salinity", "From --sg", COMPUTE_SALINITY_FROM_SG, {"--sg", "1.023", "--convention", "t/4", "--temperature", "5"}},
        {"salinity", "From --conductivity", COMPUTE_SALINITY_FROM_C, {"--conductivity", "53", "--temperature", "5"}},
        {"sg", "Options", COMPUTE_SG, {"--salinity", "35", "--convention", "t/4", "--temperature", "5"}},
        {"density", "Options", COMPUTE_DENSITY, {"--salinity", "35", "--temperature", "5"}},
        {"ptemp", "Options", COMPUTE_PTEMP, {"--salinity", "35", "--temperature", "5", "--pressure", "4000"}},
        {"depth", "Options", COMPUTE_DEPTH, {"--pressure", "4000", "--latitude", "5"}},
    };
    return kCases;
}
