"""hali: seawater properties from Python, through the C library libhalic (ctypes; no compiler needed).

The functions are those of halic.h without the prefix, with the same arguments and units; help() on each
gives its arguments' units and ranges:

{functions}

Each quantity may be a number or an array (anything NumPy makes an array of, a masked array, an xarray
DataArray or a dask array); the quantities broadcast as in NumPy. One rule whatever the shape: an element
without an answer raises HalicError (errors="raise", the default) or gives NaN (errors="nan"), and
why(function, *arguments) tells, element by element, why. A convention is one per call, as the command takes
it. The defaults are the command hali's.
"""
import inspect
import math

import numpy as np

from . import _arguments, _engine
from ._arguments import BAUME_SCALES, CONVENTIONS, SCALES
from ._docs import documented
from ._errors import HalicError, Reason
from ._library import CONSTANTS as _CONSTANTS
from ._library import lib as _lib
from ._version import VERSION as __version__

__all__ = ["BAUME_SCALES", "C3515", "CONVENTIONS", "HalicError", "Reason", "SCALES", "baume", "c_from_sp",
           "convention_temperatures", "convert", "density", "depth", "hydrometer_reading", "potential_temperature",
           "r_from_sp", "refractive_index", "refractometer_reading", "salinity_from_baume",
           "salinity_from_hydrometer", "salinity_from_refractive_index", "salinity_from_refractometer",
           "salinity_from_sg", "salinity_from_sg_at", "sg", "sg_at", "sg_from_baume", "sp_from_c", "version",
           "why"]

C3515 = 42.914  # conductivity of SP 35 at 15 degC (IPTS-68) and 0 dbar, mS/cm: halic.h's HALIC_C3515


def version():
    """The library's version, "major.minor.patch.tweak"."""
    return _lib.halic_version().decode()


def convention_temperatures(convention):
    """(sample, reference) temperatures a convention fixes, degC; NaN for one that is the caller's."""
    number = _arguments.convention("convention_temperatures", convention)
    return (_lib.halic_convention_sample_temperature(number), _lib.halic_convention_reference_temperature(number))


def _entry(name, quantities, returns, kernel=None):
    """Ties a public function to the library function it calls (halic_<name> and its array form) and fills
    its docstring; returns says what it returns."""
    entry = _engine.Function(name, quantities, f"halic_{name}", f"halic_{name}_n", kernel)

    def tie(function):
        entry.function = function
        function.entry = entry
        return documented(function, returns)
    return tie


@_entry("sg", ("SP", "t"), "Specific gravity, dimensionless.")
def sg(SP, t=math.nan, convention=None, *, errors="raise"):
    """Specific gravity of seawater under a convention, dimensionless.

    The density of the sample at its temperature divided by that of pure water at the reference
    temperature, both by EOS-80 at the surface: rho(SP, t_sample, 0) / rho(0, t_reference, 0). The
    convention names the two temperatures.

    Parameters
    ----------
    {SP}
    {t_sample}
    {convention}
    {errors}

    {returns}

    See Also
    --------
    sg_at : both temperatures given.
    salinity_from_sg : the inverse.

    Examples
    --------
    >>> hali.sg(35, convention="25/25")
    1.0263729550533764
    >>> hali.sg([35, 50], 25, "t/4", errors="nan")
    array([1.02336869,        nan])
    """
    number = _arguments.convention("sg", convention)
    return _engine.run(sg.entry, (SP, t), (number,), errors, {"convention": number})


@_entry("sg_at", ("SP", "t", "t_ref"), "Specific gravity, dimensionless.")
def sg_at(SP, t, t_ref, *, errors="raise"):
    """Specific gravity of the sample at t against pure water at t_ref, dimensionless.

    rho(SP, t, 0) / rho(0, t_ref, 0), both by EOS-80 at the surface: sg() with the temperatures given.

    Parameters
    ----------
    {SP}
    {t_both}
    {errors}

    {returns}

    Examples
    --------
    >>> hali.sg_at(35, 25, 4)
    1.023368685495781
    """
    return _engine.run(sg_at.entry, (SP, t, t_ref), (), errors)


@_entry("salinity_from_sg", ("sg", "t"), """Practical Salinity, dimensionless, {SP_RANGE}; a reading that no
        salinity in that range gives has no answer (Reason.NO_SALINITY).""")
def salinity_from_sg(sg, t=math.nan, convention=None, *, errors="raise"):
    """Practical Salinity of seawater that reads sg under a convention: the inverse of sg(), to 1e-9.

    Parameters
    ----------
    {reading}
    {t_sample}
    {convention}
    {errors}

    {returns}

    Examples
    --------
    >>> hali.salinity_from_sg(1.023, 25, "t/4")
    34.5121156625476
    """
    number = _arguments.convention("salinity_from_sg", convention)
    return _engine.run(salinity_from_sg.entry, (sg, t), (number,), errors, {"convention": number})


@_entry("salinity_from_sg_at", ("sg", "t", "t_ref"), "Practical Salinity, dimensionless, {SP_RANGE}.")
def salinity_from_sg_at(sg, t, t_ref, *, errors="raise"):
    """Practical Salinity of seawater that reads sg at t against pure water at t_ref: the inverse of sg_at().

    Parameters
    ----------
    {reading}
    {t_both}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.salinity_from_sg_at(1.023, 25, 25), 2)
    30.54
    """
    return _engine.run(salinity_from_sg_at.entry, (sg, t, t_ref), (), errors)


@_entry("sp_from_c", ("C", "t", "p"), """Practical Salinity, dimensionless, {SP_RANGE} (a conductivity beyond has
        no answer).""")
def sp_from_c(C, t, p=0.0, *, errors="raise"):
    """Practical Salinity from conductivity, by PSS-78 (with Hill et al.'s extension below salinity 2).

    Parameters
    ----------
    C : float or array_like
        Conductivity, mS/cm, 0 or more. 0 gives salinity 0; just above it the low-salinity formula dips
        below 0, so that conductivities up to c_from_sp(0, t, p) (0.0007 to 0.0024 mS/cm) have no salinity.
    {t_pss78}
    {p_surface}
    {errors}

    {returns}

    Examples
    --------
    >>> hali.sp_from_c(34.5487, 28.7856, 10)
    20.00986959...
    """
    return _engine.run(sp_from_c.entry, (C, t, p), (), errors)


@_entry("c_from_sp", ("SP", "t", "p"), "Conductivity, mS/cm.")
def c_from_sp(SP, t, p=0.0, *, errors="raise"):
    """Conductivity of seawater of a Practical Salinity: the inverse of sp_from_c(), mS/cm.

    SP 0 gives the conductivity where the low-salinity formula comes up through 0, so that the conductivity
    grows continuously with SP.

    Parameters
    ----------
    {SP}
    {t_pss78}
    {p_surface}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.c_from_sp(35, 25), 3)
    53.071
    """
    return _engine.run(c_from_sp.entry, (SP, t, p), (), errors)


@_entry("r_from_sp", ("SP", "t", "p"), "c_from_sp(SP, t, p) / C3515, dimensionless.")
def r_from_sp(SP, t, p=0.0, *, errors="raise"):
    """Conductivity ratio of seawater of a Practical Salinity to C3515, dimensionless.

    Parameters
    ----------
    {SP}
    {t_pss78}
    {p_surface}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.r_from_sp(35, 15 / 1.00024), 6)
    1.0
    """
    return _engine.run(r_from_sp.entry, (SP, t, p), (), errors)


@_entry("density", ("SP", "t", "p"), "Density, kg/m^3.")
def density(SP, t, p=0.0, *, errors="raise"):
    """In-situ density of seawater by EOS-80, kg/m^3 (the full density, not density minus 1000).

    Parameters
    ----------
    {SP}
    {t_eos80}
    {p_surface}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.density(35, 25), 3)
    1023.343
    """
    return _engine.run(density.entry, (SP, t, p), (), errors)


@_entry("potential_temperature", ("SP", "t", "p"), "Potential temperature, degC.")
def potential_temperature(SP, t, p, *, errors="raise"):
    """Potential temperature of seawater referred to the surface (Bryden 1973), degC.

    Parameters
    ----------
    {SP}
    {t_eos80}
    p : float or array_like
        Sea pressure the water is at, dbar, 0 to {P_MAX}.
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.potential_temperature(35, 10, 1000), 6)
    9.879424
    """
    return _engine.run(potential_temperature.entry, (SP, t, p), (), errors)


@_entry("depth", ("p", "latitude"), "Depth, metres.")
def depth(p, latitude, *, errors="raise"):
    """Depth of a standard ocean column at a sea pressure (UNESCO 1983), metres, positive downwards.

    Parameters
    ----------
    p : float or array_like
        Sea pressure, dbar, 0 to {P_MAX}.
    latitude : float or array_like
        Latitude, degrees north (south negative), -{LATITUDE_MAX} to {LATITUDE_MAX}.
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.depth(10000, 30), 2)
    9712.65
    """
    return _engine.run(depth.entry, (p, latitude), (), errors)


@_entry("convert", ("t", "sg0", "t0", "SP", "depth_m"), """Specific gravity at t, dimensionless. Elements that
        share sg0, t0, SP and depth_m are computed together: a number for each of them makes one call of the
        library.""", kernel=_engine.convert_kernel)
def convert(t, sg0=1.024, t0=24.0, SP=35.0, depth_m=1.0, potential=True, *, errors="raise"):
    """The calculator's conversion: the specific gravity at t of water that read sg0 at t0, unrounded.

    The defaults are the calculator's first-run settings, as the command's. The calculator shows the result
    rounded half up to five decimals.

    Parameters
    ----------
    t : float or array_like
        Water temperature to convert to, degC, {T_RANGE}.
    sg0 : float or array_like, default 1.024
        Specific gravity read at t0, dimensionless, above 0 and at most {SG_MAX}.
    t0 : float or array_like, default 24
        Water temperature sg0 was read at, degC, {T_RANGE}.
    SP : float or array_like, default 35
        Practical Salinity, dimensionless, {SP_RANGE}.
    depth_m : float or array_like, default 1
        Water depth, metres, taken as the pressure in dbar, 0 to {P_MAX}.
    potential : bool, default True
        Work on potential temperatures (the calculator's potential-density box): True, False, 1 or 0, one
        for the call.
    {errors}

    {returns}

    Examples
    --------
    >>> hali.convert(26)
    1.023391984995...
    """
    flag = _arguments.flag("convert", "potential", potential)
    return _engine.run(convert.entry, (t, sg0, t0, SP, depth_m), (flag,), errors, {"potential": flag})


# ---- Instruments: refractometers, the hydrometer's glass, Baume degrees ----

_SODIUM_D = _CONSTANTS["HALIC_SODIUM_D"]
_REFRACTOMETER_T = _CONSTANTS["HALIC_REFRACTOMETER_T"]
_GLASS_EXPANSION = _CONSTANTS["HALIC_GLASS_EXPANSION"]


@_entry("refractive_index", ("SP", "t", "wavelength"), "Refractive index relative to air, dimensionless.")
def refractive_index(SP, t, wavelength=_SODIUM_D, *, errors="raise"):
    """Refractive index of seawater relative to air, by Quan and Fry (1995), dimensionless.

    Quan and Fry fitted Austin and Halikas's measurements (1976) over 0 to 30 degC, salinity 0 to 35 and 400
    to 700 nm. Salinity 35 to {SP_RANGE_TOP} extends the equation's straight line in salinity, and -2 to 0 and
    30 to the top of t's range its parabola in temperature, where it stays as near pure water's index (IAPWS
    R9-97) as inside the fit.

    Parameters
    ----------
    {SP}
    {t_refraction}
    {wavelength}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.refractive_index(35, 20), 6)
    1.339406
    """
    return _engine.run(refractive_index.entry, (SP, t, wavelength), (), errors)


@_entry("salinity_from_refractive_index", ("n", "t", "wavelength"), """Practical Salinity, dimensionless,
        {SP_RANGE}; an index no salinity in that range has has no answer (Reason.NO_SALINITY).""")
def salinity_from_refractive_index(n, t, wavelength=_SODIUM_D, *, errors="raise"):
    """Practical Salinity of seawater of a refractive index: the inverse of refractive_index(), to 1e-9.

    Parameters
    ----------
    n : float or array_like
        Refractive index relative to air, dimensionless.
    {t_refraction}
    {wavelength}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.salinity_from_refractive_index(1.339406, 20), 2)
    35.0
    """
    return _engine.run(salinity_from_refractive_index.entry, (n, t, wavelength), (), errors)


@_entry("refractometer_reading", ("SP", "t", "t_zero"), """The reading: per mille on the seawater and NaCl
        scales, specific gravity (dimensionless) on the SG scale; a sample whose index is off the scale has no
        answer (Reason.READING).""")
def refractometer_reading(SP, t=_REFRACTOMETER_T, t_zero=_REFRACTOMETER_T, scale="seawater", convention="20/20", *,
                          errors="raise"):
    """What a refractometer shows for seawater: the rise of its index over pure water's on a scale.

    The index is Quan and Fry's at the sodium D line (refractive_index()); each scale covers the rises of
    salinity 0 to {SP_RANGE_TOP} at {REFRACTOMETER_T} degC.

    Parameters
    ----------
    {SP}
    {refractometer}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.refractometer_reading(35, scale="nacl"), 2)
    36.5
    >>> round(hali.refractometer_reading(35, 26), 2)  # not compensated, read at 26 degC
    31.36
    """
    numbers = (_arguments.scale("refractometer_reading", scale),
               _arguments.convention("refractometer_reading", convention))
    return _engine.run(refractometer_reading.entry, (SP, t, t_zero), numbers, errors,
                       {"scale": numbers[0], "convention": numbers[1]})


@_entry("salinity_from_refractometer", ("reading", "t", "t_zero"), """Practical Salinity, dimensionless,
        {SP_RANGE}; a reading off the scale (Reason.READING) or that no salinity in that range shows
        (Reason.NO_SALINITY) has no answer.""")
def salinity_from_refractometer(reading, t=_REFRACTOMETER_T, t_zero=_REFRACTOMETER_T, scale="seawater",
                                convention="20/20", *, errors="raise"):
    """Practical Salinity of seawater that shows a reading on a refractometer: the inverse of
    refractometer_reading(), to 1e-9.

    Parameters
    ----------
    reading : float or array_like
        The reading: per mille on the seawater and NaCl scales, specific gravity (dimensionless) on the SG
        scale, within the scale (the rises of salinity 0 to {SP_RANGE_TOP} at {REFRACTOMETER_T} degC).
    {refractometer}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.salinity_from_refractometer(36.5, scale="nacl"), 2)
    35.0
    >>> round(hali.salinity_from_refractometer(1.0264, scale="sg", convention="25/25"), 2)
    35.04
    """
    numbers = (_arguments.scale("salinity_from_refractometer", scale),
               _arguments.convention("salinity_from_refractometer", convention))
    return _engine.run(salinity_from_refractometer.entry, (reading, t, t_zero), numbers, errors,
                       {"scale": numbers[0], "convention": numbers[1]})


@_entry("hydrometer_reading", ("SP", "t", "t_cal", "gamma"), "The reading, dimensionless.")
def hydrometer_reading(SP, t, t_cal=math.nan, gamma=_GLASS_EXPANSION, convention=None, *, errors="raise"):
    """What a glass hydrometer reads in seawater: SG (1 + gamma (t - t_cal)), dimensionless.

    SG = rho(SP, t, 0) / rho(0, t_ref, 0), the specific gravity of the sample at the temperature it is read
    at against pure water at the convention's reference temperature: the hydrometer's glass, larger when
    warmer than at its calibration, floats higher and reads high.

    Parameters
    ----------
    {SP}
    t : float or array_like
        The sample's temperature as it is read, degC, {T_RANGE}.
    {hydrometer}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.hydrometer_reading(35, 25, convention="60/60F"), 5)
    1.02459
    """
    number = _arguments.convention("hydrometer_reading", convention)
    return _engine.run(hydrometer_reading.entry, (SP, t, t_cal, gamma), (number,), errors, {"convention": number})


@_entry("salinity_from_hydrometer", ("reading", "t", "t_cal", "gamma"), """Practical Salinity, dimensionless,
        {SP_RANGE}; a reading no salinity in that range gives has no answer (Reason.NO_SALINITY).""")
def salinity_from_hydrometer(reading, t, t_cal=math.nan, gamma=_GLASS_EXPANSION, convention=None, *,
                             errors="raise"):
    """Practical Salinity of seawater that reads a reading on a glass hydrometer: the inverse of
    hydrometer_reading(), to 1e-9.

    Parameters
    ----------
    reading : float or array_like
        The reading, dimensionless, above 0 and at most {SG_MAX}.
    t : float or array_like
        The sample's temperature as it is read, degC, {T_RANGE}.
    {hydrometer}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.salinity_from_hydrometer(1.0240, 26, convention="15/4"), 2)
    35.87
    >>> round(hali.salinity_from_hydrometer(1.0240, 26, gamma=0, convention="15/4"), 2)
    36.24
    """
    number = _arguments.convention("salinity_from_hydrometer", convention)
    return _engine.run(salinity_from_hydrometer.entry, (reading, t, t_cal, gamma), (number,), errors,
                       {"convention": number})


@_entry("baume", ("sg",), "Degrees Baume.")
def baume(sg, scale="american", *, errors="raise"):
    """Degrees Baume of a liquid heavier than water: m - m / sg on a scale of modulus m.

    Parameters
    ----------
    sg : float or array_like
        Specific gravity under the scale's convention, dimensionless, {BAUME_SG_MIN} to {SG_MAX}.
    {baume_scale}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.baume(1.0264), 2)
    3.73
    """
    number = _arguments.baume_scale("baume", scale)
    return _engine.run(baume.entry, (sg,), (number,), errors, {"scale": number})


@_entry("sg_from_baume", ("degrees",), "Specific gravity, dimensionless.")
def sg_from_baume(degrees, scale="american", *, errors="raise"):
    """Specific gravity of a reading in degrees Baume: m / (m - degrees), the inverse of baume().

    Parameters
    ----------
    degrees : float or array_like
        Baume degrees, from 0 to those of specific gravity {SG_MAX} (m / 2).
    {baume_scale}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.sg_from_baume(3.73), 5)
    1.0264
    """
    number = _arguments.baume_scale("sg_from_baume", scale)
    return _engine.run(sg_from_baume.entry, (degrees,), (number,), errors, {"scale": number})


@_entry("salinity_from_baume", ("degrees", "t"), """Practical Salinity, dimensionless, {SP_RANGE}; degrees past
        those of salinity {SP_RANGE_TOP}, where the seawater equations stop, have no answer (Reason.NO_SALINITY).""")
def salinity_from_baume(degrees, t=math.nan, convention="60/60F", scale="american", *, errors="raise"):
    """Practical Salinity of seawater that reads degrees Baume: the salinity of sg_from_baume(degrees) under a
    convention.

    Parameters
    ----------
    degrees : float or array_like
        Baume degrees, from 0 to those of specific gravity {SG_MAX} (m / 2).
    {t_sample}
    convention : str or int, default "60/60F"
        The convention of the hydrometer's specific gravity, 60/60F as the American scale's. {conventions}
    {baume_scale}
    {errors}

    {returns}

    Examples
    --------
    >>> round(hali.salinity_from_baume(3.73), 2)
    34.41
    """
    numbers = (_arguments.convention("salinity_from_baume", convention),
               _arguments.baume_scale("salinity_from_baume", scale))
    return _engine.run(salinity_from_baume.entry, (degrees, t), numbers, errors,
                       {"convention": numbers[0], "scale": numbers[1]})


def why(function, *args, **kwargs):
    """Why each element of function(*args, **kwargs) has no answer.

    Parameters
    ----------
    function : one of this module's functions
    *args, **kwargs
        Its arguments, as they would be given to it (errors aside: why() computes with errors="nan"). Dask
        and xarray arguments are computed in memory.

    Returns
    -------
    numpy.ndarray of str
        Of the arguments' broadcast shape (0-d for numbers): the text the call on that element alone raises
        with, such as "t = 41 is outside -2 to 40 degC"; "" where there is a number or the element is masked.

    Examples
    --------
    >>> hali.why(hali.density, [35, 35], [25, 41])
    array(['', 't = 41 is outside -2 to 40 degC'], dtype='<U31')
    """
    bound = inspect.signature(function).bind(*args, **kwargs)
    bound.apply_defaults()
    arguments = dict(bound.arguments, errors="nan")
    for name in function.entry.quantities:
        value = arguments[name]
        if _arguments.is_dask(value) or _arguments.is_xarray(value):
            arguments[name] = np.asarray(value)
    results = function(**arguments)
    values = [arguments[n] for n in function.entry.quantities]
    shape = np.shape(results)
    texts = np.full(shape, "", dtype=object)
    elements = [np.broadcast_to(np.ma.getdata(v), shape) for v in values]
    missing = np.isnan(np.ma.getdata(results)) & ~np.ma.getmaskarray(results)
    for index in map(tuple, np.argwhere(missing)):
        single = dict(arguments, errors="raise", **{n: float(e[index]) for n, e in
                                                    zip(function.entry.quantities, elements)})
        try:
            function(**single)
        except HalicError as error:
            texts[index] = error.text
    return texts.astype(str)


if __doc__:  # python -OO drops docstrings
    __doc__ = __doc__.format(functions="\n".join(
        f"    {f.__name__}{inspect.signature(f)}\n        {inspect.getdoc(f).splitlines()[0]}"
        for f in (sg, sg_at, salinity_from_sg, salinity_from_sg_at, sp_from_c, c_from_sp, r_from_sp, density,
                  potential_temperature, depth, convert, refractive_index, salinity_from_refractive_index,
                  refractometer_reading, salinity_from_refractometer, hydrometer_reading, salinity_from_hydrometer,
                  baume, sg_from_baume, salinity_from_baume)))
