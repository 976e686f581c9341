// Where a skinned window's background bitmap is copied on each erase.
#pragma once
#include <vector>

// The draw modes of a background, by their stored values. A base of the
// skinned dialog, so the window's users name them as CBitmapDialog::DRAW_xxx.
struct CBackgroundMode
{
    enum
    {
        DRAW_ORIGIN = 0,  // at the client origin, unscaled
        DRAW_TILE = 1,    // repeated from the origin, row by row
        DRAW_CENTER = 2,  // centred, unscaled
        DRAW_STRETCH = 3, // stretched over the client area
        DRAW_FIT = 4,     // as DRAW_ORIGIN; the window takes the bitmap's size
    };
};

// One copy from the bitmap's origin into the client area.
struct CBlit
{
    int x, y;         // target's top-left [client px]
    int cx, cy;       // target's size [px]
    bool bStretch;    // stretched from the whole bitmap (StretchBlt), else copied 1:1 (BitBlt)
    int cxSrc, cySrc; // source size when stretched [px]; 0 otherwise

    bool operator==(const CBlit& other) const
    {
        return x == other.x && y == other.y && cx == other.cx && cy == other.cy && bStretch == other.bStretch &&
               cxSrc == other.cxSrc && cySrc == other.cySrc;
    }
};

// The copies, in order, that paint a cxBitmap x cyBitmap background in mode
// nDrawMode over a cxClient x cyClient client area. Every plain copy takes a
// block the size of the client area: tiles are laid top to bottom, left to
// right, each later one covering what an earlier block took from beyond its
// bitmap. An unknown mode copies nothing.
std::vector<CBlit> PlanBackground(int nDrawMode, int cxClient, int cyClient, int cxBitmap, int cyBitmap);
