// A bitmap, usually loaded from the resources.
#pragma once
#include "CGdiObject.h"

class CBitmap : public CGdiObject
{
public:
    // Loads bitmap nIDResource from the module that holds it.
    BOOL LoadBitmap(UINT nIDResource);
};
