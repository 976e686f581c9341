// Both densities come from hali itself, so a gravity here and the density
// hali reports for the same water agree to the last bit.
#include "RelativeDensity.h"
#include "Halin.h"
#include "IncreasingRoot.h"

#include <limits>

const double CRelativeDensity::kMinSalinity = 0.0;
const double CRelativeDensity::kMaxSalinity = 42.0;

namespace {

// The reference water's density, kg/m^3: the denominator of every gravity at dRefTemp.
double WaterDensity(double dRefTemp)
{
    return CHalin::GetDensity(0.0, dRefTemp, 0.0);
}

// The gravity of a sample against water of density dWater, kg/m^3.
double Gravity(double dSalinity, double dTemp, double dWater)
{
    return CHalin::GetDensity(dSalinity, dTemp, 0.0) / dWater;
}

} // namespace

double CRelativeDensity::Get(double dSalinity, double dTemp, double dRefTemp)
{
    return Gravity(dSalinity, dTemp, WaterDensity(dRefTemp));
}

double CRelativeDensity::GetSalinity(double dGravity, double dTemp, double dRefTemp)
{
    // The density grows with salinity at every temperature of EOS-80's range,
    // and the ends are computed as Get computes them, so that a gravity Get
    // gave at either end comes back as that end exactly.
    // The reference water's density is the same at every step: found once.
    const double dWater = WaterDensity(dRefTemp);
    const double dLowGravity = Gravity(kMinSalinity, dTemp, dWater);
    const double dHighGravity = Gravity(kMaxSalinity, dTemp, dWater);
    if (!(dGravity >= dLowGravity && dGravity <= dHighGravity))
        return std::numeric_limits<double>::quiet_NaN();
    return halic::FindIncreasingRoot([=](double s) { return Gravity(s, dTemp, dWater); }, kMinSalinity, dLowGravity,
                                     kMaxSalinity, dHighGravity, dGravity);
}
