// A point in pixels.
#pragma once
#include "AfxTypes.h"

class CPoint : public tagPOINT
{
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
};
