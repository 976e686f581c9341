// CGlassHydrometer: what a glass hydrometer reads in seawater away from the
// temperature it was calibrated at, and the salinity of a reading. A
// namespace for pure, thread-safe functions; the arguments are not checked
// here.
//
// A hydrometer floats where the water it displaces weighs as much as it does.
// Its scale is marked at the calibration temperature t_cal; read at t, its
// glass has grown by the factor 1 + gamma (t - t_cal) in volume, so that it
// floats higher and reads high:
//   reading = SG_true (1 + gamma (t - t_cal)),
//   SG_true = rho(S, t, 0) / rho(0, t_ref, 0),
// the density of the sample at the temperature it is read at over that of
// pure water at the convention's reference temperature (CRelativeDensity).
// For a convention that fixes the sample's temperature (15/4, 20/20, 25/25,
// 60/60 degF) the hydrometer was calibrated at that temperature. With gamma 0
// the reading is SG_true itself, to the bit.
#pragma once

class CGlassHydrometer
{
public:
    // The reading of a hydrometer in seawater of salinity dSalinity.
    //   dSalinity   Practical Salinity
    //   dTemp       the sample's temperature, degC
    //   dRefTemp    the convention's reference water temperature, degC
    //   dCalTemp    the hydrometer's calibration temperature, degC
    //   dExpansion  the hydrometer's cubical expansion coefficient, per degC
    //   returns     the reading, dimensionless
    static double GetReading(double dSalinity, double dTemp, double dRefTemp, double dCalTemp, double dExpansion);

    // The salinity from 0 to 42 whose reading is dReading (the inverse of
    // GetReading), to the last bits; NaN when none is.
    //   dReading    the reading, dimensionless
    //   (the others as for GetReading)
    //   returns     Practical Salinity, or NaN
    static double GetSalinity(double dReading, double dTemp, double dRefTemp, double dCalTemp, double dExpansion);

    // 1 + gamma (t - t_cal): how much larger the glass is at dTemp.
    static double GetGlassFactor(double dTemp, double dCalTemp, double dExpansion);
};
