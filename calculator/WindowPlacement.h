// Where the skinned windows open on the primary screen.
#pragma once

// Top-left corner of a window in screen pixels.
struct CPlacement
{
    int x; // left edge [px]
    int y; // top edge [px]
};

// Moves a w x h rectangle with its top-left at (x, y) onto a cx x cy screen
// without resizing it: up until its bottom is cy, then down until its top is 0,
// left until its right is cx, then right until its left is 0. So the top and
// left edges win for a window larger than the screen. Any inputs are safe.
//   x, y: wanted top-left [px]; w, h: window size [px]; cx, cy: screen size [px]
CPlacement ClampToScreen(long long x, long long y, int w, int h, int cx, int cy);

// The main window: centred when both saved values are -5000 (the centred
// position is written back into nPosX and nPosY), then brought onto the screen.
//   nPosX, nPosY: saved top-left [px]; w, h: window size [px]; cx, cy: screen size [px]
CPlacement PlaceMainWindow(int& nPosX, int& nPosY, int w, int h, int cx, int cy);

// The settings dialog: 50 px right of and below where its template puts it
// (the main window's top-left), then brought onto the screen.
//   left, top: window rectangle's top-left [px]; w, h: its size [px]; cx, cy: screen size [px]
CPlacement PlaceOptionDialog(int left, int top, int w, int h, int cx, int cy);
