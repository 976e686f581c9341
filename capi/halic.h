/* halic: hali for every language. A plain C interface over the seawater library hali: specific gravity
 * under a named convention, salinity from a hydrometer's reading, Practical Salinity from conductivity
 * (PSS-78) and back, and hali's own quantities, each with its inputs checked.
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
 * When several arguments are bad, the reason is that of the first in the order declared (a convention
 * before all others).
 *
 * Array forms (suffix _n) take n values in each array argument and write n results: one call per array.
 * They return the number of results that are NaN (0 when every one is a number), or -1 when an array
 * pointer is null or n is negative (and then write nothing); halic_last_error() then names the reason of
 * the first NaN. The results may overwrite one of the inputs: element i is read before it is written. */
#ifndef HALIC_H
#define HALIC_H

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

/* The library's version, "major.minor.patch.tweak", the same as hali's CHalin::GetVersion. Static storage. */
HALIC_API const char* halic_version(void);

/* Why the last function called on this thread returned NaN (or -1); HALIC_OK after a number. */
enum
{
    HALIC_OK = 0,
    HALIC_E_NOT_FINITE = 1,     /* an argument is NaN or infinite */
    HALIC_E_SALINITY = 2,       /* salinity outside 0 to 42 */
    HALIC_E_TEMPERATURE = 3,    /* temperature outside the function's range (see each function) */
    HALIC_E_PRESSURE = 4,       /* pressure outside 0 to 10000 dbar */
    HALIC_E_CONVENTION = 5,     /* no such convention */
    HALIC_E_CONVENTION_TEMPERATURE = 6, /* a temperature other than the one the convention fixes */
    HALIC_E_GRAVITY = 7,        /* a specific gravity that is not positive */
    HALIC_E_NO_SALINITY = 8,    /* a reading that no salinity from 0 to 42 gives at that temperature */
    HALIC_E_CONDUCTIVITY = 9,   /* a negative conductivity, or one that gives no salinity from 0 to 42 */
    HALIC_E_LATITUDE = 10,      /* latitude outside -90 to 90 degrees */
    HALIC_E_ARGUMENT = 11       /* a null array or a negative count */
};
HALIC_API int halic_last_error(void);
/* One line of English for an error code, such as "salinity outside 0 to 42"; "unknown error" for others. */
HALIC_API const char* halic_error_message(int error);
/* The last error on this thread in one line that names the argument, the value it was given and what it may
 * be, such as "t = 41 is outside -2 to 40 degC"; an array form's starts with the element, "element 7: ...".
 * "" after a number. Thread-local storage, valid until the next call on this thread. */
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
 *   SP          Practical Salinity, 0 to 42
 *   t           the sample's temperature, degC, -2 to 40; for a convention that fixes it, NaN or that value
 *               (to within 0.00005 degC, so that 15.5556 names 60 degF)
 *   convention  HALIC_SG_xxx
 *   returns     specific gravity, dimensionless */
HALIC_API double halic_sg(double SP, double t, int convention);
/* The same with both temperatures given: sample at t, reference water at t_ref, each -2 to 40 degC. */
HALIC_API double halic_sg_at(double SP, double t, double t_ref);

/* Practical Salinity of seawater that reads sg under a convention: the inverse of halic_sg, to 1e-9.
 *   sg          the reading, dimensionless, positive
 *   t           as for halic_sg
 *   returns     Practical Salinity, 0 to 42; NaN (HALIC_E_NO_SALINITY) for a reading outside that range */
HALIC_API double halic_salinity_from_sg(double sg, double t, int convention);
HALIC_API double halic_salinity_from_sg_at(double sg, double t, double t_ref);

/* ---- Conductivity (PSS-78) ---------------------------------------------------------------------------- */

/* Conductivity of seawater of Practical Salinity 35 at 15 degC (IPTS-68) and zero pressure, mS/cm. */
#define HALIC_C3515 42.914

/* Practical Salinity from conductivity, by PSS-78 with its temperature and pressure terms (and the
 * extension of Hill et al. (1986) below salinity 2).
 *   C        conductivity, mS/cm, not negative
 *   t        in-situ temperature, ITS-90, degC, -2 to 35
 *   p        sea pressure, dbar, 0 to 10000
 *   returns  Practical Salinity, 0 to 42 (HALIC_E_CONDUCTIVITY beyond 42). Zero conductivity gives 0; the
 *            low-salinity formula dips below 0 just above it, so that conductivities from there up to
 *            halic_c_from_sp(0, t, p) (0.0007 to 0.0024 mS/cm over the ranges) have no salinity:
 *            HALIC_E_CONDUCTIVITY. */
HALIC_API double halic_sp_from_c(double C, double t, double p);
/* Conductivity of seawater of Practical Salinity SP (0 to 42) at t (ITS-90, -2 to 35 degC) and p (dbar,
 * 0 to 10000): the inverse of halic_sp_from_c, mS/cm. SP 0 gives the conductivity where the low-salinity
 * formula comes up through 0 (0.0007 to 0.0024 mS/cm), so that the conductivity grows continuously with SP. */
HALIC_API double halic_c_from_sp(double SP, double t, double p);
/* The same as a ratio to HALIC_C3515, dimensionless. */
HALIC_API double halic_r_from_sp(double SP, double t, double p);

/* ---- hali's quantities, checked ------------------------------------------------------------------------ */

/* In-situ density by EOS-80 (CHalin::GetDensity): SP 0 to 42, t -2 to 40 degC, p 0 to 10000 dbar;
 * kg/m^3, the full density. */
HALIC_API double halic_density(double SP, double t, double p);
/* Potential temperature referred to the surface (CHalin::GetPotentialTemp), same ranges; degC. */
HALIC_API double halic_potential_temperature(double SP, double t, double p);
/* Depth of a standard ocean column (CHalin::GetDepth): p 0 to 10000 dbar, latitude -90 to 90 degrees;
 * metres, positive downwards. */
HALIC_API double halic_depth(double p, double latitude);
/* The calculator's conversion (CHalin::GetSpecificGravity): the specific gravity at t of water that read
 * sg0 at t0, at salinity SP and depth depth_m (metres, passed as decibars, 0 to 10000), on potential
 * temperatures when potential is nonzero. Temperatures -2 to 40 degC, sg0 positive. Unrounded: the
 * calculator shows it rounded half up to five decimals. */
HALIC_API double halic_convert(double t, double sg0, double t0, double SP, double depth_m, int potential);

/* ---- Array forms --------------------------------------------------------------------------------------- */

/* For a convention that fixes the sample's temperature, t may be NULL. */
HALIC_API long halic_sg_n(long n, const double* SP, const double* t, int convention, double* sg);
HALIC_API long halic_salinity_from_sg_n(long n, const double* sg, const double* t, int convention, double* SP);
HALIC_API long halic_sp_from_c_n(long n, const double* C, const double* t, const double* p, double* SP);
HALIC_API long halic_c_from_sp_n(long n, const double* SP, const double* t, const double* p, double* C);
HALIC_API long halic_density_n(long n, const double* SP, const double* t, const double* p, double* rho);
HALIC_API long halic_convert_n(long n, const double* t, double sg0, double t0, double SP, double depth_m,
                               int potential, double* sg);

#ifdef __cplusplus
}
#endif

#endif /* HALIC_H */
