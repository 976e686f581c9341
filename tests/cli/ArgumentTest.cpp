// Arguments from texts: ranges with their bounds, names from the library's
// list, and the messages that name the argument and its range.
#include "Parameter.h"

#include <halic.h>

#include <gtest/gtest.h>

#include <cmath>

const CParameter kTemperature = {"temperature", "DEGC", "", PARAMETER_NUMBER, "degC", -2, 40, false,
                                 PRESENCE_REQUIRED, 0};
const CParameter kGravity = {"sg", "SG", "", PARAMETER_NUMBER, "", 0, 2, true, PRESENCE_REQUIRED, 0};
const CParameter kConductivity = {"conductivity", "", "", PARAMETER_NUMBER, "mS/cm", 0, HUGE_VAL, false,
                                  PRESENCE_DEFAULT, 0};
const CParameter kConvention = {"convention", "", "", PARAMETER_CONVENTION, "", 0, 0, false, PRESENCE_REQUIRED, 0};
const CParameter kSwitch = {"potential", "", "", PARAMETER_SWITCH, "", 0, 1, false, PRESENCE_DEFAULT, 1};
const CParameter kUnit = {"unit", "", "", PARAMETER_UNIT, "", 0, 1, false, PRESENCE_DEFAULT, 0};

TEST(Argument, ValuesAndMessages)
{
    const struct { const CParameter& param; const char* pszText; EArgumentProblem problem; double d;
                   const char* pszMessage = nullptr; } rows[] = {
        {kTemperature, "-2", ARGUMENT_OK, -2}, {kTemperature, " 40 ", ARGUMENT_OK, 40}, // bounds included
        {kTemperature, "-2.0000001", ARGUMENT_OUT_OF_RANGE, 0},
        {kTemperature, "50", ARGUMENT_OUT_OF_RANGE, 0, "--x 50: outside the range; accepts -2 to 40 degC"},
        // as given, with every digit that shows why
        {kTemperature, "40.000000000000007", ARGUMENT_OUT_OF_RANGE, 0,
         "--x 40.000000000000007: outside the range; accepts -2 to 40 degC"},
        {kTemperature, " 50", ARGUMENT_OUT_OF_RANGE, 0, "--x \" 50\": outside the range; accepts -2 to 40 degC"},
        // cut short, so the value read follows
        {kTemperature, "00000000000000000000000000000000000000040.000000001", ARGUMENT_OUT_OF_RANGE, 0,
         "--x \"0000000000000000000000000000000000000004\"... (51 bytes) (reads as 40.000000001): outside the "
         "range; accepts -2 to 40 degC"},
        {kTemperature, "", ARGUMENT_EMPTY, 0}, {kTemperature, "warm", ARGUMENT_NOT_NUMBER, 0}, // given, not a default
        {kTemperature, "nan", ARGUMENT_NOT_FINITE, 0}, {kTemperature, "1e400", ARGUMENT_TOO_LARGE, 0},
        {kTemperature, "1e-400", ARGUMENT_OK, 0}, // the nearest number is 0, inside the range
        {kGravity, "0", ARGUMENT_OUT_OF_RANGE, 0}, {kGravity, "1e-300", ARGUMENT_OK, 1e-300}, // above 0, not 0
        {kGravity, "1e-400", ARGUMENT_TOO_SMALL, 0, "--x 1e-400: too small to tell from 0; accepts above 0 to 2"},
        {kGravity, "0e-400", ARGUMENT_OUT_OF_RANGE, 0}, {kGravity, "-1e-400", ARGUMENT_OUT_OF_RANGE, 0},
        {kGravity, "abc", ARGUMENT_NOT_NUMBER, 0, "--x abc: not a number; accepts above 0 to 2"},
        {kConductivity, "1e300", ARGUMENT_OK, 1e300}, {kConductivity, "-0.001", ARGUMENT_OUT_OF_RANGE, 0},
        {kConductivity, "nan", ARGUMENT_NOT_FINITE, 0, "--x nan: not a finite number; accepts 0 or more mS/cm"},
        {kConvention, "t/4", ARGUMENT_OK, HALIC_SG_T_4}, {kConvention, "60/60f", ARGUMENT_OK, HALIC_SG_60_60F},
        {kConvention, "25", ARGUMENT_UNKNOWN_NAME, 0}, {kConvention, "t/t/", ARGUMENT_UNKNOWN_NAME, 0},
        {kConvention, "x/y", ARGUMENT_UNKNOWN_NAME, 0,
         "--x x/y: unknown; accepts t/t, t/4, 15/4, 20/20, 25/25, 60/60F"},
        {kSwitch, "0", ARGUMENT_OK, 0}, {kSwitch, "1", ARGUMENT_OK, 1},
        {kSwitch, "2", ARGUMENT_UNKNOWN_NAME, 0, "--x 2: unknown; accepts 1 or 0"},
        {kUnit, "f", ARGUMENT_OK, 1}, {kUnit, "K", ARGUMENT_UNKNOWN_NAME, 0},
        {kConvention, " ", ARGUMENT_EMPTY, 0}, {kSwitch, "", ARGUMENT_EMPTY, 0}, {kUnit, "", ARGUMENT_EMPTY, 0},
    };
    for (const auto& row : rows)
    {
        double d = 42.0;
        EXPECT_EQ(ReadArgument(row.param, row.pszText, &d), row.problem) << row.pszText;
        EXPECT_EQ(d, row.problem == ARGUMENT_OK ? row.d : 42.0) << row.pszText;
        if (row.pszMessage != nullptr)
        {
            EXPECT_EQ(ArgumentMessage(row.param, "--x", row.pszText, row.problem), row.pszMessage);
        }
    }
}
