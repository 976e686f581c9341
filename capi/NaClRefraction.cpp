// The table is the sodium chloride rows 0 to 10 % of "Concentrative
// properties of aqueous solutions: density, refractive index, freezing point
// depression, and viscosity", CRC Handbook of Chemistry and Physics (D. R.
// Lide, ed.): n relative to air at 589 nm and 20 degC. Ten per cent is well
// past seawater's range (salinity 42 has the index of 4.4 % NaCl). The cubic
// is Fritsch and Carlson's monotone interpolation (SIAM J. Numer. Anal. 17,
// 238-246, 1980) with the slopes of Fritsch and Butland (SIAM J. Sci. Stat.
// Comput. 5, 300-304, 1984), so that it passes through every row, rises
// wherever the table rises, and smooths the table's last digit no further.
#include "NaClRefraction.h"
#include "IncreasingRoot.h"

#include <limits>

namespace {

struct SRow
{
    double dPercent; // NaCl, mass per cent
    double dIndex;   // n at 20 degC, 589 nm
};

constexpr SRow kTable[] = {
    {0.0, 1.3330}, {0.5, 1.3339}, {1.0, 1.3347}, {2.0, 1.3365}, {3.0, 1.3383}, {4.0, 1.3400},
    {5.0, 1.3418}, {6.0, 1.3435}, {7.0, 1.3453}, {8.0, 1.3470}, {9.0, 1.3488}, {10.0, 1.3505},
};
constexpr int kRows = sizeof kTable / sizeof kTable[0];
constexpr double kPerMillePerPercent = 10.0;

constexpr double X(int k) { return kTable[k].dPercent * kPerMillePerPercent; }
double Y(int k) { return kTable[k].dIndex - kTable[0].dIndex; }
double Secant(int k) { return (Y(k + 1) - Y(k)) / (X(k + 1) - X(k)); } // over row k to k + 1

// The slope at row k: inside, the weighted harmonic mean of the secants on
// either side (0 where they differ in sign); at the ends, the one-sided
// three-point slope, held to the shape of the data.
double Slope(int k)
{
    if (k == 0 || k == kRows - 1)
    {
        const int nNear = k == 0 ? 0 : k - 1, nFar = k == 0 ? 1 : k - 2;
        const double h0 = X(nNear + 1) - X(nNear), h1 = X(nFar + 1) - X(nFar);
        const double d0 = Secant(nNear), d1 = Secant(nFar);
        const double d = ((2.0 * h0 + h1) * d0 - h0 * d1) / (h0 + h1);
        if (d * d0 <= 0.0)
            return 0.0;
        if (d0 * d1 <= 0.0 && d > 3.0 * d0)
            return 3.0 * d0;
        return d;
    }
    const double dBefore = Secant(k - 1), dAfter = Secant(k);
    if (dBefore * dAfter <= 0.0)
        return 0.0;
    const double hBefore = X(k) - X(k - 1), hAfter = X(k + 1) - X(k);
    const double w1 = 2.0 * hAfter + hBefore, w2 = hAfter + 2.0 * hBefore;
    return (w1 + w2) / (w1 / dBefore + w2 / dAfter);
}

} // namespace

const double CNaClRefraction::kMaxMassFraction = X(kRows - 1);

double CNaClRefraction::GetIndexRise(double dMassFraction)
{
    int k = 0;
    while (k < kRows - 2 && dMassFraction >= X(k + 1))
        ++k;
    // Cubic Hermite on row k to k + 1.
    const double h = X(k + 1) - X(k);
    const double s = (dMassFraction - X(k)) / h;
    const double s2 = s * s, s3 = s2 * s;
    return (2.0 * s3 - 3.0 * s2 + 1.0) * Y(k) + (s3 - 2.0 * s2 + s) * h * Slope(k) + (3.0 * s2 - 2.0 * s3) * Y(k + 1) +
           (s3 - s2) * h * Slope(k + 1);
}

double CNaClRefraction::GetMassFraction(double dRise)
{
    const double dHigh = GetIndexRise(kMaxMassFraction);
    if (!(dRise >= 0.0 && dRise <= dHigh))
        return std::numeric_limits<double>::quiet_NaN();
    return halic::FindIncreasingRoot(GetIndexRise, 0.0, GetIndexRise(0.0), kMaxMassFraction, dHigh, dRise);
}
