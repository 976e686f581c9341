"""What the functions' docstrings share: the ranges (halic.h's macros), the conventions (the library's own
table), the error rule, the shapes of results and what raises. Each is written here once."""
import math

from ._arguments import CONVENTIONS
from ._engine import PARALLEL_MIN
from ._library import RANGES, lib


def _number(name):
    return f"{RANGES[name]:g}"


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
    "T_RANGE": f"{_number('HALIC_T_MIN')} to {_number('HALIC_T_MAX')}",
    "PSS78_T_RANGE": f"{_number('HALIC_T_MIN')} to {_number('HALIC_PSS78_T_MAX')}",
    "P_MAX": _number("HALIC_P_MAX"),
    "SG_MAX": _number("HALIC_SG_MAX"),
    "LATITUDE_MAX": _number("HALIC_LATITUDE_MAX"),
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
