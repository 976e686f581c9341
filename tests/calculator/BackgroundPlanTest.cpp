// The copies each draw mode makes of a background bitmap, in order.
#include "BackgroundPlan.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

void PrintTo(const CBlit& blit, std::ostream* os)
{
    *os << (blit.bStretch ? "Stretch" : "Copy") << "(" << blit.x << "," << blit.y << " " << blit.cx << "x" << blit.cy;
    if (blit.bStretch)
        *os << " from " << blit.cxSrc << "x" << blit.cySrc;
    *os << ")";
}

namespace {

CBlit Copy(int x, int y, int cx, int cy)
{
    return CBlit{x, y, cx, cy, false, 0, 0};
}

struct PlanRow
{
    const char* pszName;
    int nDrawMode;
    int cxClient, cyClient, cxBitmap, cyBitmap;
    std::vector<CBlit> expected;
};

void PrintTo(const PlanRow& row, std::ostream* os)
{
    *os << row.pszName;
}

const PlanRow kRows[] = {
    {"OriginCopiesAClientSizedBlockToTheOrigin", CBackgroundMode::DRAW_ORIGIN, 100, 80, 40, 30, {Copy(0, 0, 100, 80)}},
    {"FitPaintsAsOrigin", CBackgroundMode::DRAW_FIT, 100, 80, 40, 30, {Copy(0, 0, 100, 80)}},
    {"TileLaysRowsTopToBottomTilesLeftToRight", CBackgroundMode::DRAW_TILE, 100, 50, 40, 30,
     {Copy(0, 0, 100, 50), Copy(40, 0, 100, 50), Copy(80, 0, 100, 50),
      Copy(0, 30, 100, 50), Copy(40, 30, 100, 50), Copy(80, 30, 100, 50)}},
    {"TileStopsAtAnExactMultiple", CBackgroundMode::DRAW_TILE, 80, 30, 40, 30,
     {Copy(0, 0, 80, 30), Copy(40, 0, 80, 30)}},
    {"TileOfAClientSmallerThanTheBitmapCopiesOnce", CBackgroundMode::DRAW_TILE, 30, 20, 40, 30, {Copy(0, 0, 30, 20)}},
    {"TileOfAnEmptyClientCopiesNothing", CBackgroundMode::DRAW_TILE, 0, 50, 40, 30, {}},
    {"TileOfAnEmptyBitmapCopiesNothing", CBackgroundMode::DRAW_TILE, 100, 80, 0, 0, {}},
    {"CenterOffsetsByHalfTheSpareRoom", CBackgroundMode::DRAW_CENTER, 101, 80, 40, 30, {Copy(30, 25, 101, 80)}},
    {"CenterOfALargerBitmapTruncatesTowardZero", CBackgroundMode::DRAW_CENTER, 40, 30, 45, 35,
     {Copy(-2, -2, 40, 30)}},
    {"StretchTakesTheWholeBitmapToTheWholeClient", CBackgroundMode::DRAW_STRETCH, 100, 80, 40, 30,
     {CBlit{0, 0, 100, 80, true, 40, 30}}},
    {"UnknownModeCopiesNothing", 5, 100, 80, 40, 30, {}},
    {"NegativeModeCopiesNothing", -1, 100, 80, 40, 30, {}},
};

class BackgroundPlanTest : public ::testing::TestWithParam<PlanRow> {};

TEST_P(BackgroundPlanTest, PlansTheCopiesOfTheMode)
{
    const PlanRow& row = GetParam();
    EXPECT_EQ(PlanBackground(row.nDrawMode, row.cxClient, row.cyClient, row.cxBitmap, row.cyBitmap), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, BackgroundPlanTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<PlanRow>& info) { return info.param.pszName; });

} // namespace
