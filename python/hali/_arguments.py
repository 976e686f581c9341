"""What the functions take, checked before the library sees it: a quantity is a real number or an array of
them, a flag is True, False, 1 or 0, a convention a name or a number, errors "raise" or "nan". Anything else is
refused with HalicError naming the argument, whatever the errors keyword says: it is a fault of the calling
code, not of the data."""
import numbers

import numpy as np

from ._errors import HalicError, Reason
from ._library import lib

ERRORS = ("raise", "nan")
_SHOWN = 60  # characters of a refused value that a message quotes


def shown(value):
    """The value as a message quotes it: its repr on one line, cut to a readable length."""
    text = " ".join(repr(value).split())
    return text if len(text) <= _SHOWN else text[:_SHOWN - 3] + "..."


def refuse(function, name, value, what):
    raise HalicError(function, None, f"{name} = {shown(value)} is {what}")


def is_real(value):
    """A real number that is not a bool: int, float, NumPy's, Fraction."""
    return isinstance(value, numbers.Real) and not isinstance(value, (bool, np.bool_))


def is_dask(value):
    return type(value).__module__.startswith("dask.")


def is_xarray(value):
    return type(value).__module__.startswith("xarray.")


def quantity(function, name, value):
    """A quantity as a float (a number or a 0-d array), a float64 ndarray or MaskedArray, or a float64 dask
    array."""
    try:
        return _quantity(function, name, value)
    except OverflowError:  # an int or a Fraction beyond a double's range
        refuse(function, name, value, "beyond the range of a double")


def _quantity(function, name, value):
    if is_real(value):
        return float(value)
    if is_dask(value):
        if value.dtype.kind not in "iuf":
            refuse(function, name, value, f"an array of {value.dtype}, not of real numbers")
        return value.astype(np.float64) if value.dtype != np.float64 else value
    if isinstance(value, (list, tuple, range)):
        # NumPy would read True as 1 and "35" as text: each element is checked as a number is.
        try:
            array = np.asarray(value, dtype=object)
        except ValueError:
            refuse(function, name, value, "not an array: its rows differ in length")
    elif hasattr(value, "__array__"):
        array = np.asanyarray(value)
    else:
        refuse(function, name, value, "not a real number or an array of them")
    if array.dtype.kind == "O":
        for kind in set(map(type, array.flat)):
            if not issubclass(kind, numbers.Real) or issubclass(kind, (bool, np.bool_)):
                refuse(function, name, value, f"not a real number or an array of them: it holds a {kind.__name__}")
    elif array.dtype.kind not in "iuf":
        refuse(function, name, value, f"an array of {array.dtype}, not of real numbers")
    array = array.astype(np.float64, copy=False)
    if array.ndim == 0 and not np.ma.is_masked(array):
        return float(array)
    return array


def flag(function, name, value):
    """A flag as 0 or 1."""
    if isinstance(value, (bool, np.bool_)) or (isinstance(value, (int, np.integer)) and value in (0, 1)):
        return int(value)
    refuse(function, name, value, "not a flag: give True, False, 1 or 0")


def _ascii_lower(text):
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def _names(name_of):
    """The names the library gives its choices by number (conventions, scales), in order."""
    names = []
    while (name := name_of(len(names))) is not None:
        names.append(name.decode())
    return tuple(names)


CONVENTIONS = _names(lib.halic_convention_name)  # the conventions' names, by number
SCALES = _names(lib.halic_scale_name)  # the refractometer scales' names, by number
BAUME_SCALES = _names(lib.halic_baume_name)  # the Baume scales' names, by number


def _choice(function, argument, value, names, reason, what):
    """A choice's number from its name, as the command takes it (blanks around it and ASCII case do not matter:
    " 60/60f" is "60/60F"), or from its number."""
    if isinstance(value, str):
        wanted = _ascii_lower(value.strip(" \t"))
        for number, name in enumerate(names):
            if _ascii_lower(name) == wanted:
                return number
        raise HalicError(function, reason, f"{argument} = {shown(value)} is no {what} ({', '.join(names)})")
    if isinstance(value, (int, np.integer)) and not isinstance(value, (bool, np.bool_)):
        if 0 <= value < len(names):
            return int(value)
        raise HalicError(function, reason, f"{argument} = {value} is no {what} (0 to {len(names) - 1})")
    if value is None:
        raise HalicError(function, reason, f"{argument} is missing: give one of {', '.join(names)}")
    raise HalicError(function, reason, f"{argument} = {shown(value)} is neither a name nor a number")


def convention(function, value):
    """A convention's number from its name or its number."""
    return _choice(function, "convention", value, CONVENTIONS, Reason.CONVENTION, "convention")


def scale(function, value):
    """A refractometer scale's number from its name or its number."""
    return _choice(function, "scale", value, SCALES, Reason.SCALE, "scale")


def baume_scale(function, value):
    """A Baume scale's number from its name or its number."""
    return _choice(function, "scale", value, BAUME_SCALES, Reason.SCALE, "Baume scale")


def errors(function, value):
    if isinstance(value, str) and value in ERRORS:
        return value
    refuse(function, "errors", value, 'neither "raise" nor "nan"')
