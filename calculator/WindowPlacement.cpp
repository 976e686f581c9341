#include "WindowPlacement.h"
#include "ConverterSettings.h"

#include <climits>

namespace
{
const int kOptionDialogOffset = 50; // settings dialog's shift from the main window [px]

// Beyond this distance from the origin a corner ends on the same screen edge
// whatever its exact value, and the 64-bit sums below cannot overflow.
const long long kFarAway = 1LL << 40;

long long Clamp(long long v, long long lo, long long hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

int ToInt(long long v)
{
    return static_cast<int>(Clamp(v, INT_MIN, INT_MAX));
}

// Start of a span of nSize moved until its far end is at most nLimit, then
// until its start is at least 0, so the start wins when the span is too long.
long long ClampAxis(long long nStart, int nSize, int nLimit)
{
    long long nFrom = Clamp(nStart, -kFarAway, kFarAway);
    if (nFrom + nSize >= nLimit)
        nFrom = static_cast<long long>(nLimit) - nSize;
    if (nFrom <= 0)
        nFrom = 0;
    return nFrom;
}
}

CPlacement ClampToScreen(long long x, long long y, int w, int h, int cx, int cy)
{
    const long long top = ClampAxis(y, h, cy);
    const long long left = ClampAxis(x, w, cx);
    // Only a negative size can leave the int range here.
    return CPlacement{ToInt(left), ToInt(top)};
}

CPlacement PlaceMainWindow(int& nPosX, int& nPosY, int w, int h, int cx, int cy)
{
    if (nPosX == POSITION_NOT_SET && nPosY == POSITION_NOT_SET)
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
