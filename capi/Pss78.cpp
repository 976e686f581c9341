// PSS-78 from the published formulas (Fofonoff and Millard, UNESCO Technical
// Papers in Marine Science 44, 1983; Hill, Dauphinee and Woods, IEEE J.
// Oceanic Eng. 11, 1986). Polynomials are evaluated by Horner's scheme in the
// order written; the library is compiled without fused multiply-adds.
#include "Pss78.h"
#include "IncreasingRoot.h"

#include <algorithm>
#include <cmath>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

const double CPss78::kC3515 = 42.914;

namespace {

// Two samples side by side, one in each half of a vector register: each half
// takes exactly the operations a double would, in the same order and with
// the same rounding (no operation mixes the halves), at about the cost of one.
typedef double Pair __attribute__((vector_size(16)));

double Sqrt(double x) { return std::sqrt(x); }
Pair Sqrt(Pair x)
{
#ifdef __SSE2__
    return _mm_sqrt_pd(x);
#else
    return Pair{std::sqrt(x[0]), std::sqrt(x[1])};
#endif
}

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

// The formulas below are templates where a pair of samples goes through them
// as one double does: Real is double or Pair.

// f(t), the temperature factor of PSS-78's b terms.
template <class Real>
Real TemperatureFactor(Real t68)
{
    const Real dt = t68 - 15.0;
    return dt / (1.0 + pss78::k * dt);
}

// r_t, degC (IPTS-68).
template <class Real>
Real TemperatureRatio(Real t68)
{
    using namespace pss78;
    return c0 + (c1 + (c2 + (c3 + c4 * t68) * t68) * t68) * t68;
}

// PSS-78 from X = sqrt(Rt) and f(t), which the solvers compute once.
template <class Real>
Real Pss78Salinity(Real X, Real dFactor)
{
    using namespace pss78;
    const Real dA = a0 + (a1 + (a2 + (a3 + (a4 + a5 * X) * X) * X) * X) * X;
    const Real dB = b0 + (b1 + (b2 + (b3 + (b4 + b5 * X) * X) * X) * X) * X;
    return dA + dFactor * dB;
}

// The pressure terms of R_p = 1 + A / (B + D R).
template <class Real>
struct SPressureTerms
{
    Real A; // p (e1 + e2 p + e3 p^2), dimensionless
    Real B; // 1 + d1 t + d2 t^2
    Real D; // d3 + d4 t
};

template <class Real>
SPressureTerms<Real> PressureTerms(Real t68, Real dPressure)
{
    using namespace pss78;
    const Real p = dPressure;
    return {p * (e1 + (e2 + e3 * p) * p), 1.0 + (d1 + d2 * t68) * t68, d3 + d4 * t68};
}

// X = sqrt(Rt) of a sample of conductivity ratio R at t68 and p.
template <class Real>
Real SqrtRt(Real dRatio, Real t68, Real dPressure)
{
    const SPressureTerms<Real> terms = PressureTerms(t68, dPressure);
    const Real dRp = 1.0 + terms.A / (terms.B + terms.D * dRatio);
    return Sqrt(dRatio / (dRp * TemperatureRatio(t68)));
}

// The conductivity ratio R of a sample whose X = sqrt(Rt) is known, at t68
// and p. R = W R_p(R) with W = Rt r_t: D R^2 + (B - W D) R - W (A + B) = 0,
// its positive root taken in the form that does not cancel.
template <class Real>
Real RatioFromX(Real X, Real t68, Real dPressure)
{
    const Real dRt = X * X;
    const SPressureTerms<Real> terms = PressureTerms(t68, dPressure);
    const Real W = dRt * TemperatureRatio(t68);
    const Real q = terms.B - W * terms.D;
    const Real dProduct = W * (terms.A + terms.B);
    const Real dRoot = Sqrt(q * q + 4.0 * terms.D * dProduct);
    return q >= 0.0 ? 2.0 * dProduct / (q + dRoot) : (dRoot - q) / (2.0 * terms.D);
}

// dS/dX of Pss78Salinity, for Newton's steps.
template <class Real>
Real Pss78Slope(Real X, Real dFactor)
{
    using namespace pss78;
    const Real dA = a1 + (2.0 * a2 + (3.0 * a3 + (4.0 * a4 + 5.0 * a5 * X) * X) * X) * X;
    const Real dB = b1 + (2.0 * b2 + (3.0 * b3 + (4.0 * b4 + 5.0 * b5 * X) * X) * X) * X;
    return dA + dFactor * dB;
}

// X = sqrt(Rt) where PSS-78 gives dSalinity, from 2 up: Newton's steps from
// the fit.
template <class Real>
Real Pss78X(Real dSalinity, Real dFactor)
{
    const Real q = Sqrt(dSalinity);
    Real X = kStartX[0] + q * (kStartX[1] + q * (kStartX[2] + q * (kStartX[3] + q * kStartX[4])));
    X = X + dFactor * (kStartXPerFactor[0] +
                       q * (kStartXPerFactor[1] + q * (kStartXPerFactor[2] + q * kStartXPerFactor[3])));
    for (int nStep = 0; nStep < kNewtonSteps; ++nStep)
        X = X - (Pss78Salinity(X, dFactor) - dSalinity) / Pss78Slope(X, dFactor);
    return X;
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

// For nCount samples of three arguments each, two at a time: pair(a, b, c)
// gives the results of a pair side by side, each final where final(a,
// result) holds; one(a, b, c) takes the others alone, and an odd last
// sample. Each pair's arguments are read before its results are written.
template <class PairFunction, class FinalTest, class OneFunction>
void TwoAtATime(ptrdiff_t nCount, const double* pA, const double* pB, const double* pC, double* pResults,
                PairFunction pair, FinalTest final, OneFunction one)
{
    ptrdiff_t i = 0;
    for (; i + 1 < nCount; i += 2)
    {
        const Pair results = pair(Pair{pA[i], pA[i + 1]}, Pair{pB[i], pB[i + 1]}, Pair{pC[i], pC[i + 1]});
        const double dFirst = final(pA[i], results[0]) ? results[0] : one(pA[i], pB[i], pC[i]);
        const double dSecond = final(pA[i + 1], results[1]) ? results[1] : one(pA[i + 1], pB[i + 1], pC[i + 1]);
        pResults[i] = dFirst;
        pResults[i + 1] = dSecond;
    }
    if (i < nCount)
        pResults[i] = one(pA[i], pB[i], pC[i]);
}

} // namespace

double CPss78::GetSalinity(double dRatio, double dTemp, double dPressure)
{
    // At zero conductivity the formula is 0 exactly, but its terms cancel
    // only to rounding.
    if (dRatio == 0.0)
        return 0.0;
    const double t68 = kT68PerT90 * dTemp;
    CSalinityCurve salinity(TemperatureFactor(t68));
    return salinity(SqrtRt(dRatio, t68, dPressure));
}

void CPss78::GetSalinities(ptrdiff_t nCount, const double* pRatio, const double* pTemp, const double* pPressure,
                           double* pSalinity)
{
    TwoAtATime(
        nCount, pRatio, pTemp, pPressure, pSalinity,
        [](Pair R, Pair t, Pair p) {
            const Pair t68 = kT68PerT90 * t;
            return Pss78Salinity(SqrtRt(R, t68, p), TemperatureFactor(t68));
        },
        // GetSalinity takes zero conductivity and the low-salinity formula further.
        [](double R, double S) { return R != 0.0 && S >= kHillSalinity; }, GetSalinity);
}

double CPss78::GetRatio(double dSalinity, double dTemp, double dPressure)
{
    const double t68 = kT68PerT90 * dTemp;
    const double dFactor = TemperatureFactor(t68);
    // From 2 up the root is PSS-78's alone; below 2 it is the scaled
    // low-salinity formula's, between its dip and X2.
    double X;
    if (dSalinity >= kHillSalinity)
        X = Pss78X(dSalinity, dFactor);
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
    return RatioFromX(X, t68, dPressure);
}

void CPss78::GetRatios(ptrdiff_t nCount, const double* pSalinity, const double* pTemp, const double* pPressure,
                       double* pRatio)
{
    TwoAtATime(
        nCount, pSalinity, pTemp, pPressure, pRatio,
        [](Pair S, Pair t, Pair p) {
            const Pair t68 = kT68PerT90 * t;
            return RatioFromX(Pss78X(S, TemperatureFactor(t68)), t68, p);
        },
        // Below 2 GetRatio solves the low-salinity formula.
        [](double S, double) { return S >= kHillSalinity; }, GetRatio);
}
