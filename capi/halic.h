/* halic: hali for every language. A plain C interface over the seawater library hali: specific gravity
 * under a named convention, salinity from a hydrometer's reading, Practical Salinity from conductivity
 * (PSS-78) and back, hali's own quantities, and the instruments (refractive index, refractometers, the glass
 * hydrometer, Baume degrees), each with its inputs checked.
 *
 * Every quantity is a double and every choice an int. A function that has no answer for its inputs (an
 * argument that is NaN, infinite or outside the range the formulas were fitted for, a reading that no
 * salinity in range gives) returns NaN and records why: halic_last_error() on the same thread names the
 * reason, halic_error_message() words it. A result that is a number is never a guess.
 *
 * Temperatures are degrees Celsius. The density and specific-gravity functions take them as EOS-80 does
 * and hali passes them, unconverted; the conductivity functions take ITS-90 temperatures, as today's
 * oceanographic libraries do, and convert them for PSS-78 (t68 = 1.00024 t90). Salinity is Practical
 * Salinity (per mille in hali's words), pressure sea pressure in decibars (0 at the surface).
 *
 * Every result is a finite number or NaN. When several arguments are bad, the reason is that of the first
 * in the order declared (a convention before all others).
 *
 * Array forms (suffix _n) take n values in each array argument and write n results: one call per array.
 * They first check the arrays themselves, and return -1 (HALIC_E_ARGUMENT, nothing written) when n is
 * negative or more doubles than memory holds, when an array pointer is null, or when the output overlaps
 * an input other than exactly; in that order, and before any element's arguments, a convention's too.
 * The output may be an input itself (the same pointer): element i is read before it is written. Then
 * each element is computed as the scalar form computes it, and the array form returns how many results
 * are NaN (0 when every one is a number); halic_last_error() names the reason of the first NaN. */
#ifndef HALIC_H
#define HALIC_H

#include <stddef.h>

#include "halic_version.h"

#if defined(_WIN32)
#if defined(HALIC_BUILDING)
#define HALIC_API __declspec(dllexport)
#else
#define HALIC_API __declspec(dllimport)
#endif
#else
#define HALIC_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Version and reasons ------------------------------------------------------------------------------ */

/* The version of this header (HALIC_VERSION_MAJOR, _MINOR and _PATCH come from halic_version.h, which the
 * build writes beside it) as one number, for #if and for comparing with halic_version_number(). */
#define HALIC_VERSION_NUMBER (HALIC_VERSION_MAJOR * 1000000 + HALIC_VERSION_MINOR * 1000 + HALIC_VERSION_PATCH)
/* The library's version, "major.minor.patch.tweak", the same as hali's. Static storage. */
HALIC_API const char* halic_version(void);
/* The library's HALIC_VERSION_NUMBER: a client built against this header checks that the library it runs on
 * is at least as new, halic_version_number() >= HALIC_VERSION_NUMBER. */
HALIC_API int halic_version_number(void);

/* ---- What the arguments may be -------------------------------------------------------------------------- */

/* The closed ranges the library accepts, the one place they are written: each function's arguments below
 * name them. Sea pressure starts at 0 (the surface), latitude at -HALIC_LATITUDE_MAX. */
#define HALIC_SP_MIN 0.0          /* Practical Salinity */
#define HALIC_SP_MAX 42.0
#define HALIC_T_MIN (-2.0)        /* temperature, degC */
#define HALIC_T_MAX 40.0
#define HALIC_PSS78_T_MAX 35.0    /* temperature for PSS-78, degC (from HALIC_T_MIN) */
#define HALIC_P_MAX 10000.0       /* sea pressure, dbar; also a depth in metres taken as dbar */
#define HALIC_SG_MAX 2.0          /* specific gravity: above 0 and at most this; no water reads more */
#define HALIC_LATITUDE_MAX 90.0   /* latitude, degrees north (south negative) */

/* Why the last function called on this thread returned NaN (or -1); HALIC_OK after a number. */
enum
{
    HALIC_OK = 0,
    HALIC_E_NOT_FINITE = 1,     /* an argument is NaN or infinite */
    HALIC_E_SALINITY = 2,       /* salinity outside HALIC_SP_MIN to HALIC_SP_MAX */
    HALIC_E_TEMPERATURE = 3,    /* temperature outside the function's range (see each function) */
    HALIC_E_PRESSURE = 4,       /* pressure outside 0 to HALIC_P_MAX */
    HALIC_E_CONVENTION = 5,     /* no such convention */
    HALIC_E_CONVENTION_TEMPERATURE = 6, /* a temperature other than the one the convention fixes */
    HALIC_E_GRAVITY = 7,        /* a specific gravity not above 0, or above HALIC_SG_MAX */
    HALIC_E_NO_SALINITY = 8,    /* a reading that no salinity in range gives at that temperature */
    HALIC_E_CONDUCTIVITY = 9,   /* a negative conductivity, or one that gives no salinity in range */
    HALIC_E_LATITUDE = 10,      /* latitude outside -HALIC_LATITUDE_MAX to HALIC_LATITUDE_MAX */
    HALIC_E_ARGUMENT = 11,      /* an array form's arrays: a negative or impossible count, a null array, or
                                   an output that overlaps an input other than exactly */
    HALIC_E_RESULT = 12,        /* no finite result from arguments that passed their checks: a fault of
                                   the library's own, never expected */
    HALIC_E_WAVELENGTH = 13,    /* wavelength outside HALIC_WAVELENGTH_MIN to HALIC_WAVELENGTH_MAX */
    HALIC_E_SCALE = 14,         /* no such refractometer scale or Baume scale */
    HALIC_E_EXPANSION = 15,     /* expansion coefficient outside 0 to HALIC_EXPANSION_MAX */
    HALIC_E_READING = 16        /* a reading off the instrument's scale */
};
HALIC_API int halic_last_error(void);
/* One line of English for an error code, such as "salinity outside 0 to 42"; "unknown error" for others.
 * Static storage. */
HALIC_API const char* halic_error_message(int error);
/* The last error on this thread in one line that names the argument, the value it was given and what it may
 * be, such as "t = 41 is outside -2 to 40 degC"; an array form's starts with the element, "element 7: ...".
 * A value shows as the shortest text that reads back as the same double (42.00000000000001, never 42 for
 * a value above it). A temperature that a convention does not take ends with the one it takes:
 * "t = 20 degC differs from the 25 degC the convention fixes (give 25)". "" after a number. Thread-local
 * storage, valid until the next call on this thread. */
HALIC_API const char* halic_last_error_text(void);

/* ---- Specific-gravity conventions --------------------------------------------------------------------- */

/* A convention names the temperature of the sample and that of the pure water its density is divided by:
 * SG = rho(S, t, 0) / rho(0, t_ref, 0), both by EOS-80 at the surface. */
enum
{
    HALIC_SG_T_T = 0,    /* "t/t": reference water at the sample's own temperature t */
    HALIC_SG_T_4 = 1,    /* "t/4": sample at t, reference water at 4 degC */
    HALIC_SG_15_4 = 2,   /* "15/4": sample at 15 degC, reference water at 4 degC (Japanese certified) */
    HALIC_SG_20_20 = 3,  /* "20/20": both at 20 degC (refractometers) */
    HALIC_SG_25_25 = 4,  /* "25/25": both at 25 degC */
    HALIC_SG_60_60F = 5, /* "60/60F": both at 60 degF, 15.5556 degC (American tables) */
    HALIC_SG_CONVENTIONS = 6 /* how many there are */
};
/* The convention's name as above ("t/t", "15/4", "60/60F", ...), or NULL for an unknown one. */
HALIC_API const char* halic_convention_name(int convention);
/* The sample's temperature the convention fixes, degC; NaN where it is the caller's (t/t, t/4). */
HALIC_API double halic_convention_sample_temperature(int convention);
/* The reference water's temperature, degC; NaN where it is the sample's (t/t). */
HALIC_API double halic_convention_reference_temperature(int convention);

/* Specific gravity of seawater under a convention.
 *   SP          Practical Salinity, HALIC_SP_MIN to HALIC_SP_MAX
 *   t           the sample's temperature, degC, HALIC_T_MIN to HALIC_T_MAX; for a convention that fixes it,
 *               NaN or that value (to within 0.00005 degC, so that 15.5556 names 60 degF)
 *   convention  HALIC_SG_xxx
 *   returns     specific gravity, dimensionless */
HALIC_API double halic_sg(double SP, double t, int convention);
/* The same with both temperatures given: sample at t, reference water at t_ref, each HALIC_T_MIN to
 * HALIC_T_MAX. */
HALIC_API double halic_sg_at(double SP, double t, double t_ref);

/* Practical Salinity of seawater that reads sg under a convention: the inverse of halic_sg, to 1e-9.
 *   sg          the reading, dimensionless, above 0 and at most HALIC_SG_MAX
 *   t           as for halic_sg
 *   returns     Practical Salinity, HALIC_SP_MIN to HALIC_SP_MAX; NaN (HALIC_E_NO_SALINITY) for a reading
 *               that no salinity in that range gives */
HALIC_API double halic_salinity_from_sg(double sg, double t, int convention);
HALIC_API double halic_salinity_from_sg_at(double sg, double t, double t_ref);

/* ---- Conductivity (PSS-78) ---------------------------------------------------------------------------- */

/* Conductivity of seawater of Practical Salinity 35 at 15 degC (IPTS-68) and zero pressure, mS/cm. */
#define HALIC_C3515 42.914

/* Practical Salinity from conductivity, by PSS-78 with its temperature and pressure terms (and the
 * extension of Hill et al. (1986) below salinity 2).
 *   C        conductivity, mS/cm, not negative; bounded above by the salinity it gives
 *   t        in-situ temperature, ITS-90, degC, HALIC_T_MIN to HALIC_PSS78_T_MAX
 *   p        sea pressure, dbar, 0 to HALIC_P_MAX
 *   returns  Practical Salinity, HALIC_SP_MIN to HALIC_SP_MAX (HALIC_E_CONDUCTIVITY beyond). Zero
 *            conductivity gives 0; the low-salinity formula dips below 0 just above it, so that
 *            conductivities from there up to halic_c_from_sp(0, t, p) (0.0007 to 0.0024 mS/cm over the
 *            ranges) have no salinity: HALIC_E_CONDUCTIVITY. */
HALIC_API double halic_sp_from_c(double C, double t, double p);
/* Conductivity of seawater of Practical Salinity SP at t (ITS-90, degC) and p (dbar), in the ranges of
 * halic_sp_from_c: its inverse, mS/cm. SP 0 gives the conductivity where the low-salinity
 * formula comes up through 0 (0.0007 to 0.0024 mS/cm), so that the conductivity grows continuously with SP. */
HALIC_API double halic_c_from_sp(double SP, double t, double p);
/* The same as a ratio to HALIC_C3515, dimensionless. */
HALIC_API double halic_r_from_sp(double SP, double t, double p);

/* ---- hali's quantities, checked ------------------------------------------------------------------------ */

/* In-situ density by EOS-80: SP HALIC_SP_MIN to HALIC_SP_MAX, t HALIC_T_MIN to HALIC_T_MAX degC, p 0 to
 * HALIC_P_MAX dbar; kg/m^3, the full density. */
HALIC_API double halic_density(double SP, double t, double p);
/* Potential temperature referred to the surface, same ranges; degC. */
HALIC_API double halic_potential_temperature(double SP, double t, double p);
/* Depth of a standard ocean column: p 0 to HALIC_P_MAX dbar, latitude -HALIC_LATITUDE_MAX to
 * HALIC_LATITUDE_MAX degrees; metres, positive downwards. */
HALIC_API double halic_depth(double p, double latitude);
/* The calculator's conversion: the specific gravity at t of water that read sg0 at t0, at salinity SP and
 * depth depth_m (metres, passed as decibars, 0 to HALIC_P_MAX), on potential temperatures when potential
 * is nonzero. Temperatures HALIC_T_MIN to HALIC_T_MAX degC, sg0 as sg above. Unrounded: the calculator
 * shows it rounded half up to five decimals. */
HALIC_API double halic_convert(double t, double sg0, double t0, double SP, double depth_m, int potential);

/* ---- Array forms --------------------------------------------------------------------------------------- */

/* Each takes its scalar form's quantities as arrays of n and writes the n results to its last argument
 * (halic_convert_n: t only, the base shared by every element). For a convention that fixes the sample's
 * temperature, t may be NULL. */
HALIC_API ptrdiff_t halic_sg_n(ptrdiff_t n, const double* SP, const double* t, int convention, double* sg);
HALIC_API ptrdiff_t halic_sg_at_n(ptrdiff_t n, const double* SP, const double* t, const double* t_ref, double* sg);
HALIC_API ptrdiff_t halic_salinity_from_sg_n(ptrdiff_t n, const double* sg, const double* t, int convention,
                                             double* SP);
HALIC_API ptrdiff_t halic_salinity_from_sg_at_n(ptrdiff_t n, const double* sg, const double* t, const double* t_ref,
                                                double* SP);
HALIC_API ptrdiff_t halic_sp_from_c_n(ptrdiff_t n, const double* C, const double* t, const double* p, double* SP);
HALIC_API ptrdiff_t halic_c_from_sp_n(ptrdiff_t n, const double* SP, const double* t, const double* p, double* C);
HALIC_API ptrdiff_t halic_r_from_sp_n(ptrdiff_t n, const double* SP, const double* t, const double* p, double* R);
HALIC_API ptrdiff_t halic_density_n(ptrdiff_t n, const double* SP, const double* t, const double* p, double* rho);
HALIC_API ptrdiff_t halic_potential_temperature_n(ptrdiff_t n, const double* SP, const double* t, const double* p,
                                                  double* theta);
HALIC_API ptrdiff_t halic_depth_n(ptrdiff_t n, const double* p, const double* latitude, double* z);
HALIC_API ptrdiff_t halic_convert_n(ptrdiff_t n, const double* t, double sg0, double t0, double SP, double depth_m,
                                    int potential, double* sg);

/* ---- Instruments: refractometers, the hydrometer's glass, Baume degrees ------------------------------------ */

/* The refractive index of seawater, relative to air, by Quan and Fry (1995, Applied Optics 34, 3477), fitted
 * to Austin and Halikas's measurements (1976) over 0 to 30 degC, salinity 0 to 35 and 400 to 700 nm. halic
 * answers beyond the fit where the equation stays as near the truth as inside it: salinity 35 to 42 extends
 * its straight line in salinity; -2 to 0 degC and 30 to HALIC_REFRACTION_T_MAX degC extend its parabola in
 * temperature, whose change from 20 degC there keeps within 5e-5 (0.25 in salinity) of pure water's by IAPWS
 * R9-97, no further than inside the fit. It strays 6e-5 at 33 degC, 9e-5 at 35 and 1.8e-4 at 40: halic
 * refuses those. The wavelength is not extrapolated. */
#define HALIC_WAVELENGTH_MIN 400.0     /* wavelength of the light in air, nm */
#define HALIC_WAVELENGTH_MAX 700.0
#define HALIC_SODIUM_D 589.3           /* the sodium D line, nm: the refractometers' light */
#define HALIC_REFRACTION_T_MAX 32.0    /* temperature for the refractive index and refractometers, degC,
                                          from HALIC_T_MIN */

/*   SP          Practical Salinity, HALIC_SP_MIN to HALIC_SP_MAX
 *   t           temperature, degC, HALIC_T_MIN to HALIC_REFRACTION_T_MAX
 *   wavelength  nm, HALIC_WAVELENGTH_MIN to HALIC_WAVELENGTH_MAX (HALIC_SODIUM_D for refractometers)
 *   returns     refractive index relative to air, dimensionless */
HALIC_API double halic_refractive_index(double SP, double t, double wavelength);
/* The salinity of seawater of refractive index n at t and wavelength, the inverse of halic_refractive_index
 * (to 1e-9); NaN (HALIC_E_NO_SALINITY) for an index no salinity in range has. */
HALIC_API double halic_salinity_from_refractive_index(double n, double t, double wavelength);

/* A refractometer shows how far the sample's index (at HALIC_SODIUM_D) rises above that of the pure water it
 * was set to zero on, on a scale drawn for HALIC_REFRACTOMETER_T:
 *   HALIC_SCALE_SEAWATER  per mille of natural seawater: the salinity with that rise at 20 degC;
 *   HALIC_SCALE_SG        specific gravity: that salinity's under a convention. Seawater refractometers
 *                         print "20/20" on it (HALIC_SG_20_20); some makers use 25/25. For t/t and t/4 the
 *                         sample's temperature is HALIC_REFRACTOMETER_T;
 *   HALIC_SCALE_NACL      per mille (g/kg) of sodium chloride, as brine refractometers show: the NaCl solution
 *                         with that rise at 20 degC, from the CRC Handbook of Chemistry and Physics' table
 *                         "Concentrative properties of aqueous solutions" (n at 20 degC, 589 nm, 0 to 10 %),
 *                         interpolated by a monotone cubic. It reads natural seawater about 1.5 high: 36.5
 *                         for salinity 35.
 * Every scale covers the rises of salinity 0 to HALIC_SP_MAX at 20 degC; a reading beyond is
 * HALIC_E_READING. A temperature-compensated refractometer reads as at 20 degC: give t = t_zero =
 * HALIC_REFRACTOMETER_T. One without compensation sees the index at the sample's temperature t against pure
 * water at t_zero, the temperature it was set to zero at (HALIC_REFRACTOMETER_T by its maker, the sample's
 * own t when set to zero with pure water beside the sample). */
#define HALIC_REFRACTOMETER_T 20.0     /* degC */
enum
{
    HALIC_SCALE_SEAWATER = 0, /* "seawater" */
    HALIC_SCALE_SG = 1,       /* "sg" */
    HALIC_SCALE_NACL = 2,     /* "nacl" */
    HALIC_SCALES = 3          /* how many there are */
};
/* The scale's name as above, or NULL for an unknown one. */
HALIC_API const char* halic_scale_name(int scale);
/* What a refractometer shows for seawater of salinity SP.
 *   SP          Practical Salinity, HALIC_SP_MIN to HALIC_SP_MAX
 *   t, t_zero   the sample's temperature and the one the instrument was set to zero at, degC, HALIC_T_MIN
 *               to HALIC_REFRACTION_T_MAX (both HALIC_REFRACTOMETER_T for a compensated refractometer)
 *   scale       HALIC_SCALE_xxx
 *   convention  HALIC_SG_xxx for HALIC_SCALE_SG; any value for the other scales
 *   returns     per mille on the seawater and NaCl scales, specific gravity (dimensionless) on the SG scale;
 *               NaN (HALIC_E_READING) where the sample's rise is off the scale */
HALIC_API double halic_refractometer_reading(double SP, double t, double t_zero, int scale, int convention);
/* The salinity of seawater that shows reading (the inverse, to 1e-9); NaN (HALIC_E_READING) for a reading off
 * the scale, (HALIC_E_NO_SALINITY) for one no salinity in range shows at these temperatures. */
HALIC_API double halic_salinity_from_refractometer(double reading, double t, double t_zero, int scale,
                                                   int convention);

/* A glass hydrometer reads high when warmer than it was calibrated at, as its glass grows:
 *   reading = SG (1 + gamma (t - t_cal)),  SG = rho(S, t, 0) / rho(0, t_ref, 0),
 * the specific gravity of the sample at the temperature it is read at, against pure water at the
 * convention's reference temperature t_ref (the sample's own for t/t). A convention that fixes the sample's
 * temperature (15/4, 20/20, 25/25, 60/60F) was calibrated at that temperature: t_cal is NaN or that value (as
 * t for halic_sg); t/t and t/4 need t_cal. gamma is the cubical expansion coefficient: HALIC_GLASS_EXPANSION
 * for glass (ISO 1768), 0 for a plastic or swing-arm hydrometer, whose coefficient no one publishes (its
 * reading is then the specific gravity: halic_sg_at(SP, t, t_ref)). */
#define HALIC_GLASS_EXPANSION 25e-6    /* per degC */
#define HALIC_EXPANSION_MAX 0.001      /* per degC, from 0 */
/*   SP          Practical Salinity, HALIC_SP_MIN to HALIC_SP_MAX
 *   t           the sample's temperature as read, degC, HALIC_T_MIN to HALIC_T_MAX
 *   t_cal       the calibration temperature, degC, HALIC_T_MIN to HALIC_T_MAX, or NaN (see above)
 *   gamma       cubical expansion coefficient, per degC, 0 to HALIC_EXPANSION_MAX
 *   convention  HALIC_SG_xxx
 *   returns     the reading, dimensionless */
HALIC_API double halic_hydrometer_reading(double SP, double t, double t_cal, double gamma, int convention);
/* The salinity of seawater that reads reading (above 0, at most HALIC_SG_MAX): the inverse, to 1e-9; NaN
 * (HALIC_E_NO_SALINITY) for a reading no salinity in range gives. */
HALIC_API double halic_salinity_from_hydrometer(double reading, double t, double t_cal, double gamma,
                                                int convention);

/* Baume degrees of liquids heavier than water: degrees = m - m / SG, SG from HALIC_BAUME_SG_MIN to
 * HALIC_SG_MAX, on a scale of modulus m; the moduli as the CRC Handbook of Chemistry and Physics (51st
 * edition, 1970) lists them. */
#define HALIC_BAUME_SG_MIN 1.0         /* the heavy scale starts at water, 0 degrees */
enum
{
    HALIC_BAUME_AMERICAN = 0, /* "american": m = 145, the United States' scale, at 60/60 degF */
    HALIC_BAUME_DUTCH = 1,    /* "dutch": m = 144, the old scale used in Holland */
    HALIC_BAUME_GERLACH = 2,  /* "gerlach": m = 146.78, the new or Gerlach scale */
    HALIC_BAUME_SCALES = 3    /* how many there are */
};
/* The scale's name as above, or NULL for an unknown one. */
HALIC_API const char* halic_baume_name(int scale);
/* The scale's modulus m, degrees; NaN for an unknown one. */
HALIC_API double halic_baume_modulus(int scale);
/* Degrees Baume of a specific gravity (dimensionless, HALIC_BAUME_SG_MIN to HALIC_SG_MAX). */
HALIC_API double halic_baume(double sg, int scale);
/* The specific gravity of degrees Baume (0 to m - m / HALIC_SG_MAX): the inverse of halic_baume. */
HALIC_API double halic_sg_from_baume(double degrees, int scale);
/* The salinity of seawater whose specific gravity under a convention (t as for halic_sg) reads degrees;
 * NaN (HALIC_E_NO_SALINITY) past what salinity HALIC_SP_MAX reads. */
HALIC_API double halic_salinity_from_baume(double degrees, double t, int convention, int scale);

/* Array forms, as those above. t_cal may be NULL for a convention that fixes the sample's temperature, t
 * of halic_salinity_from_baume_n likewise. */
HALIC_API ptrdiff_t halic_refractive_index_n(ptrdiff_t n, const double* SP, const double* t, const double* wavelength,
                                             double* index);
HALIC_API ptrdiff_t halic_salinity_from_refractive_index_n(ptrdiff_t n, const double* index, const double* t,
                                                           const double* wavelength, double* SP);
HALIC_API ptrdiff_t halic_refractometer_reading_n(ptrdiff_t n, const double* SP, const double* t,
                                                  const double* t_zero, int scale, int convention, double* reading);
HALIC_API ptrdiff_t halic_salinity_from_refractometer_n(ptrdiff_t n, const double* reading, const double* t,
                                                        const double* t_zero, int scale, int convention, double* SP);
HALIC_API ptrdiff_t halic_hydrometer_reading_n(ptrdiff_t n, const double* SP, const double* t, const double* t_cal,
                                               const double* gamma, int convention, double* reading);
HALIC_API ptrdiff_t halic_salinity_from_hydrometer_n(ptrdiff_t n, const double* reading, const double* t,
                                                     const double* t_cal, const double* gamma, int convention,
                                                     double* SP);
HALIC_API ptrdiff_t halic_baume_n(ptrdiff_t n, const double* sg, int scale, double* degrees);
HALIC_API ptrdiff_t halic_sg_from_baume_n(ptrdiff_t n, const double* degrees, int scale, double* sg);
HALIC_API ptrdiff_t halic_salinity_from_baume_n(ptrdiff_t n, const double* degrees, const double* t, int convention,
                                                int scale, double* SP);

#ifdef __cplusplus
}
#endif

#endif /* HALIC_H */
