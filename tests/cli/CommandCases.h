// Each computation a command makes, with the options that make it: a section
// of the command's help ("Options", "From --sg") and its parameters.
#pragma once
#include "Computation.h"
#include "InstrumentTable.h"
#include "TablePlan.h"

#include <vector>

struct CCommandCase
{
    const char* pszCommand;
    const char* pszSection;
    EComputation computation;          // COMPUTE_COUNT: the table
    std::vector<const char*> required; // the required options with good values, the defaulted ones left out
    int nInstrument = -1;              // a table of an instrument's readings: its EInstrument

    std::vector<CParameter> Parameters() const
    {
        if (nInstrument >= 0)
            return CInstrumentTable::Parameters(static_cast<EInstrument>(nInstrument));
        int nCount = 0;
        const CParameter* pTable = GetTableParameters(&nCount); // the correction table's
        if (computation == COMPUTE_COUNT)
            return {pTable, pTable + nCount};
        const CComputation& computed = GetComputation(computation);
        return {computed.pParameters, computed.pParameters + computed.nParameters};
    }
};

inline const std::vector<CCommandCase>& CommandCases()
{
    static const std::vector<CCommandCase> kCases = {
        {"convert", "Options", COMPUTE_CONVERT, {"--temperature", "10"}},
        {"table", "Options", COMPUTE_COUNT, {"--from", "10", "--to", "12.5"}},
        {"salinity", "From --sg", COMPUTE_SALINITY_FROM_SG, {"--sg", "1.023", "--convention", "t/4", "--temperature", "5"}},
        {"salinity", "From --conductivity", COMPUTE_SALINITY_FROM_C, {"--conductivity", "53", "--temperature", "5"}},
        {"sg", "Options", COMPUTE_SG, {"--salinity", "35", "--convention", "25/25"}}, // a fixed sample temperature
        {"density", "Options", COMPUTE_DENSITY, {"--salinity", "35", "--temperature", "5"}},
        {"ptemp", "Options", COMPUTE_PTEMP, {"--salinity", "35", "--temperature", "5", "--pressure", "4000"}},
        {"depth", "Options", COMPUTE_DEPTH, {"--pressure", "4000", "--latitude", "5"}},
        {"refractive-index", "Options", COMPUTE_REFRACTIVE_INDEX, {"--salinity", "35", "--temperature", "5"}},
        {"salinity", "From --refractive-index", COMPUTE_SALINITY_FROM_INDEX,
         {"--refractive-index", "1.339", "--temperature", "5"}},
        {"refractometer", "Options", COMPUTE_REFRACTOMETER, {"--salinity", "35"}},
        {"salinity", "From --refractometer", COMPUTE_SALINITY_FROM_REFRACTOMETER, {"--refractometer", "35"}},
        {"hydrometer", "Options", COMPUTE_HYDROMETER,
         {"--salinity", "35", "--convention", "t/4", "--temperature", "5", "--calibrated-at", "15"}},
        {"salinity", "From --hydrometer", COMPUTE_SALINITY_FROM_HYDROMETER,
         {"--hydrometer", "1.02", "--convention", "t/4", "--temperature", "5", "--calibrated-at", "15"}},
        {"baume", "From --sg", COMPUTE_BAUME, {"--sg", "1.02"}},
        {"baume", "From --degrees", COMPUTE_SG_FROM_BAUME, {"--degrees", "3"}},
        {"salinity", "From --baume", COMPUTE_SALINITY_FROM_BAUME, {"--baume", "3"}},
        {"table", "With --instrument hydrometer", COMPUTE_COUNT,
         {"--instrument", "hydrometer", "--salinity-from", "30", "--salinity-to", "31", "--from", "10", "--to", "12",
          "--convention", "t/4", "--calibrated-at", "15"}, INSTRUMENT_HYDROMETER},
        {"table", "With --instrument refractometer", COMPUTE_COUNT,
         {"--instrument", "refractometer", "--salinity-from", "30", "--salinity-to", "31", "--from", "10", "--to",
          "12"}, INSTRUMENT_REFRACTOMETER},
    };
    return kCases;
}
