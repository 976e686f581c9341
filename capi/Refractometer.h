// CRefractometer: what a refractometer's scale shows for seawater, and the
// salinity a reading stands for. A namespace for pure, thread-safe functions;
// the arguments are not checked here.
//
// A refractometer measures how far the sample's refractive index (the sodium
// D line) lies above that of the pure water it was set to zero on, and shows
// that rise on a scale drawn for 20 degC:
//   - natural seawater, per mille: the salinity whose index at 20 degC rises
//     that far (Quan and Fry's equation, CRefractiveIndex);
//   - specific gravity: that salinity's specific gravity under a convention
//     (EOS-80, CRelativeDensity);
//   - sodium chloride, per mille: the NaCl solution whose index at 20 degC
//     rises that far (CNaClRefraction).
// Working from the rise puts the NaCl table's pure water (1.3330) and Quan and
// Fry's (1.333004) on one zero, as setting the instrument to zero does.
// Every scale covers the rises of seawater of salinity 0 to 42 at 20 degC.
//
// A temperature-compensated refractometer reads as at 20 degC: dTemp and
// dZeroTemp are both 20. One without compensation sees the index at the
// sample's temperature dTemp, against pure water at dZeroTemp, the
// temperature it was set to zero at (20 by the maker; the sample's own when
// the user sets it to zero with pure water beside the sample).
#pragma once

class CRefractometer
{
public:
    enum EScale
    {
        kSeawater,      // per mille of natural seawater
        kGravity,       // specific gravity under a convention
        kSodiumChloride // per mille of sodium chloride (mass)
    };

    // A scale; the temperatures are the specific-gravity scale's convention.
    struct SScale
    {
        EScale eKind;
        double dSampleTemp; // the convention's sample temperature, degC (kGravity only)
        double dRefTemp;    // the convention's reference water temperature, degC (kGravity only)
    };

    // The rise of the index over pure water that the instrument sees.
    //   dSalinity  Practical Salinity
    //   dTemp      the sample's temperature, degC
    //   dZeroTemp  the temperature the instrument was set to zero at, degC
    //   returns    n(S, t) - n(0, t_zero) at kWavelength, dimensionless
    static double GetIndexRise(double dSalinity, double dTemp, double dZeroTemp);

    // The salinity from 0 to 42 whose rise is dRise (the inverse of
    // GetIndexRise); NaN when none is.
    //   dRise      index rise, dimensionless
    //   dTemp      the sample's temperature, degC
    //   dZeroTemp  the temperature the instrument was set to zero at, degC
    //   returns    Practical Salinity, or NaN
    static double GetSalinity(double dRise, double dTemp, double dZeroTemp);

    // What the scale shows for a rise from 0 to GetMaxRise(); NaN beyond.
    //   returns  per mille for kSeawater and kSodiumChloride, dimensionless for kGravity
    static double GetReading(double dRise, const SScale& scale);

    // The rise a reading on the scale stands for (the inverse of GetReading);
    // NaN for a reading off the scale.
    static double GetRise(double dReading, const SScale& scale);

    // The top of every scale: the rise of salinity 42 at 20 degC.
    static double GetMaxRise();

    static const double kWavelength;       // the sodium D line, nm, in air
    static const double kScaleTemperature; // the temperature the scales are drawn for, degC
};
