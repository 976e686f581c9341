#include "WindowPlacement.h"

#include <climits>

namespace
{
const int kNotSet = -5000;          // saved position that asks for centring
const int kOptionDialogOffset = 50; // settings dialog's shift from the main window [px]

// Beyond this distance from the origin a corner ends on the same screen edge
// whatever its exact value, and the 64-bit sums below cannot overflow.
const long long kFarAway = 1LL << 40;

long long Limit(long long v, long long lo, long long hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

int ToInt(long long v)
{
    return static_cast<int>(Limit(v, INT_MIN, INT_MAX));
}
}

CPlacement ClampToScreen(long long x, long long y, int w, int h, int cx, int cy)
{
    long long left = Limit(x, -kFarAway, kFarAway);
    long long top = Limit(y, -kFarAway, kFarAway);
    long long right = left + w;
    long long bottom = top + h;

    if (bottom >= cy)
    {
        top -= bottom - cy;
        bottom = cy;
    }
    if (top <= 0)
    {
        bottom -= top;
        top = 0;
    }
    if (right >= cx)
    {
        left -= right - cx;
        right = cx;
    }
    if (left <= 0)
    {
        right -= left;
        left = 0;
    }
    // Only a negative size can leave the int range here.
    return CPlacement{ToInt(left), ToInt(top)};
}

CPlacement PlaceMainWindow(int& nPosX, int& nPosY, int w, int h, int cx, int cy)
{
    if (nPosX == kNotSet && nPosY == kNotSet)
    {
        nPosX = cx / 2 - w / 2;
        nPosY = cy / 2 - h / 2;
    }
    return ClampToScreen(nPosX, nPosY, w, h, cx, cy);
}

CPlacement PlaceOptionDialog(int left, int top, int w, int h, int cx, int cy)
{
    return ClampToScreen(static_cast<long long>(left) + kOptionDialogOffset,
                         static_cast<long long>(top) + kOptionDialogOffset, w, h, cx, cy);
}
