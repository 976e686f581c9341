// CBaume: Baume degrees of liquids heavier than water and the specific
// gravity they stand for, degrees = m - m / SG, on a scale of modulus m. A
// namespace for pure, thread-safe functions; the arguments are not checked
// here.
#pragma once

class CBaume
{
public:
    // Degrees Baume of a specific gravity.
    //   dGravity  specific gravity under the scale's convention, dimensionless, positive
    //   dModulus  the scale's modulus m, degrees
    //   returns   degrees Baume
    static double GetDegrees(double dGravity, double dModulus);

    // The specific gravity of a reading in degrees (the inverse of GetDegrees).
    //   dDegrees  degrees Baume, below dModulus
    //   dModulus  the scale's modulus m, degrees
    //   returns   specific gravity, dimensionless
    static double GetGravity(double dDegrees, double dModulus);

    // The moduli in use, as the CRC Handbook of Chemistry and Physics (51st
    // edition, 1970, "Baume") lists them.
    static const double kAmerican; // 145, the United States' scale, at 60/60 degF
    static const double kDutch;    // 144, the old scale used in Holland
    static const double kGerlach;  // 146.78, the new or Gerlach scale
};
