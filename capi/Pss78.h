// CPss78: Practical Salinity from conductivity by the Practical Salinity
// Scale 1978 (UNESCO 1983) with its temperature and pressure terms, extended
// below salinity 2 by Hill et al. (1986) as TEOS-10 applies it (scaled to
// meet PSS-78 at 2), and its inverse. Temperatures are ITS-90 and converted
// here. A namespace for pure, thread-safe functions; the arguments are not
// checked here.
#pragma once
#include <cstddef>

class CPss78
{
public:
    // Practical Salinity of seawater of conductivity ratio dRatio.
    //   dRatio     conductivity ratio R = C / kC3515, dimensionless, not negative
    //   dTemp      in-situ temperature, ITS-90, degC
    //   dPressure  sea pressure, dbar
    //   returns    Practical Salinity, 0 at zero conductivity; just above it
    //              (R to about 6e-5) the low-salinity formula dips below 0,
    //              to about -0.0003, and that is returned
    static double GetSalinity(double dRatio, double dTemp, double dPressure);

    // GetSalinity of nCount samples, bit for bit as a call for each gives
    // them, two at a time side by side (at about the cost of one): the
    // arguments and results as GetSalinity takes and gives them, one sample
    // in each element of the arrays.
    static void GetSalinities(ptrdiff_t nCount, const double* pRatio, const double* pTemp, const double* pPressure,
                              double* pSalinity);

    // The conductivity ratio of seawater of Practical Salinity dSalinity: the
    // inverse of GetSalinity. Salinity 0 gives the ratio where the
    // low-salinity formula reaches 0 from above, so that the ratio grows
    // continuously with salinity from there.
    //   dSalinity  Practical Salinity, 0 to 42
    //   dTemp      in-situ temperature, ITS-90, degC
    //   dPressure  sea pressure, dbar
    //   returns    conductivity ratio R, dimensionless
    static double GetRatio(double dSalinity, double dTemp, double dPressure);

    // GetRatio of nCount samples, bit for bit as a call for each gives them,
    // two at a time side by side as GetSalinities takes them.
    static void GetRatios(ptrdiff_t nCount, const double* pSalinity, const double* pTemp, const double* pPressure,
                          double* pRatio);

    static const double kC3515; // conductivity of S = 35 at 15 degC (IPTS-68) and p = 0, mS/cm
};
