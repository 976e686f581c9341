// PSS-78 from the published formulas (Fofonoff and Millard, UNESCO Technical
// Papers in Marine Science 44, 1983; Hill, Dauphinee and Woods, IEEE J.
// Oceanic Eng. 11, 1986). Polynomials are evaluated by Horner's scheme in the
// order written; the library is compiled without fused multiply-adds.
#include "Pss78.h"
#include "IncreasingRoot.h"

#include <algorithm>
#include <cmath>

const double CPss78::kC3515 = 42.914;

namespace {

namespace pss78 {

// S = sum a_i Rt^(i/2) + f(t) sum b_i Rt^(i/2), f(t) = (t - 15) / (1 + k (t - 15))
const double a0 = 0.0080, a1 = -0.1692, a2 = 25.3851, a3 = 14.0941, a4 = -7.0261, a5 = 2.7081;
const double b0 = 0.0005, b1 = -0.0056, b2 = -0.0066, b3 = -0.0375, b4 = 0.0636, b5 = -0.0144;
const double k = 0.0162;
// r_t(t) = C(35, t, 0) / C(35, 15, 0)
const double c0 = 0.6766097, c1 = 2.00564e-2, c2 = 1.104259e-4, c3 = -6.9698e-7, c4 = 1.0031e-9;
// R_p = 1 + p (e1 + e2 p + e3 p^2) / (1 + d1 t + d2 t^2 + (d3 + d4 t) R)
const double d1 = 3.426e-2, d2 = 4.464e-4, d3 = 4.215e-1, d4 = -3.107e-3;
const double e1 = 2.070e-5, e2 = -6.370e-10, e3 = 3.989e-15;

} // namespace pss78

// Hill et al. (1986): x = 400 Rt and y = 100 Rt in its correction terms.
const double kHillX = 400.0;
const double kHillSqrtY = 10.0; // sqrt(y) = 10 sqrt(Rt)
const double kHillX1 = 1.5;
// Below this salinity PSS-78 gives way to the low-salinity formula.
const double kHillSalinity = 2.0;
// IPTS-68 from ITS-90.
const double kT68PerT90 = 1.00024;

// PSS-78 reaches 2 between these values of X = sqrt(Rt), the variable the
// formulas are polynomials in, over -2 to 35 degC.
const double kLowX2 = 0.1, kHighX2 = 0.5;

// The inverse solves for X by Newton's method. From 2 up it starts from a
// fit of the inverse over the range (S 2 to 42, t -2 to 35 degC), in
// q = sqrt(S) and f(t), within 8e-5 of X; PSS-78 being increasing and convex
// there, the first step leaves 4e-9 of X and the second its square, past the
// last bit. Below 2 the low-salinity formula dips below 0 near X = 0.003 and
// is increasing and convex from there up; its steps start no lower than
// kLowStartX, right of the dip at every temperature of the range, and end
// after a step of no more than kLastStep of X (whose square is past the
// last bit).
const double kStartX[5] = {0.00411287, 0.194443, -0.0072292, 0.000700311, -3.78566e-05}; // q^0 .. q^4
const double kStartXPerFactor[4] = {1.02623e-05, 0.000100347, -1.76566e-05, 6.71227e-08}; // f q^0 .. f q^3
const int kNewtonSteps = 2;
const double kLowStartX = 0.006;
const double kLastStep = 1e-9;
const int kMaxLowSteps = 50;

// f(t), the temperature factor of PSS-78's b terms.
double TemperatureFactor(double t68)
{
    const double dt = t68 - 15.0;
    return dt / (1.0 + pss78::k * dt);
}

// r_t, degC (IPTS-68).
double TemperatureRatio(double t68)
{
    using namespace pss78;
    return c0 + (c1 + (c2 + (c3 + c4 * t68) * t68) * t68) * t68;
}

// PSS-78 from X = sqrt(Rt) and f(t), which the solvers compute once.
double Pss78Salinity(double X, double dFactor)
{
    using namespace pss78;
    const double dA = a0 + (a1 + (a2 + (a3 + (a4 + a5 * X) * X) * X) * X) * X;
    const double dB = b0 + (b1 + (b2 + (b3 + (b4 + b5 * X) * X) * X) * X) * X;
    return dA + dFactor * dB;
}

// dS/dX of Pss78Salinity, for Newton's steps.
double Pss78Slope(double X, double dFactor)
{
    using namespace pss78;
    const double dA = a1 + (2.0 * a2 + (3.0 * a3 + (4.0 * a4 + 5.0 * a5 * X) * X) * X) * X;
    const double dB = b1 + (2.0 * b2 + (3.0 * b3 + (4.0 * b4 + 5.0 * b5 * X) * X) * X) * X;
    return dA + dFactor * dB;
}

// Hill et al.'s formula from X = sqrt(Rt) and f(t), unscaled.
double HillSalinity(double X, double dFactor)
{
    const double x = kHillX * (X * X);
    const double sqrtY = kHillSqrtY * X;
    const double dPart1 = 1.0 + x * (kHillX1 + x);
    const double dPart2 = 1.0 + sqrtY * (1.0 + sqrtY * (1.0 + sqrtY));
    double dS = Pss78Salinity(X, dFactor);
    dS = dS - pss78::a0 / dPart1;
    dS = dS - pss78::b0 * dFactor / dPart2;
    return dS;
}

// dS/dX of HillSalinity.
double HillSlope(double X, double dFactor)
{
    const double x = kHillX * (X * X);
    const double sqrtY = kHillSqrtY * X;
    const double dPart1 = 1.0 + x * (kHillX1 + x);
    const double dPart2 = 1.0 + sqrtY * (1.0 + sqrtY * (1.0 + sqrtY));
    const double dPart1Slope = (kHillX1 + 2.0 * x) * (2.0 * kHillX * X);
    const double dPart2Slope = (1.0 + sqrtY * (2.0 + 3.0 * sqrtY)) * kHillSqrtY;
    return Pss78Slope(X, dFactor) + pss78::a0 * dPart1Slope / (dPart1 * dPart1) +
           pss78::b0 * dFactor * dPart2Slope / (dPart2 * dPart2);
}

// Salinity as a function of X = sqrt(Rt) at one temperature: PSS-78 from 2
// up, below it Hill et al.'s formula times the factor that makes the two
// meet at 2. The factor and the X where PSS-78 gives 2 are found once.
class CSalinityCurve
{
public:
    explicit CSalinityCurve(double dFactor) : m_dFactor(dFactor), m_dHillFactor(0.0), m_dX2(0.0) {}

    double operator()(double X)
    {
        const double dS = Pss78Salinity(X, m_dFactor);
        if (dS >= kHillSalinity)
            return dS;
        return HillFactor() * HillSalinity(X, m_dFactor);
    }

    // 2 / Hill(X2), where PSS-78(X2) = 2.
    double HillFactor()
    {
        if (m_dHillFactor == 0.0)
        {
            const double dFactor = m_dFactor;
            auto pss = [dFactor](double X) { return Pss78Salinity(X, dFactor); };
            m_dX2 = halic::FindIncreasingRoot(pss, kLowX2, pss(kLowX2), kHighX2, pss(kHighX2), kHillSalinity);
            m_dHillFactor = kHillSalinity / HillSalinity(m_dX2, dFactor);
        }
        return m_dHillFactor;
    }

    // X2, where PSS-78 gives 2.
    double X2()
    {
        HillFactor();
        return m_dX2;
    }

private:
    double m_dFactor;      // f(t), PSS-78's temperature factor
    double m_dHillFactor;  // the low-salinity formula's factor, 0 until found
    double m_dX2;          // sqrt(Rt) where PSS-78 gives 2, found with the factor
};

// The pressure terms of R_p = 1 + A / (B + D R).
struct SPressureTerms
{
    double A; // p (e1 + e2 p + e3 p^2), dimensionless
    double B; // 1 + d1 t + d2 t^2
    double D; // d3 + d4 t
};

SPressureTerms PressureTerms(double t68, double dPressure)
{
    using namespace pss78;
    const double p = dPressure;
    return {p * (e1 + (e2 + e3 * p) * p), 1.0 + (d1 + d2 * t68) * t68, d3 + d4 * t68};
}

} // namespace

double CPss78::GetSalinity(double dRatio, double dTemp, double dPressure)
{
    // At zero conductivity the formula is 0 exactly, but its terms cancel
    // only to rounding.
    if (dRatio == 0.0)
        return 0.0;
    const double t68 = kT68PerT90 * dTemp;
    const SPressureTerms terms = PressureTerms(t68, dPressure);
    const double dRp = 1.0 + terms.A / (terms.B + terms.D * dRatio);
    const double dRt = dRatio / (dRp * TemperatureRatio(t68));
    CSalinityCurve salinity(TemperatureFactor(t68));
    return salinity(std::sqrt(dRt));
}

double CPss78::GetRatio(double dSalinity, double dTemp, double dPressure)
{
    const double t68 = kT68PerT90 * dTemp;
    const double dFactor = TemperatureFactor(t68);
    // From 2 up the root is PSS-78's alone; below 2 it is the scaled
    // low-salinity formula's, between its dip and X2.
    double X;
    if (dSalinity >= kHillSalinity)
    {
        const double q = std::sqrt(dSalinity);
        X = kStartX[0] + q * (kStartX[1] + q * (kStartX[2] + q * (kStartX[3] + q * kStartX[4])));
        X = X + dFactor * (kStartXPerFactor[0] +
                           q * (kStartXPerFactor[1] + q * (kStartXPerFactor[2] + q * kStartXPerFactor[3])));
        for (int nStep = 0; nStep < kNewtonSteps; ++nStep)
            X -= (Pss78Salinity(X, dFactor) - dSalinity) / Pss78Slope(X, dFactor);
    }
    else
    {
        CSalinityCurve salinity(dFactor);
        const double dScale = salinity.HillFactor();
        X = std::max(kLowStartX, salinity.X2() * std::sqrt(dSalinity / kHillSalinity));
        for (int nStep = 0; nStep < kMaxLowSteps; ++nStep)
        {
            const double dStep = (dScale * HillSalinity(X, dFactor) - dSalinity) / (dScale * HillSlope(X, dFactor));
            X -= dStep;
            if (std::fabs(dStep) <= kLastStep * X)
                break;
        }
    }
    const double dRt = X * X;

    // R = W R_p(R) with W = Rt r_t: D R^2 + (B - W D) R - W (A + B) = 0, its
    // positive root taken in the form that does not cancel.
    const SPressureTerms terms = PressureTerms(t68, dPressure);
    const double W = dRt * TemperatureRatio(t68);
    const double q = terms.B - W * terms.D;
    const double dProduct = W * (terms.A + terms.B);
    const double dRoot = std::sqrt(q * q + 4.0 * terms.D * dProduct);
    if (q >= 0.0)
        return 2.0 * dProduct / (q + dRoot);
    return (dRoot - q) / (2.0 * terms.D);
}
