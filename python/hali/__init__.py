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
from ._arguments import CONVENTIONS
from ._docs import documented
from ._errors import HalicError, Reason
from ._library import lib as _lib
from ._version import VERSION as __version__

__all__ = ["C3515", "CONVENTIONS", "HalicError", "Reason", "c_from_sp", "convention_temperatures", "convert",
           "density", "depth", "potential_temperature", "r_from_sp", "salinity_from_sg", "salinity_from_sg_at",
           "sg", "sg_at", "sp_from_c", "version", "why"]

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
                  potential_temperature, depth, convert)))
