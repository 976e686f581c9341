// Where the two skinned windows open: the main window at its saved position (centred on a first start), the settings
// dialog 50 pixels from the main window's corner; both moved onto the primary screen without resizing.
#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <utility>

const int kNotSet = -5000;
const int W = 228, H = 172;   // main window, fitted to its background
const int OW = 209, OH = 172; // settings dialog

TEST(WindowPlacement, MainWindow)
{
    // Saved position, window size, screen size; where it opens; the saved position afterwards: centring is kept,
    // clamping is not.
    const struct { int nPosX, nPosY, w, h, cx, cy, x, y, nPosXAfter, nPosYAfter; } rows[] = {
        {kNotSet, kNotSet, W, H, 1024, 768, 398, 298, 398, 298},     // first start, centred
        {kNotSet, kNotSet, 229, 171, 1024, 768, 398, 299, 398, 299}, // each half truncated alone
        {796, 596, W, H, 1024, 768, 796, 596, 796, 596}, // edges exactly on the screen's
        {kNotSet, 300, W, H, 1024, 768, 0, 300, kNotSet, 300}, // one value saved: not centred
        {300, kNotSet, W, H, 1024, 768, 300, 0, 300, kNotSet},
        {INT_MAX, INT_MIN, W, H, 1024, 768, 796, 0, INT_MAX, INT_MIN},
        {INT_MIN, INT_MAX, W, H, 1024, 768, 0, 596, INT_MIN, INT_MAX},
        {-3000, 5000, 2000, 1000, 1024, 768, 0, 0, -3000, 5000}, // larger than the screen: top-left wins
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0, INT_MAX, INT_MAX},
    };
    for (const auto& row : rows)
    {
        int nPosX = row.nPosX, nPosY = row.nPosY;
        const CPlacement at = PlaceMainWindow(nPosX, nPosY, row.w, row.h, row.cx, row.cy);
        EXPECT_EQ(std::make_tuple(at.x, at.y, nPosX, nPosY),
                  std::make_tuple(row.x, row.y, row.nPosXAfter, row.nPosYAfter))
            << "saved " << row.nPosX << "," << row.nPosY;
    }
}

TEST(WindowPlacement, SettingsDialog)
{
    const struct { int nLeft, nTop, w, h, x, y; } rows[] = { // the owner's top-left, where the template puts it
        {-40, -30, OW, OH, 10, 20},
        {-49, -50, OW, OH, 1, 0},
        {10, 10, 3000, 3000, 0, 0}, // larger than the screen
        {INT_MAX, INT_MIN, OW, OH, 815, 0},
        {INT_MIN, INT_MAX, OW, OH, 0, 596},
    };
    for (const auto& row : rows)
    {
        const CPlacement at = PlaceOptionDialog(row.nLeft, row.nTop, row.w, row.h, 1024, 768);
        EXPECT_EQ(std::make_pair(at.x, at.y), std::make_pair(row.x, row.y))
            << "owner at " << row.nLeft << "," << row.nTop;
    }
}
