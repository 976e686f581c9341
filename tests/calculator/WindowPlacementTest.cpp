#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace
{
const int kScreenW = 1024, kScreenH = 768;
const int kMainW = 228, kMainH = 172;   // main window, fitted to its background
const int kOptionW = 209, kOptionH = 172; // settings dialog

CPlacement Main(int nPosX, int nPosY)
{
    return PlaceMainWindow(nPosX, nPosY, kMainW, kMainH, kScreenW, kScreenH);
}

CPlacement Option(int nMainX, int nMainY)
{
    return PlaceOptionDialog(nMainX, nMainY, kOptionW, kOptionH, kScreenW, kScreenH);
}
}

#define EXPECT_AT(placement, ex, ey)    \
    do                                  \
    {                                   \
        const CPlacement p_ = (placement); \
        EXPECT_EQ(p_.x, ex);            \
        EXPECT_EQ(p_.y, ey);            \
    } while (0)

TEST(MainWindowPlacement, FirstStartIsCentred)
{
    int nPosX = -5000, nPosY = -5000;
    EXPECT_AT(PlaceMainWindow(nPosX, nPosY, kMainW, kMainH, kScreenW, kScreenH), 398, 298);
    EXPECT_EQ(nPosX, 398);
    EXPECT_EQ(nPosY, 298);

    // Each half truncated on its own: 512 - 114 and 384 - 85, not (1024 - 229) / 2.
    nPosX = nPosY = -5000;
    EXPECT_AT(PlaceMainWindow(nPosX, nPosY, 229, 171, kScreenW, kScreenH), 398, 299);
}

TEST(MainWindowPlacement, SavedPositionBroughtOntoTheScreen)
{
    EXPECT_AT(Main(100, 200), 100, 200);
    EXPECT_AT(Main(-50, 100), 0, 100);
    EXPECT_AT(Main(900, 700), 796, 596);
    EXPECT_AT(Main(1300, 100), 796, 100);
    EXPECT_AT(Main(796, 596), 796, 596);
    EXPECT_AT(Main(0, 0), 0, 0);
    EXPECT_AT(Main(1, 1), 1, 1);
    EXPECT_AT(Main(795, 595), 795, 595);
}

TEST(MainWindowPlacement, OneSavedValueIsNotCentred)
{
    int nPosX = -5000, nPosY = 300;
    EXPECT_AT(PlaceMainWindow(nPosX, nPosY, kMainW, kMainH, kScreenW, kScreenH), 0, 300);
    EXPECT_EQ(nPosX, -5000);
    EXPECT_EQ(nPosY, 300);
    EXPECT_AT(Main(300, -5000), 300, 0);
}

TEST(MainWindowPlacement, ExtremePositions)
{
    EXPECT_AT(Main(INT_MAX, INT_MAX), 796, 596);
    EXPECT_AT(Main(INT_MIN, INT_MIN), 0, 0);
    EXPECT_AT(Main(INT_MAX, INT_MIN), 796, 0);
    EXPECT_AT(ClampToScreen(LLONG_MAX, LLONG_MIN, kMainW, kMainH, kScreenW, kScreenH), 796, 0);
    EXPECT_AT(ClampToScreen(LLONG_MIN, LLONG_MAX, kMainW, kMainH, kScreenW, kScreenH), 0, 596);
    EXPECT_AT(ClampToScreen(0, 0, INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0, 0);
    EXPECT_AT(ClampToScreen(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX), 0, 0);

    int nPosX = -5000, nPosY = -5000;
    EXPECT_AT(PlaceMainWindow(nPosX, nPosY, INT_MIN, INT_MIN, INT_MAX, INT_MAX), INT_MAX, INT_MAX);
    EXPECT_EQ(nPosX, INT_MAX); // 1073741823 + 1073741824
}

TEST(MainWindowPlacement, LargerThanTheScreenKeepsTopLeft)
{
    for (int nPos : {-3000, 0, 100, 5000})
        EXPECT_AT(PlaceMainWindow(nPos, nPos, 2000, 1000, kScreenW, kScreenH), 0, 0);
}

TEST(OptionDialogPlacement, FiftyPixelsFromTheMainWindow)
{
    EXPECT_AT(Option(0, 0), 50, 50);
    EXPECT_AT(Option(398, 298), 448, 348);
    EXPECT_AT(Option(-49, -10), 1, 40);
    EXPECT_AT(Option(-50, -50), 0, 0); // exactly at the edge
}

TEST(OptionDialogPlacement, KeptOnTheScreen)
{
    EXPECT_AT(Option(796, 596), 815, 596);
    EXPECT_AT(Option(900, 700), 815, 596);
    EXPECT_AT(Option(-51, -51), 0, 0);
    EXPECT_AT(Option(-200, 300), 0, 350);
    EXPECT_AT(Option(300, -200), 350, 0);
    EXPECT_AT(Option(INT_MAX, INT_MAX), 815, 596);
    EXPECT_AT(Option(INT_MIN, INT_MIN), 0, 0);
    EXPECT_AT(PlaceOptionDialog(10, 10, 3000, 3000, kScreenW, kScreenH), 0, 0);
}
