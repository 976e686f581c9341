#include "Baume.h"

const double CBaume::kAmerican = 145.0;
const double CBaume::kDutch = 144.0;
const double CBaume::kGerlach = 146.78;

double CBaume::GetDegrees(double dGravity, double dModulus)
{
    return dModulus - dModulus / dGravity;
}

double CBaume::GetGravity(double dDegrees, double dModulus)
{
    return dModulus / (dModulus - dDegrees);
}
