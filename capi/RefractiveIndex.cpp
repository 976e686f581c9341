// X. Quan and E. S. Fry, "Empirical equation for the index of refraction of
// seawater", Applied Optics 34 (18), 3477-3480 (1995), equation (1) and its
// coefficients, evaluated in the order written there.
#include "RefractiveIndex.h"
#include "RelativeDensity.h"

#include <limits>

namespace {

namespace quanfry {
const double n0 = 1.31405;
const double n1 = 1.779e-4, n2 = -1.05e-6, n3 = 1.6e-8; // salinity terms, per unit of S
const double n4 = -2.02e-6;                              // per degC^2
const double n5 = 15.868, n6 = 0.01155, n7 = -0.00423;   // nm, nm per unit of S, nm per degC
const double n8 = -4382.0, n9 = 1.1455e6;                // nm^2, nm^3
} // namespace quanfry

} // namespace

double CRefractiveIndex::Get(double dSalinity, double dTemp, double dWavelength)
{
    using namespace quanfry;
    const double S = dSalinity, t = dTemp, l = dWavelength;
    return n0 + (n1 + n2 * t + n3 * t * t) * S + n4 * t * t + (n5 + n6 * S + n7 * t) / l + n8 / (l * l) +
           n9 / (l * l * l);
}

double CRefractiveIndex::GetSalinitySlope(double dTemp, double dWavelength)
{
    using namespace quanfry;
    return n1 + n2 * dTemp + n3 * dTemp * dTemp + n6 / dWavelength;
}

double CRefractiveIndex::GetSalinity(double dIndex, double dTemp, double dWavelength)
{
    // The equation is a straight line in S: the root has a closed form. Its
    // ends are bounded by the indexes Get gives there, so that an index read
    // off either end maps to that end and nothing outside maps in.
    const double dLow = Get(CRelativeDensity::kMinSalinity, dTemp, dWavelength);
    const double dHigh = Get(CRelativeDensity::kMaxSalinity, dTemp, dWavelength);
    if (!(dIndex >= dLow && dIndex <= dHigh))
        return std::numeric_limits<double>::quiet_NaN();
    if (dIndex == dHigh)
        return CRelativeDensity::kMaxSalinity;
    const double dSalinity = CRelativeDensity::kMinSalinity + (dIndex - dLow) / GetSalinitySlope(dTemp, dWavelength);
    return dSalinity < CRelativeDensity::kMaxSalinity ? dSalinity : CRelativeDensity::kMaxSalinity;
}
