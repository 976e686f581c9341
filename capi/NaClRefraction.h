// CNaClRefraction: the refractive index of aqueous sodium chloride at 20 degC
// and the sodium D line against its mass fraction, from a handbook table,
// interpolated by a monotone piecewise cubic; and its inverse. Brine
// refractometers carry this scale. A namespace for pure, thread-safe
// functions; the arguments are not checked here.
#pragma once

class CNaClRefraction
{
public:
    // The rise of the index over the table's pure water (1.3330).
    //   dMassFraction  sodium chloride, g per kg of solution (per mille), 0 to kMaxMassFraction
    //   returns        n(w) - n(0), dimensionless
    static double GetIndexRise(double dMassFraction);

    // The mass fraction whose rise is dRise (the inverse of GetIndexRise);
    // NaN outside the table.
    //   dRise    index rise over pure water, dimensionless
    //   returns  sodium chloride, per mille, or NaN
    static double GetMassFraction(double dRise);

    static const double kMaxMassFraction; // the table's last row, per mille
};
