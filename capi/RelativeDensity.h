// CRelativeDensity: the specific gravity (relative density) of seawater against pure water, both
// by EOS-80 (CHalin::GetDensity) at the surface, and its inverse. A namespace
// for two pure, thread-safe functions; the arguments are not checked here.
#pragma once

class CRelativeDensity
{
public:
    // rho(S, t, 0) / rho(0, t_ref, 0).
    //   dSalinity  Practical Salinity
    //   dTemp      the sample's temperature, degC
    //   dRefTemp   the reference water's temperature, degC
    //   returns    specific gravity, dimensionless
    static double Get(double dSalinity, double dTemp, double dRefTemp);

    // The salinity from kMinSalinity to kMaxSalinity whose specific gravity
    // is dGravity (the inverse of Get), to the last bits; NaN when none is.
    //   dGravity   specific gravity, dimensionless
    //   dTemp      the sample's temperature, degC
    //   dRefTemp   the reference water's temperature, degC
    //   returns    Practical Salinity, or NaN
    static double GetSalinity(double dGravity, double dTemp, double dRefTemp);

    static const double kMinSalinity; // 0
    static const double kMaxSalinity; // 42, the top of EOS-80's range
};
