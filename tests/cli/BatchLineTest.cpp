// Batch lines: a computation by its name, its fields in order with defaults
// for the empty and left-out ones, and a reason naming the field for every
// line that makes no computation.
#include "BatchLine.h"

#include <halic.h>

#include <gtest/gtest.h>

#include <cmath>

const char kComputations[] = "convert, sg, salinity sg, salinity conductivity, density, ptemp, depth, "
                             "refractive-index, salinity refractive-index, refractometer, salinity refractometer, "
                             "hydrometer, salinity hydrometer, baume sg, baume degrees, salinity baume";

TEST(BatchLine, Computations)
{
    const struct { const char* pszLine; EComputation computation; double adArguments[kMaxParameters]; } rows[] = {
        {" convert , 26 ,,,, 30,0\r", COMPUTE_CONVERT, {26, 24, 1.024, 1, 30, 0}},
        {"sg,35,25/25", COMPUTE_SG, {35, HALIC_SG_25_25, NAN}},
        {"salinity,sg,1.023,t/4,25", COMPUTE_SALINITY_FROM_SG, {1.023, HALIC_SG_T_4, 25}},
        {"salinity,conductivity,53.071,25", COMPUTE_SALINITY_FROM_C, {53.071, 25, 0}},
    };
    for (const auto& row : rows)
    {
        CBatchLine line;
        std::string error;
        ASSERT_EQ(ParseBatchLine(row.pszLine, &line, &error), BATCH_LINE_RESULT) << row.pszLine << ": " << error;
        EXPECT_EQ(line.computation, row.computation) << row.pszLine;
        for (int i = 0; i < GetComputation(row.computation).nParameters; ++i)
            EXPECT_TRUE(line.adArguments[i] == row.adArguments[i] ||
                        (std::isnan(line.adArguments[i]) && std::isnan(row.adArguments[i])))
                << row.pszLine << " field " << i + 2;
    }
}

// A line without a result: skipped silently, or reported with the reason naming the field at fault as the line
// gives it, the advice what a line can do; nothing is written for it.
TEST(BatchLine, WithoutAResult)
{
    const struct { const char* pszLine; std::string error; } rows[] = {
        {"", ""}, {" \t\r", ""}, {"# convert,26", ""},
        {"foo,1", std::string("unknown computation foo; accepts ") + kComputations},
        {"salinity,1.023,t/4", std::string("unknown computation salinity,1.023; accepts ") + kComputations},
        {"\xef\xbb\xbf" "convert,26", std::string("unknown computation \"\\u{feff}convert\"; accepts ") +
                                          kComputations},
        {"convert", "temperature (field 2): missing; accepts -2 to 40 degC"},
        {"convert,26,24,1.024,1,35,1,0,9", "convert takes at most 7 fields after its name, not 8"},
        // the first of two fields at fault is named
        {"convert,26,nan,,,,2", "base-temperature (field 3) nan: not a finite number; accepts -2 to 40 degC"},
        {"salinity,sg,1.023,t/t", "temperature (field 5): missing; accepts -2 to 40 degC"},
        {"salinity, conductivity , 3e2 ,25", "salinity: no answer: conductivity (field 3) 3e2 mS/cm gives no salinity "
                                             "from 0 to 42 at this temperature (field 4) and pressure (field 5)"},
        {"sg,35,60/60F,20", "temperature (field 4) 20: convention 60/60F fixes the sample's temperature at 15.5556 "
                            "degC; leave the field empty"},
    };
    for (const auto& row : rows)
    {
        std::string out, err;
        EXPECT_EQ(RunBatchLine(row.pszLine, 7, FORMAT_CSV, out, err), row.error.empty()) << row.pszLine;
        EXPECT_EQ(out, "") << row.pszLine;
        EXPECT_EQ(err, row.error.empty() ? "" : "hali batch: line 7: " + row.error + "\n");
    }
}
