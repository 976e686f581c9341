// CHalin: seawater properties (EOS-80 density, Bryden potential temperature,
// UNESCO depth) and water-chemistry conversions. The class is a namespace for
// the formulas: its members are static, pure and thread-safe except
// GetVersion, and an object of it carries nothing.
#pragma once
#include "CString.h"
#include "HaliExport.h"

class HALI_API CHalin
{
public:
    // Objects exist only for clients that want one; none holds any data.
    CHalin();
    CHalin(const CHalin& src);
    CHalin& operator=(const CHalin& src);
    virtual ~CHalin();

    // In-situ density of seawater by EOS-80. Not clamped to the fitted range.
    //   dSalinity  practical salinity, per mille (negative gives NaN)
    //   dTemp      temperature, degrees Celsius, used as passed
    //   dPressure  sea pressure, decibars (0 at the surface)
    //   returns    density, kg/m^3 (the full density, not density minus 1000)
    static double GetDensity(double dSalinity, double dTemp, double dPressure);

    // Potential temperature referred to zero pressure (Bryden 1973).
    //   dSalinity  practical salinity, per mille
    //   dTemp      in-situ temperature, degrees Celsius
    //   dPressure  sea pressure, decibars (0 at the surface)
    //   returns    potential temperature, degrees Celsius
    static double GetPotentialTemp(double dSalinity, double dTemp, double dPressure);

    // Specific gravity at dWaterTemp of water that showed dBaseGravity at
    // dBaseTemp: the ratio of the two EOS-80 densities times dBaseGravity.
    //   dWaterTemp    temperature to convert to, degrees Celsius
    //   dBaseGravity  specific gravity read at the base temperature, dimensionless
    //   dBaseTemp     base temperature, degrees Celsius
    //   dSalinity     practical salinity, per mille
    //   dPressure     sea pressure, decibars (the calculator passes metres)
    //   bPotential    0 uses both temperatures as given; nonzero uses their
    //                 potential temperatures (densities stay at dPressure)
    //   returns       specific gravity at dWaterTemp, dimensionless
    static double GetSpecificGravity(double dWaterTemp, double dBaseGravity, double dBaseTemp,
                                     double dSalinity, double dPressure, int bPotential);

    // Depth of a standard ocean column (UNESCO 1983).
    //   dPressure  sea pressure, decibars (0 at the surface)
    //   dLatitude  latitude, degrees, north or south (the sign is ignored)
    //   returns    depth, metres, positive downwards
    static double GetDepth(double dPressure, double dLatitude);

    // Dissolved carbon dioxide, 10^-pH * dCarbonate * 3.72e8. The result
    // is in the unit the carbonate measure is given in.
    //   dPH         pH, any value (not limited to 0..14)
    //   dCarbonate  carbonate measure, the caller's unit
    //   returns     dissolved carbon dioxide, in the carbonate measure's unit
    static double GetDissolvedCarbonDioxide(double dPH, double dCarbonate);

    // Alkalinity to carbonate hardness.
    //   dAlkalinity  alkalinity, meq/l
    //   returns      carbonate hardness, German degrees
    static double ALK2KH(double dAlkalinity);

    // Carbonate hardness to alkalinity.
    //   dHardness  carbonate hardness, German degrees
    //   returns    alkalinity, meq/l
    static double KH2ALK(double dHardness);

    // Milliequivalents to milligrams of calcium carbonate.
    //   dMeq     milliequivalents
    //   returns  milligrams of calcium carbonate
    static double meq2mg(double dMeq);

    // Milligrams of calcium carbonate to milliequivalents.
    //   dMg      milligrams of calcium carbonate
    //   returns  milliequivalents
    static double mg2meq(double dMg);

    // Moles to milligrams. Not the inverse of mg2mol: a round trip scales by 1e-6.
    //   dMol     moles
    //   returns  milligrams
    static double mol2mg(double dMol);

    // Milligrams to moles.
    //   dMg      milligrams
    //   returns  moles
    static double mg2mol(double dMg);

    // The library's version string (the product version, "1.0.0.0"), from its
    // own string table; the caller's resource module is current again
    // afterwards. Empty if the string cannot be loaded. UI thread only.
    static CString GetVersion();
};
