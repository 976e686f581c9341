// Results are reproduced to the last digit, so every expression below keeps
// its order of evaluation: powers via pow where the formula takes them so,
// Horner's scheme where it nests, sums in the order written, and fixed
// factors as stored doubles that multiply (nothing divides by a constant).
// The formulas are compiled with -ffp-contract=off so that no multiply-add is
// fused, and with -fno-builtin-pow so that every power is a call to pow.
#include "Formulas.h"
#include "CrtMath.h"

#include <cmath>

namespace {

const double kBarPerDecibar = 0.1;

namespace eos80 {

// EOS-80 (UNESCO 1981, 1983), the published coefficients.
// rho_w, density of pure water, kg/m^3
const double a0 = 999.842594, a1 = 6.793952e-2, a2 = -9.095290e-3, a3 = 1.001685e-4,
             a4 = -1.120083e-6, a5 = 6.536332e-9;
// S term of rho(S,t,0)
const double b0 = 8.24493e-1, b1 = -4.0899e-3, b2 = 7.6438e-5, b3 = -8.2467e-7, b4 = 5.3875e-9;
// S^1.5 term of rho(S,t,0)
const double c0 = -5.72466e-3, c1 = 1.0227e-4, c2 = -1.6546e-6;
// S^2 term of rho(S,t,0)
const double d0 = 4.8314e-4;
// K_w, secant bulk modulus of pure water, bar
const double e0 = 19652.21, e1 = 148.4206, e2 = -2.327105, e3 = 1.360477e-2, e4 = -5.155288e-5;
// S and S^1.5 terms of K(S,t,0)
const double f0 = 54.6746, f1 = -0.603459, f2 = 1.09987e-2, f3 = -6.1670e-5;
const double g0 = 7.944e-2, g1 = 1.6483e-2, g2 = -5.3009e-4;
// A_w and A, the coefficient of p in K(S,t,p)
const double h0 = 3.239908, h1 = 1.43713e-3, h2 = 1.16092e-4, h3 = -5.77905e-7;
const double i0 = 2.2838e-3, i1 = -1.0981e-5, i2 = -1.6078e-6;
const double j0 = 1.91075e-4;
// B_w and B, the coefficient of p^2 in K(S,t,p)
const double k0 = 8.50935e-5, k1 = -6.12293e-6, k2 = 5.2787e-8;
const double m0 = -9.9348e-7, m1 = 2.0816e-8, m2 = 9.1697e-10;

// The coefficients carry the standard's own names, so the density is computed
// in their namespace, where they hide the C library's Bessel function j0.
// The reference values were computed in exactly this order: do not regroup it
// (no Horner's scheme, no sums reordered), or the last digits change.
double InSituDensity(double dSalinity, double dTemp, double dPressure)
{
    const double S = dSalinity;
    const double t = dTemp;
    const double p = dPressure * kBarPerDecibar; // bar

    // The powers first, each a call to pow: no floating-point register lives
    // through a call, so arithmetic between the calls would be stored and
    // reloaded around each of them.
    const double t2 = crt::pow(t, 2.0);
    const double t4 = crt::pow(t, 4.0);
    const double t3 = crt::pow(t, 3.0);
    const double S15 = crt::pow(S, 1.5);
    const double S2 = crt::pow(S, 2.0);
    const double t5 = crt::pow(t, 5.0);
    const double p2 = crt::pow(p, 2.0);

    // rho(S,t,0) = rho_w + (b-polynomial) S + (c-polynomial) S^1.5 + d0 S^2,
    // the salinity part summed first.
    double rhoSalt = d0 * S2;
    double bPoly = b2 * t2 + b1 * t;
    bPoly = bPoly + b4 * t4;
    bPoly = bPoly + b3 * t3;
    bPoly = bPoly + b0;
    rhoSalt = rhoSalt + bPoly * S;
    double cPoly = c1 * t + c2 * t2;
    cPoly = cPoly + c0;
    rhoSalt = rhoSalt + cPoly * S15;
    double rhoW = a5 * t5;
    rhoW = rhoW + a1 * t;
    rhoW = rhoW + a3 * t3;
    rhoW = rhoW + a2 * t2;
    rhoW = rhoW + a4 * t4;
    rhoW = rhoW + a0;
    const double rho0 = rhoSalt + rhoW;

    // B = B_w + (m-polynomial) S, the coefficient of p^2.
    double mPoly = m1 * t + m2 * t2;
    mPoly = mPoly + m0;
    mPoly = mPoly * S;
    double Bw = k2 * t2 + k1 * t;
    Bw = Bw + k0;
    const double Bp2 = (mPoly + Bw) * p2;

    // K(S,t,0) = K_w + (f-polynomial) S + (g-polynomial) S^1.5.
    double fTerm = f0 + f1 * t;
    fTerm = fTerm + f2 * t2;
    fTerm = fTerm + f3 * t3;
    fTerm = fTerm * S;
    double Kw = e1 * t + e4 * t4;
    Kw = Kw + e2 * t2;
    Kw = Kw + e3 * t3;
    Kw = Kw + e0;
    double K = (Kw + fTerm) + (g1 * t + g2 * t2 + g0) * S15;

    // K(S,t,p) = K(S,t,0) + A p + B p^2, the p^2 term added first.
    K = K + Bp2;
    double Aw = h2 * t2 + h1 * t;
    Aw = Aw + h3 * t3;
    Aw = Aw + h0;
    double iPoly = i0 + i1 * t;
    iPoly = iPoly + i2 * t2;
    double A = Aw + iPoly * S;
    A = A + j0 * S15;
    K = K + A * p;

    return rho0 / (1.0 - p / K);
}

} // namespace eos80

// Bryden (1973) adiabatic temperature change; 35 is its reference salinity.
const double kBrydenSalinity = 35.0;
const double kA0 = 3.6504e-4, kA1 = 8.3198e-5, kA2 = -5.4065e-7, kA3 = 4.0274e-9;
const double kB0 = 1.7439e-5, kB1 = -2.9778e-7;
const double kD0 = 8.9309e-7, kD1 = -3.1628e-8, kD2 = 2.1987e-10;
const double kC0 = 4.1057e-9; // (S - 35) p^2 term
const double kE0 = -1.6056e-10, kE1 = 5.0484e-12;

// UNESCO (1983) depth: gravity and the pressure polynomial.
const double kOneOver180 = 0.005555555555555556;
const double kGravityEquator = 9.780318; // m/s^2
const double kGravity1 = 5.2788e-3, kGravity2 = 2.36e-5;
const double kGravityPerDecibar = 1.092e-6;
const double kDepth1 = 9.72659, kDepth2 = -2.2512e-5, kDepth3 = 2.279e-10, kDepth4 = -1.82e-15;

// Water chemistry factors, each the exact double its conversion multiplies by.
const double kCarbonDioxideFactor = 372000000.0;
const double kAlkToKh = 2.8;
const double kKhToAlk = 0.35714285714285715; // nearest double to 1/2.8
const double kMeqToMg = 50.0;
const double kMgToMeq = 0.02;
const double kMolToMg = 0.00016395775941230488;
const double kMgToMol = 0.0060991318958275;

} // namespace

namespace formulas {

double Density(double dSalinity, double dTemp, double dPressure)
{
    return eos80::InSituDensity(dSalinity, dTemp, dPressure);
}

double PotentialTemp(double dSalinity, double dTemp, double dPressure)
{
    const double T = dTemp;
    const double p = dPressure * kBarPerDecibar;
    const double s = dSalinity - kBrydenSalinity;

    // What needs no power first, then the two calls to pow (see InSituDensity).
    double theta = T - p * (((kA3 * T + kA2) * T + kA1) * T + kA0);
    theta = theta - (kB0 + kB1 * T) * s * p;
    const double dP2Factor = (kD2 * T + kD1) * T + kD0;
    const double dP3Factor = kE1 * T + kE0;
    const double p2 = crt::pow(p, 2.0);
    const double p3 = crt::pow(p, 3.0);
    theta = theta - dP2Factor * p2;
    theta = theta + p2 * s * kC0;
    theta = theta - p3 * dP3Factor;
    return theta;
}

double SpecificGravity(double dWaterTemp, double dBaseGravity, double dBaseTemp, double dSalinity, double dPressure,
                       int bPotential)
{
    double dBase = dBaseTemp;
    double dWater = dWaterTemp;
    if (bPotential != 0)
    {
        dBase = PotentialTemp(dSalinity, dBaseTemp, dPressure);
        dWater = PotentialTemp(dSalinity, dWaterTemp, dPressure);
    }
    const double dBaseDensity = Density(dSalinity, dBase, dPressure);
    const double dWaterDensity = Density(dSalinity, dWater, dPressure);
    return (dWaterDensity / dBaseDensity) * dBaseGravity;
}

double Depth(double dPressure, double dLatitude)
{
    const double P = dPressure;
    const double pi = crt::acos(-1.0);
    const double x = crt::pow(crt::sin(std::fabs(dLatitude) * pi * kOneOver180), 2.0);

    double g = ((kGravity2 * x + kGravity1) * x + 1.0) * kGravityEquator;
    g = g + kGravityPerDecibar * P;
    const double n = (((kDepth3 + kDepth4 * P) * P + kDepth2) * P + kDepth1) * P;
    return n / g;
}

double DissolvedCarbonDioxide(double dPH, double dCarbonate)
{
    return crt::pow(10.0, -dPH) * dCarbonate * kCarbonDioxideFactor;
}

double AlkalinityToHardness(double dAlkalinity) { return dAlkalinity * kAlkToKh; }
double HardnessToAlkalinity(double dHardness) { return dHardness * kKhToAlk; }
double MeqToMg(double dMeq) { return dMeq * kMeqToMg; }
double MgToMeq(double dMg) { return dMg * kMgToMeq; }
double MolToMg(double dMol) { return dMol * kMolToMg; }
double MgToMol(double dMg) { return dMg * kMgToMol; }

} // namespace formulas
