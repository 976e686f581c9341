// Batch lines: a computation by its name, its fields in order with defaults
// for the empty and left-out ones, and a reason naming the field for every
// line that makes no computation.
#include "BatchLine.h"

#include <halic.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{
const char kComputations[] = "convert, sg, salinity sg, salinity conductivity, density, ptemp, depth, refractive-index, "
                             "salinity refractive-index, refractometer, salinity refractometer, hydrometer, "
                             "salinity hydrometer, baume sg, baume degrees, salinity baume";
}

TEST(BatchLine, Computations)
{
    const struct { const char* pszLine; EComputation computation; double adArguments[kMaxParameters]; } rows[] = {
        {"convert,26", COMPUTE_CONVERT, {26, 24, 1.024, 1, 35, 1}},
        {" convert , 26 ,,,, 30,0\r", COMPUTE_CONVERT, {26, 24, 1.024, 1, 30, 0}},
        {"sg,35,25/25", COMPUTE_SG, {35, HALIC_SG_25_25, NAN}},
        {"salinity,sg,1.023,t/4,25", COMPUTE_SALINITY_FROM_SG, {1.023, HALIC_SG_T_4, 25}},
        {"salinity,conductivity,53.071,25", COMPUTE_SALINITY_FROM_C, {53.071, 25, 0}},
        {"depth,1000,-45", COMPUTE_DEPTH, {1000, -45}},
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

TEST(BatchLine, SkippedAndBad)
{
    const struct { const char* pszLine; EBatchLine result; std::string error; } rows[] = {
        {"", BATCH_LINE_SKIPPED, ""}, {" \t\r", BATCH_LINE_SKIPPED, ""}, {"# convert,26", BATCH_LINE_SKIPPED, ""},
        {"foo,1", BATCH_LINE_BAD, std::string("unknown computation foo; accepts ") + kComputations},
        {"salinity,1.023,t/4", BATCH_LINE_BAD, std::string("unknown computation salinity,1.023; accepts ") + kComputations},
        {"convert", BATCH_LINE_BAD, "temperature (field 2): missing; accepts -2 to 40 degC"},
        {"convert,26,24,1.024,1,35,1,0,9", BATCH_LINE_BAD, "convert takes at most 7 fields after its name, not 8"},
        {"convert,26,nan", BATCH_LINE_BAD, "base-temperature (field 3) nan: not a finite number; accepts -2 to 40 degC"},
        {"convert,26,,,,,2", BATCH_LINE_BAD, "potential (field 7) 2: unknown; accepts 1 or 0"},
        {"\xef\xbb\xbf" "convert,26", BATCH_LINE_BAD, std::string("unknown computation \"\\u{feff}convert\"; accepts ") + kComputations},
        {"salinity,sg,1.023,t/t", BATCH_LINE_BAD, "temperature (field 5): missing; accepts -2 to 40 degC"},
    };
    for (const auto& row : rows)
    {
        CBatchLine line;
        std::string error;
        EXPECT_EQ(ParseBatchLine(row.pszLine, &line, &error), row.result) << row.pszLine;
        EXPECT_EQ(error, row.error);
    }
}

// A line without an answer is reported, naming the field at fault as the
// line gives it; the advice is what a line can do.
TEST(BatchLine, NoAnswerIsReportedNotWritten)
{
    const struct { const char* pszLine; const char* pszError; } rows[] = {
        {"salinity,sg,1.5,t/4,25",
         "hali batch: line 7: salinity: no answer: sg (field 3) 1.5 is read by no salinity from 0 to 42 at these "
         "temperatures\n"},
        {"salinity, conductivity , 3e2 ,25",
         "hali batch: line 7: salinity: no answer: conductivity (field 3) 3e2 mS/cm gives no salinity from 0 to 42 at "
         "this temperature (field 4) and pressure (field 5)\n"},
        {"sg,35,60/60F,20", "hali batch: line 7: temperature (field 4) 20: convention 60/60F fixes the sample's "
                            "temperature at 15.5556 degC; leave the field empty\n"},
    };
    for (const auto& row : rows)
    {
        std::string out, err;
        EXPECT_FALSE(RunBatchLine(row.pszLine, 7, FORMAT_CSV, out, err));
        EXPECT_EQ(out, "");
        EXPECT_EQ(err, row.pszError);
    }
}
