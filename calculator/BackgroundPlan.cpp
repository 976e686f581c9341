#include "BackgroundPlan.h"

namespace
{
CBlit Copy(int x, int y, int cx, int cy)
{
    return CBlit{x, y, cx, cy, false, 0, 0};
}
}

std::vector<CBlit> PlanBackground(int nDrawMode, int cxClient, int cyClient, int cxBitmap, int cyBitmap)
{
    std::vector<CBlit> blits;
    switch (nDrawMode)
    {
    case CBackgroundMode::DRAW_ORIGIN:
    case CBackgroundMode::DRAW_FIT:
        blits.push_back(Copy(0, 0, cxClient, cyClient));
        break;
    case CBackgroundMode::DRAW_TILE:
        // 64-bit steps: the last step past a client edge near INT_MAX must not overflow.
        for (long long y = 0; y < cyClient && cyBitmap > 0; y += cyBitmap)
            for (long long x = 0; x < cxClient && cxBitmap > 0; x += cxBitmap)
                blits.push_back(Copy(static_cast<int>(x), static_cast<int>(y), cxClient, cyClient));
        break;
    case CBackgroundMode::DRAW_CENTER:
        blits.push_back(Copy((cxClient - cxBitmap) / 2, (cyClient - cyBitmap) / 2, cxClient, cyClient));
        break;
    case CBackgroundMode::DRAW_STRETCH:
        blits.push_back(CBlit{0, 0, cxClient, cyClient, true, cxBitmap, cyBitmap});
        break;
    default:
        break;
    }
    return blits;
}
