// CRefractiveIndex: the refractive index of seawater by Quan and Fry (1995),
// relative to air, and its inverse in salinity. A namespace for pure,
// thread-safe functions; the arguments are not checked here.
//
// Quan and Fry fitted their equation to Austin and Halikas's measurements
// (1976) over 0 to 30 degC, salinity 0 to 35 and 400 to 700 nm. It is linear
// in salinity, so that salinities 35 to 42 extend a straight line; its
// temperature term is a parabola, whose departure from pure water's index
// (IAPWS R9-97) halic bounds by the temperatures it accepts.
#pragma once

class CRefractiveIndex
{
public:
    // n(S, t, lambda) = n0 + (n1 + n2 t + n3 t^2) S + n4 t^2
    //                   + (n5 + n6 S + n7 t) / lambda + n8 / lambda^2 + n9 / lambda^3
    //   dSalinity    salinity, per mille (Practical Salinity)
    //   dTemp        temperature, degC
    //   dWavelength  wavelength of the light in air, nm
    //   returns      refractive index relative to air, dimensionless
    static double Get(double dSalinity, double dTemp, double dWavelength);

    // The salinity from kMinSalinity to kMaxSalinity whose index is dIndex at
    // dTemp and dWavelength (the inverse of Get); NaN when none is. The ends
    // of the range come back exactly from the indexes Get gives for them.
    //   dIndex       refractive index relative to air, dimensionless
    //   dTemp        temperature, degC
    //   dWavelength  wavelength in air, nm
    //   returns      salinity, per mille, or NaN
    static double GetSalinity(double dIndex, double dTemp, double dWavelength);

    // dn/dS at dTemp and dWavelength, per unit of salinity: the equation's
    // slope, the same at every salinity.
    static double GetSalinitySlope(double dTemp, double dWavelength);
};
