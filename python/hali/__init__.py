"""hali: seawater properties from Python, through the C library libhalic (ctypes; no compiler needed).

The functions are those of halic.h, without the prefix, with the same arguments and units:

    sg(SP, t=nan, convention="t/t")       specific gravity under a convention ("t/t", "t/4", "15/4", "20/20",
                                          "25/25", "60/60F", or its number); t in degC, NaN where it is fixed
    sg_at(SP, t, t_ref)                   specific gravity of the sample at t against pure water at t_ref
    salinity_from_sg(sg, t=nan, convention="t/t"), salinity_from_sg_at(sg, t, t_ref)
                                          Practical Salinity that reads sg (the inverses)
    sp_from_c(C, t, p)                    Practical Salinity from conductivity C in mS/cm (PSS-78; t ITS-90)
    c_from_sp(SP, t, p), r_from_sp(SP, t, p)
                                          conductivity in mS/cm, and as a ratio to C3515
    density(SP, t, p)                     EOS-80 in-situ density, kg/m^3 (p sea pressure, dbar)
    potential_temperature(SP, t, p)       degC, referred to the surface
    depth(p, latitude)                    metres, positive downwards
    convert(t, sg0, t0, SP, depth_m, potential=True)
                                          the calculator's conversion of a reading sg0 at t0 to t

Scalars and arrays: each argument that is a quantity may be a number or anything NumPy makes an array of; the
arguments broadcast as in NumPy. With numbers only, a function returns a float, and bad input raises
HalicError, a ValueError whose message names the argument, the value and the range it may take. With any
array, it returns a float64 array and bad elements give NaN; why(function, *arguments) then tells, element by
element, what the scalar call would have raised ("" where there is a number). A convention is one per call:
an unknown one raises HalicError whatever the other arguments are.

One C call serves a whole array for sg, salinity_from_sg, sp_from_c, c_from_sp, density and convert (one per
distinct set of its scalar arguments); the others call the library once per element.
"""
import enum
import inspect
import math

import numpy as np

from . import _library
from ._library import lib as _lib

C3515 = 42.914  # conductivity of SP 35 at 15 degC (IPTS-68) and 0 dbar, mS/cm


class Reason(enum.IntEnum):
    """Why a function has no answer: halic.h's error codes."""
    OK = 0
    NOT_FINITE = 1
    SALINITY = 2
    TEMPERATURE = 3
    PRESSURE = 4
    CONVENTION = 5
    CONVENTION_TEMPERATURE = 6
    GRAVITY = 7
    NO_SALINITY = 8
    CONDUCTIVITY = 9
    LATITUDE = 10
    ARGUMENT = 11


class HalicError(ValueError):
    """Bad input to a scalar call: .reason is a Reason, .text the library's words for it."""

    def __init__(self, function, reason, text):
        super().__init__(f"hali.{function}: {text}")
        self.reason = Reason(reason)
        self.text = text


def version():
    """The library's version, "major.minor.patch.tweak"."""
    return _lib.halic_version().decode()


def _convention_names():
    names = []
    while True:
        name = _lib.halic_convention_name(len(names))
        if name is None:
            return tuple(names)
        names.append(name.decode())


CONVENTIONS = _convention_names()  # the conventions' names, by number


def convention_temperatures(convention):
    """(sample, reference) temperatures a convention fixes, degC; NaN for one that is the caller's."""
    number = _convention(convention, "convention_temperatures")
    return (_lib.halic_convention_sample_temperature(number), _lib.halic_convention_reference_temperature(number))


def _convention(convention, function):
    if isinstance(convention, str):
        if convention in CONVENTIONS:
            return CONVENTIONS.index(convention)
        text = f"convention = {convention!r} is no convention ({', '.join(CONVENTIONS)})"
    elif isinstance(convention, (int, np.integer)) and not isinstance(convention, bool):
        if 0 <= convention < len(CONVENTIONS):
            return int(convention)
        text = f"convention = {convention} is no convention (0 to {len(CONVENTIONS) - 1})"
    else:
        text = f"convention = {convention!r} is neither a name nor a number"
    raise HalicError(function, Reason.CONVENTION, text)


def _is_scalar(values):
    return all(np.ndim(v) == 0 for v in values)


def _raise_if_nan(function, result):
    if math.isnan(result):
        raise HalicError(function, _lib.halic_last_error(), _lib.halic_last_error_text().decode())
    return result


def _arrays(values):
    """The quantities as contiguous float64 arrays of their broadcast shape."""
    broadcast = np.broadcast_arrays(*[np.asarray(v, dtype=np.float64) for v in values])
    return [np.ascontiguousarray(a) for a in broadcast]


def _pointer(array):
    return array.ctypes.data_as(_library._pd)


def _call_n(array_form, inputs, before_out, out):
    """One call of an array form per MAX_COUNT elements: array_form(n, *inputs, *before_out, out)."""
    flat_in = [a.reshape(-1) for a in inputs]
    flat_out = out.reshape(-1)
    for start in range(0, flat_out.size, _library.MAX_COUNT):
        stop = min(start + _library.MAX_COUNT, flat_out.size)
        pieces = [_pointer(a[start:stop]) for a in flat_in]
        if array_form(stop - start, *pieces, *before_out, _pointer(flat_out[start:stop])) < 0:
            raise RuntimeError(_lib.halic_last_error_text().decode())
    return out


def _vectorised(function, scalar_form, array_form, quantities, extra=()):
    """The call on numbers (raising on bad input) or on arrays (NaN on bad elements), through the array form
    array_form(n, *quantities, *extra, out), or element by element where there is none."""
    if _is_scalar(quantities):
        return _raise_if_nan(function, scalar_form(*[float(q) for q in quantities], *extra))
    inputs = _arrays(quantities)
    out = np.empty(inputs[0].shape)
    if array_form is not None:
        return _call_n(array_form, inputs, extra, out)
    flat_out = out.reshape(-1)
    for i, values in enumerate(zip(*[a.reshape(-1) for a in inputs])):
        flat_out[i] = scalar_form(*values, *extra)
    return out


def _quantities(*names):
    """Marks which arguments of a function broadcast, for why()."""
    def mark(function):
        function.quantities = names
        return function
    return mark


@_quantities("SP", "t")
def sg(SP, t=math.nan, convention="t/t"):
    """Specific gravity rho(SP, t, 0) / rho(0, t_ref, 0) under a convention, dimensionless."""
    number = _convention(convention, "sg")
    return _vectorised("sg", _lib.halic_sg, _lib.halic_sg_n, (SP, t), (number,))


@_quantities("SP", "t", "t_ref")
def sg_at(SP, t, t_ref):
    """Specific gravity of the sample at t against pure water at t_ref (both degC), dimensionless."""
    return _vectorised("sg_at", _lib.halic_sg_at, None, (SP, t, t_ref))


@_quantities("sg", "t")
def salinity_from_sg(sg, t=math.nan, convention="t/t"):
    """Practical Salinity (0 to 42) of seawater that reads sg under a convention."""
    number = _convention(convention, "salinity_from_sg")
    return _vectorised("salinity_from_sg", _lib.halic_salinity_from_sg, _lib.halic_salinity_from_sg_n, (sg, t),
                       (number,))


@_quantities("sg", "t", "t_ref")
def salinity_from_sg_at(sg, t, t_ref):
    """Practical Salinity of seawater that reads sg at t against pure water at t_ref (degC)."""
    return _vectorised("salinity_from_sg_at", _lib.halic_salinity_from_sg_at, None, (sg, t, t_ref))


@_quantities("C", "t", "p")
def sp_from_c(C, t, p):
    """Practical Salinity from conductivity C (mS/cm) at t (ITS-90, degC) and p (dbar), by PSS-78."""
    return _vectorised("sp_from_c", _lib.halic_sp_from_c, _lib.halic_sp_from_c_n, (C, t, p))


@_quantities("SP", "t", "p")
def c_from_sp(SP, t, p):
    """Conductivity, mS/cm, of seawater of Practical Salinity SP at t (ITS-90, degC) and p (dbar)."""
    return _vectorised("c_from_sp", _lib.halic_c_from_sp, _lib.halic_c_from_sp_n, (SP, t, p))


@_quantities("SP", "t", "p")
def r_from_sp(SP, t, p):
    """Conductivity ratio to C3515 of seawater of Practical Salinity SP, dimensionless."""
    return _vectorised("r_from_sp", _lib.halic_r_from_sp, None, (SP, t, p))


@_quantities("SP", "t", "p")
def density(SP, t, p):
    """In-situ density by EOS-80, kg/m^3: SP 0 to 42, t -2 to 40 degC, p 0 to 10000 dbar."""
    return _vectorised("density", _lib.halic_density, _lib.halic_density_n, (SP, t, p))


@_quantities("SP", "t", "p")
def potential_temperature(SP, t, p):
    """Potential temperature referred to the surface, degC."""
    return _vectorised("potential_temperature", _lib.halic_potential_temperature, None, (SP, t, p))


@_quantities("p", "latitude")
def depth(p, latitude):
    """Depth of a standard ocean column, metres: p 0 to 10000 dbar, latitude -90 to 90 degrees."""
    return _vectorised("depth", _lib.halic_depth, None, (p, latitude))


@_quantities("t", "sg0", "t0", "SP", "depth_m", "potential")
def convert(t, sg0, t0, SP, depth_m, potential=True):
    """The specific gravity at t of water that read sg0 at t0 (the calculator's conversion), unrounded."""
    quantities = (t, sg0, t0, SP, depth_m, potential)
    if _is_scalar(quantities):
        return _raise_if_nan("convert", _lib.halic_convert(float(t), float(sg0), float(t0), float(SP),
                                                           float(depth_m), int(bool(potential))))
    temperature, *base = _arrays(quantities)
    out = np.empty(temperature.shape)
    # One call per distinct base (sg0, t0, SP, depth_m, potential), the array form's scalars.
    rows = np.stack([b.reshape(-1) for b in base], axis=1)
    unique, which = np.unique(rows, axis=0, return_inverse=True)
    flat_t, flat_out = temperature.reshape(-1), out.reshape(-1)
    for k, (b_sg0, b_t0, b_SP, b_depth, b_potential) in enumerate(unique):
        chosen = np.flatnonzero(which.reshape(-1) == k)
        part = np.empty(chosen.size)
        _call_n(_lib.halic_convert_n, [np.ascontiguousarray(flat_t[chosen])],
                (b_sg0, b_t0, b_SP, b_depth, int(bool(b_potential))), part)
        flat_out[chosen] = part
    return out


def why(function, *args, **kwargs):
    """Why each element of function(*args, **kwargs) has no answer: an array of the texts the scalar calls
    would raise with ("t = 41 is outside -2 to 40 degC"), "" where there is a number."""
    bound = inspect.signature(function).bind(*args, **kwargs)
    bound.apply_defaults()
    names = function.quantities
    quantities = [bound.arguments[n] for n in names]
    if _is_scalar(quantities):
        try:
            function(*bound.args, **bound.kwargs)
            return np.array("")
        except HalicError as error:
            return np.array(error.text)
    results = np.asarray(function(*bound.args, **bound.kwargs))
    shape = np.broadcast_shapes(*[np.shape(q) for q in quantities])
    texts = np.full(shape, "", dtype=object)
    elements = [np.broadcast_to(np.asarray(q), shape) for q in quantities]
    for index in zip(*np.nonzero(np.isnan(np.broadcast_to(results, shape)))):
        single = dict(bound.arguments)
        single.update({n: e[index].item() for n, e in zip(names, elements)})
        try:
            function(**single)
        except HalicError as error:
            texts[index] = error.text
    return texts.astype(str)
