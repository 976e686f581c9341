// FindIncreasingRoot: where an increasing function reaches a value, inside a
// bracket, to the last bit. Shared by halic's salinity from a specific
// gravity and by PSS-78's seam, where it gives way to the low-salinity
// formula: functions that are monotonic but have no closed-form inverse.
#pragma once

namespace halic {

// The x in [dLow, dHigh] where f(x) = dTarget, for an f that increases over
// the bracket, given its values there with f(dLow) <= dTarget <= f(dHigh).
// Regula falsi with the Illinois weighting, which keeps a bracket at every
// step (so rounding noise in f cannot lead it out), and a bisection whenever
// three steps have not halved the bracket. It ends on an exact hit, or when
// no double lies between the two ends, and returns the end whose value lies
// nearer dTarget; at most kMaxSteps evaluations of f in any case.
template <class F>
double FindIncreasingRoot(F f, double dLow, double dLowValue, double dHigh, double dHighValue, double dTarget)
{
    const int kMaxSteps = 200;
    double a = dLow, b = dHigh;
    double ra = dLowValue - dTarget;  // the residuals at the ends: ra <= 0 <= rb
    double rb = dHighValue - dTarget;
    if (ra == 0.0)
        return a;
    if (rb == 0.0)
        return b;
    double fa = ra, fb = rb; // the residuals as the secant weighs them

    int nLastSide = 0;           // -1 after a step that moved a, +1 after one that moved b
    double dWidthBefore = b - a; // the bracket three steps ago
    for (int nStep = 0; nStep < kMaxSteps; ++nStep)
    {
        const double dMid = a + 0.5 * (b - a);
        if (!(dMid > a && dMid < b))
            break; // a and b are neighbouring doubles
        double x = a - fa * ((b - a) / (fb - fa));
        if (nStep % 3 == 2)
        {
            if (b - a > 0.5 * dWidthBefore)
                x = dMid;
            dWidthBefore = b - a;
        }
        if (!(x > a && x < b))
            x = dMid;

        const double fx = f(x) - dTarget;
        if (fx == 0.0)
            return x;
        if (fx < 0.0)
        {
            a = x;
            ra = fa = fx;
            if (nLastSide == -1)
                fb *= 0.5; // b is stuck: weigh it down
            nLastSide = -1;
        }
        else
        {
            b = x;
            rb = fb = fx;
            if (nLastSide == 1)
                fa *= 0.5;
            nLastSide = 1;
        }
    }
    return -ra < rb ? a : b;
}

} // namespace halic
