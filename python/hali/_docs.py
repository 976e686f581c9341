"""What the functions' docstrings share: the ranges (halic.h's macros), the conventions (the library's own
table), the error rule, the shapes of results and what raises. Each is written here once."""
import math

from ._arguments import BAUME_SCALES, CONVENTIONS, SCALES
from ._engine import PARALLEL_MIN
from ._library import CONSTANTS, RANGES, lib


def _number(name):
    return f"{RANGES[name] if name in RANGES else CONSTANTS[name]:g}"


def _temperature(value):
    return "t" if math.isnan(value) else f"{value:g} degC"


def _conventions():
    rows = []
    for number, name in enumerate(CONVENTIONS):
        sample = _temperature(lib.halic_convention_sample_temperature(number))
        reference = lib.halic_convention_reference_temperature(number)
        reference = sample if math.isnan(reference) else _temperature(reference)
        quoted = f'"{name}"'
        rows.append(f"        {number}  {quoted:<9} sample at {sample}, pure water at {reference}")
    return ('A name, as the command hali takes it (ASCII case and\n'
            '        blanks around it do not matter: "60/60f" is "60/60F"), or its number:\n\n' + "\n".join(rows))


RANGES_TEXT = {
    "SP_RANGE": f"{_number('HALIC_SP_MIN')} to {_number('HALIC_SP_MAX')}",
    "SP_RANGE_TOP": _number("HALIC_SP_MAX"),
    "T_RANGE": f"{_number('HALIC_T_MIN')} to {_number('HALIC_T_MAX')}",
    "PSS78_T_RANGE": f"{_number('HALIC_T_MIN')} to {_number('HALIC_PSS78_T_MAX')}",
    "P_MAX": _number("HALIC_P_MAX"),
    "SG_MAX": _number("HALIC_SG_MAX"),
    "LATITUDE_MAX": _number("HALIC_LATITUDE_MAX"),
    "WAVELENGTH_RANGE": f"{_number('HALIC_WAVELENGTH_MIN')} to {_number('HALIC_WAVELENGTH_MAX')}",
    "REFRACTION_T_RANGE": f"{_number('HALIC_T_MIN')} to {_number('HALIC_REFRACTION_T_MAX')}",
    "EXPANSION_MAX": _number("HALIC_EXPANSION_MAX"),
    "BAUME_SG_MIN": _number("HALIC_BAUME_SG_MIN"),
    "SODIUM_D": _number("HALIC_SODIUM_D"),
    "REFRACTOMETER_T": _number("HALIC_REFRACTOMETER_T"),
    "GLASS_EXPANSION": _number("HALIC_GLASS_EXPANSION"),
    "SCALES": ", ".join(f'"{name}"' for name in SCALES),
    "BAUME_SCALES": ", ".join(f'{number} "{name}" (m = {lib.halic_baume_modulus(number):g})'
                              for number, name in enumerate(BAUME_SCALES)),
}

# Parameters that several functions take alike, as their docstrings list them.
_PARAMETERS = {
    "SP": """SP : float or array_like
        Practical Salinity, dimensionless (per mille in hali's words), {SP_RANGE}.""",
    "t_sample": """t : float or array_like, default NaN
        The sample's temperature, degC, {T_RANGE}: needed by a convention that leaves it open (t/t, t/4);
        for one that fixes it, leave it out or give the temperature it fixes.""",
    "convention": """convention : str or int
        Required, as the command's --convention. {conventions}""",
    "t_both": """t : float or array_like
        The sample's temperature, degC, {T_RANGE}.
    t_ref : float or array_like
        The pure water's temperature, degC, {T_RANGE}.""",
    "reading": """sg : float or array_like
        The reading, specific gravity, dimensionless, above 0 and at most {SG_MAX}.""",
    "t_pss78": """t : float or array_like
        In-situ temperature, ITS-90, degC, {PSS78_T_RANGE}.""",
    "t_eos80": """t : float or array_like
        In-situ temperature, degC, {T_RANGE} (as EOS-80 takes it, unconverted).""",
    "t_refraction": """t : float or array_like
        Temperature, degC, {REFRACTION_T_RANGE}.""",
    "wavelength": """wavelength : float or array_like, default {SODIUM_D}
        Wavelength of the light in air, nm, {WAVELENGTH_RANGE}; {SODIUM_D}, the sodium D line, by default.""",
    "refractometer": """t : float or array_like, default {REFRACTOMETER_T}
        The sample's temperature, degC, {REFRACTION_T_RANGE}: {REFRACTOMETER_T} for a temperature-compensated
        refractometer, which reads as at that temperature.
    t_zero : float or array_like, default {REFRACTOMETER_T}
        The temperature the refractometer was set to zero on pure water at, degC, {REFRACTION_T_RANGE}:
        {REFRACTOMETER_T} by its maker (and for a compensated one); the sample's own when you set it to zero
        with pure water beside the sample.
    scale : str or int, default "seawater"
        The scale read: one of {SCALES}, or its number. "seawater": per mille of natural seawater; "sg":
        specific gravity under convention; "nacl": per mille (g/kg) of sodium chloride, as brine
        refractometers show (the CRC Handbook's table of NaCl solutions at 20 degC, by a monotone cubic).
    convention : str or int, default "20/20"
        The specific-gravity scale's convention, "20/20" as seawater refractometers print it; a convention
        that leaves the sample's temperature open stands at {REFRACTOMETER_T} degC. Unused by the other
        scales. {conventions}""",
    "hydrometer": """t_cal : float or array_like, default NaN
        The hydrometer's calibration temperature, degC, {T_RANGE}: needed by a convention that leaves the
        sample's temperature open (t/t, t/4); for one that fixes it, that is the calibration temperature:
        leave it out or give it.
    gamma : float or array_like, default {GLASS_EXPANSION}
        The hydrometer's cubical expansion coefficient, per degC, 0 to {EXPANSION_MAX}: {GLASS_EXPANSION}
        for glass (ISO 1768); 0 for a plastic or swing-arm hydrometer, for which no coefficient is published.
    convention : str or int
        Required, as the command's --convention. {conventions}""",
    "baume_scale": """scale : str or int, default "american"
        The Baume scale by name or number, its modulus m from the CRC Handbook: {BAUME_SCALES}.""",
    "p_surface": """p : float or array_like, default 0
        Sea pressure, dbar (0 at the surface), 0 to {P_MAX}.""",
    "errors": """errors : {{"raise", "nan"}}, default "raise"
        What an element without an answer gives (a value outside its range, NaN or infinite, a reading that
        no salinity gives), the same for a number and for an array. "raise": HalicError for the first such
        element, naming it, the argument, its value and its range. "nan": NaN in its place; why() tells the
        reason of each. A masked element is neither: it is not computed and is masked in the result. An
        argument that is not a real number (a bool, a complex number, a string, None) raises whatever
        errors says.""",
}

_RETURNS = f"""Returns
    -------
    float or array
        {{returns}}
        A float when every quantity is a number (or a 0-d array). Otherwise a float64 array of their
        broadcast shape: a numpy.ma.MaskedArray, masked where any argument is, when one is masked; an
        xarray.DataArray with their coordinates and dimensions when one is a DataArray; a lazy dask array,
        computed chunk by chunk, when one is a dask array. An array of {PARALLEL_MIN:,} elements or more is
        computed on all the machine's cores.

    Raises
    ------
    HalicError
        A ValueError: for an argument of the wrong type, and with errors="raise" for an element without an
        answer (.reason and .text tell why, .index where)."""

TEXTS = dict(RANGES_TEXT, conventions=_conventions(),
             **{name: text.format(**RANGES_TEXT, conventions=_conventions()) for name, text in _PARAMETERS.items()})


def documented(function, returns):
    """Fills a docstring's fields from TEXTS; returns says what the function returns, in its unit."""
    if function.__doc__:  # python -OO drops docstrings
        function.__doc__ = function.__doc__.format(**TEXTS, returns=_RETURNS.format(returns=returns.format(**TEXTS)))
    return function
