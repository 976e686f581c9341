// Where the two skinned windows open: the main window at its saved position
// (centred on a first start), the settings dialog 50 pixels from the main
// window's corner; both moved onto the primary screen without resizing.
#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <utility>

namespace
{
const int kNotSet = -5000;
const int W = 228, H = 172;   // main window, fitted to its background
const int OW = 209, OH = 172; // settings dialog

struct MainRow
{
    int nPosX, nPosY, w, h, cx, cy; // saved position, window size, screen size
    int x, y;                       // where it opens
    int nPosXAfter, nPosYAfter;     // saved position afterwards: centring is kept, clamping is not
};

const MainRow kMainRows[] = {
    {kNotSet, kNotSet, W, H, 1024, 768, 398, 298, 398, 298},     // first start, centred
    {kNotSet, kNotSet, 229, 171, 1024, 768, 398, 299, 398, 299}, // each half truncated alone
    {100, 200, W, H, 1024, 768, 100, 200, 100, 200},
    {-50, 100, W, H, 1024, 768, 0, 100, -50, 100},
    {900, 700, W, H, 1024, 768, 796, 596, 900, 700},
    {1300, 100, W, H, 1024, 768, 796, 100, 1300, 100}, // saved on a second monitor
    {796, 596, W, H, 1024, 768, 796, 596, 796, 596},   // edges exactly on the screen's
    {795, 595, W, H, 1024, 768, 795, 595, 795, 595},
    {1, 1, W, H, 1024, 768, 1, 1, 1, 1},
    {kNotSet, 300, W, H, 1024, 768, 0, 300, kNotSet, 300}, // one value saved: not centred
    {300, kNotSet, W, H, 1024, 768, 300, 0, 300, kNotSet},
    {INT_MAX, INT_MAX, W, H, 1024, 768, 796, 596, INT_MAX, INT_MAX},
    {INT_MIN, INT_MIN, W, H, 1024, 768, 0, 0, INT_MIN, INT_MIN},
    {INT_MAX, INT_MIN, W, H, 1024, 768, 796, 0, INT_MAX, INT_MIN},
    {-3000, 5000, 2000, 1000, 1024, 768, 0, 0, -3000, 5000}, // larger than the screen: top-left wins
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0, INT_MAX, INT_MAX},
};

struct OptionRow
{
    int nLeft, nTop; // main window's top-left, where the template puts the dialog
    int w, h;
    int x, y;
};

const OptionRow kOptionRows[] = {
    {0, 0, OW, OH, 50, 50},
    {398, 298, OW, OH, 448, 348},
    {-80, -60, OW, OH, 0, 0},
    {-40, -30, OW, OH, 10, 20},
    {-50, -50, OW, OH, 0, 0},
    {-49, -10, OW, OH, 1, 40},
    {-200, 300, OW, OH, 0, 350},
    {300, -200, OW, OH, 350, 0},
    {796, 596, OW, OH, 815, 596}, // against the bottom-right edges at full size
    {900, 700, OW, OH, 815, 596},
    {10, 10, 3000, 3000, 0, 0},   // larger than the screen
    {INT_MAX, INT_MAX, OW, OH, 815, 596},
    {INT_MIN, INT_MIN, OW, OH, 0, 0},
};
}

TEST(WindowPlacement, MainWindow)
{
    for (const MainRow& row : kMainRows)
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
    for (const OptionRow& row : kOptionRows)
    {
        const CPlacement at = PlaceOptionDialog(row.nLeft, row.nTop, row.w, row.h, 1024, 768);
        EXPECT_EQ(std::make_pair(at.x, at.y), std::make_pair(row.x, row.y)) << "owner at " << row.nLeft << "," << row.nTop;
    }
}
