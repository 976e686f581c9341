// The copies each draw mode makes of a background bitmap, in order.
#include "BackgroundPlan.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

void PrintTo(const CBlit& b, std::ostream* os)
{
    *os << (b.bStretch ? "Stretch" : "Copy") << "(" << b.x << "," << b.y << " " << b.cx << "x" << b.cy << " from "
        << b.cxSrc << "x" << b.cySrc << ")";
}

TEST(BackgroundPlan, CopiesOfEachMode)
{
    const auto Copy = [](int x, int y, int cx, int cy) { return CBlit{x, y, cx, cy, false, 0, 0}; };
    // The mode, the client's and the bitmap's sizes; the copies.
    const struct { int nDrawMode, cxClient, cyClient, cxBitmap, cyBitmap; std::vector<CBlit> expected; } rows[] = {
        {CBackgroundMode::DRAW_ORIGIN, 100, 80, 40, 30, {Copy(0, 0, 100, 80)}},
        {CBackgroundMode::DRAW_FIT, 100, 80, 40, 30, {Copy(0, 0, 100, 80)}}, // painted as the origin mode
        {CBackgroundMode::DRAW_TILE, 100, 50, 40, 30, // rows top to bottom, tiles left to right
         {Copy(0, 0, 100, 50), Copy(40, 0, 100, 50), Copy(80, 0, 100, 50), Copy(0, 30, 100, 50),
          Copy(40, 30, 100, 50), Copy(80, 30, 100, 50)}},
        {CBackgroundMode::DRAW_TILE, 80, 30, 40, 30, {Copy(0, 0, 80, 30), Copy(40, 0, 80, 30)}}, // exact multiple
        {CBackgroundMode::DRAW_TILE, 0, 50, 40, 30, {}},
        {CBackgroundMode::DRAW_TILE, 100, 80, 0, 0, {}}, // an empty bitmap must not loop forever
        {CBackgroundMode::DRAW_CENTER, 101, 80, 40, 30, {Copy(30, 25, 101, 80)}},
        {CBackgroundMode::DRAW_CENTER, 40, 30, 45, 35, {Copy(-2, -2, 40, 30)}}, // truncated toward zero
        {CBackgroundMode::DRAW_STRETCH, 100, 80, 40, 30, {CBlit{0, 0, 100, 80, true, 40, 30}}},
        {5, 100, 80, 40, 30, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PlanBackground(row.nDrawMode, row.cxClient, row.cyClient, row.cxBitmap, row.cyBitmap), row.expected)
            << "mode " << row.nDrawMode << ", client " << row.cxClient << "x" << row.cyClient;
}
