// The glass factor multiplies EOS-80's specific gravity, so that the reading
// grows with salinity exactly as the specific gravity does; its inverse is
// the same bracketed root.
#include "GlassHydrometer.h"
#include "IncreasingRoot.h"
#include "RelativeDensity.h"

#include <limits>

double CGlassHydrometer::GetGlassFactor(double dTemp, double dCalTemp, double dExpansion)
{
    return 1.0 + dExpansion * (dTemp - dCalTemp);
}

double CGlassHydrometer::GetReading(double dSalinity, double dTemp, double dRefTemp, double dCalTemp,
                                    double dExpansion)
{
    return CRelativeDensity::Get(dSalinity, dTemp, dRefTemp) * GetGlassFactor(dTemp, dCalTemp, dExpansion);
}

double CGlassHydrometer::GetSalinity(double dReading, double dTemp, double dRefTemp, double dCalTemp,
                                     double dExpansion)
{
    auto reading = [=](double s) { return GetReading(s, dTemp, dRefTemp, dCalTemp, dExpansion); };
    const double dLow = reading(CRelativeDensity::kMinSalinity);
    const double dHigh = reading(CRelativeDensity::kMaxSalinity);
    if (!(dReading >= dLow && dReading <= dHigh))
        return std::numeric_limits<double>::quiet_NaN();
    return halic::FindIncreasingRoot(reading, CRelativeDensity::kMinSalinity, dLow, CRelativeDensity::kMaxSalinity,
                                     dHigh, dReading);
}
