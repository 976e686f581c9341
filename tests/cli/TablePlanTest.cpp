// The rows of a correction table: both ends included when the steps meet
// them, never past the end, and no table for reversed ends or absurd counts.
#include "TablePlan.h"

#include <gtest/gtest.h>

TEST(TablePlan, RowsFromFirstToLast)
{
    const struct { double dFrom, dTo, dStep; long nRows; double dLast; } rows[] = {
        {20, 30, 1, 11, 30}, {20, 30, 0.1, 101, 30}, // 100 steps of 0.1 reach 30 within a rounding
        {20, 30, 3, 4, 29}, {25, 25, 1, 1, 25}, {-2, 40, 0.042, 1001, 40}, {0.5, 1.2, 0.7, 2, 1.2},
        {0, 0.99999, 0.00001, 100000, 0.99999}, // the most rows a table has
    };
    for (const auto& row : rows)
    {
        const CTablePlan plan(row.dFrom, row.dTo, row.dStep);
        EXPECT_EQ(plan.Problem("f", "t", "s"), "") << row.dStep;
        EXPECT_EQ(plan.RowCount(), row.nRows) << row.dStep;
        EXPECT_EQ(plan.Temperature(0), row.dFrom);
        EXPECT_DOUBLE_EQ(plan.Temperature(row.nRows - 1), row.dLast) << row.dStep;
        EXPECT_LE(plan.Temperature(row.nRows - 1), row.dTo) << row.dStep;
    }
}

TEST(TablePlan, NoTable)
{
    // The options as given are named: "20.0", "4.9e-324".
    const struct { double dFrom, dTo, dStep; const char* apszTexts[3]; const char* pszProblem; } rows[] = {
        {30, 20, 1, {"30", "20.0", "1"}, "--to 20.0: below --from 30"},
        {0, 1, 0.00001, {"0", "1", ".00001"},
         "--step .00001: makes more than 100000 rows; accepts a step that makes at most that many"},
        {-2, 40, 5e-324, {"-2", "40", "4.9e-324"},
         "--step 4.9e-324: makes more than 100000 rows; accepts a step that makes at most that many"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CTablePlan(row.dFrom, row.dTo, row.dStep).Problem(row.apszTexts[0], row.apszTexts[1], row.apszTexts[2]),
                  row.pszProblem);
}
