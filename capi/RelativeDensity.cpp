// Both densities come from hali itself, so a gravity here and the density
// hali reports for the same water agree to the last bit.
#include "RelativeDensity.h"
#include "Halin.h"
#include "IncreasingRoot.h"

#include <limits>

const double CRelativeDensity::kMinSalinity = 0.0;
const double CRelativeDensity::kMaxSalinity = 42.0;

double CRelativeDensity::Get(double dSalinity, double dTemp, double dRefTemp)
{
    const double dSample = CHalin::GetDensity(dSalinity, dTemp, 0.0);
    const double dWater = CHalin::GetDensity(0.0, dRefTemp, 0.0);
    return dSample / dWater;
}

double CRelativeDensity::GetSalinity(double dGravity, double dTemp, double dRefTemp)
{
    // The density grows with salinity at every temperature of EOS-80's range,
    // and the ends are computed as Get computes them, so that a gravity Get
    // gave at either end comes back as that end exactly.
    const double dLowGravity = Get(kMinSalinity, dTemp, dRefTemp);
    const double dHighGravity = Get(kMaxSalinity, dTemp, dRefTemp);
    if (!(dGravity >= dLowGravity && dGravity <= dHighGravity))
        return std::numeric_limits<double>::quiet_NaN();
    return halic::FindIncreasingRoot([=](double s) { return Get(s, dTemp, dRefTemp); }, kMinSalinity,
                                     dLowGravity, kMaxSalinity, dHighGravity, dGravity);
}
