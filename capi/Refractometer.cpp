// Quan and Fry's index is a straight line in salinity: the rise is its slope
// times the salinity, plus the change of pure water's index between the zero
// temperature and the sample's. Computed that way, a compensated reading of a
// salinity on the seawater scale is that salinity.
#include "Refractometer.h"
#include "NaClRefraction.h"
#include "halic.h"
#include "RefractiveIndex.h"
#include "RelativeDensity.h"

#include <algorithm>
#include <limits>

const double CRefractometer::kWavelength = HALIC_SODIUM_D;
const double CRefractometer::kScaleTemperature = HALIC_REFRACTOMETER_T;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
// How far a rise may stray by rounding alone: some units in the last place
// of the largest rise (0.008), with a margin; 5e-12 in salinity.
const double kRiseRoundOff = 1e-15;

// dn/dS at 20 degC: the seawater scale's per mille.
double ScaleSlope()
{
    return CRefractiveIndex::GetSalinitySlope(CRefractometer::kScaleTemperature, CRefractometer::kWavelength);
}

// Pure water's index at dTemp less that at dZeroTemp: 0 when they are equal.
double WaterOffset(double dTemp, double dZeroTemp)
{
    if (dTemp == dZeroTemp)
        return 0.0;
    return CRefractiveIndex::Get(0.0, dTemp, CRefractometer::kWavelength) -
           CRefractiveIndex::Get(0.0, dZeroTemp, CRefractometer::kWavelength);
}

// The seawater scale's reading of a rise from 0 to the top, held to 0 to 42.
double SeawaterReading(double dRise)
{
    return std::min(dRise / ScaleSlope(), CRelativeDensity::kMaxSalinity);
}

} // namespace

double CRefractometer::GetIndexRise(double dSalinity, double dTemp, double dZeroTemp)
{
    return CRefractiveIndex::GetSalinitySlope(dTemp, kWavelength) * dSalinity + WaterOffset(dTemp, dZeroTemp);
}

double CRefractometer::GetSalinity(double dRise, double dTemp, double dZeroTemp)
{
    // A rise beyond an end by no more than rounding is that end, so that a
    // reading of salinity 0 or 42 on a scale whose inverse is not exact (the
    // specific gravity's) comes back as such.
    const double dLow = GetIndexRise(CRelativeDensity::kMinSalinity, dTemp, dZeroTemp) - kRiseRoundOff;
    const double dHigh = GetIndexRise(CRelativeDensity::kMaxSalinity, dTemp, dZeroTemp) + kRiseRoundOff;
    if (!(dRise >= dLow && dRise <= dHigh))
        return kNaN;
    const double dSlope = CRefractiveIndex::GetSalinitySlope(dTemp, kWavelength);
    const double dSalinity = (dRise - WaterOffset(dTemp, dZeroTemp)) / dSlope;
    return std::clamp(dSalinity, CRelativeDensity::kMinSalinity, CRelativeDensity::kMaxSalinity);
}

double CRefractometer::GetMaxRise()
{
    return ScaleSlope() * CRelativeDensity::kMaxSalinity;
}

double CRefractometer::GetReading(double dRise, const SScale& scale)
{
    if (!(dRise >= 0.0 && dRise <= GetMaxRise()))
        return kNaN;
    switch (scale.eKind)
    {
    case kSeawater: return SeawaterReading(dRise);
    case kGravity: return CRelativeDensity::Get(SeawaterReading(dRise), scale.dSampleTemp, scale.dRefTemp);
    case kSodiumChloride: return CNaClRefraction::GetMassFraction(dRise);
    }
    return kNaN;
}

double CRefractometer::GetRise(double dReading, const SScale& scale)
{
    switch (scale.eKind)
    {
    case kSeawater:
        if (!(dReading >= CRelativeDensity::kMinSalinity && dReading <= CRelativeDensity::kMaxSalinity))
            return kNaN;
        return dReading * ScaleSlope();
    case kGravity:
        return GetRise(CRelativeDensity::GetSalinity(dReading, scale.dSampleTemp, scale.dRefTemp),
                       {kSeawater, kNaN, kNaN});
    case kSodiumChloride:
    {
        const double dTop = GetReading(GetMaxRise(), scale);
        if (!(dReading >= 0.0 && dReading <= dTop))
            return kNaN;
        return std::min(CNaClRefraction::GetIndexRise(dReading), GetMaxRise());
    }
    }
    return kNaN;
}
