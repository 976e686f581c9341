"""Finds libhalic and declares its functions to ctypes.

The library is looked for, in this order:

1. the file named by the environment variable HALIC_LIBRARY (a build's ``bin/libhalic.so`` or
   ``halic.dll``); a name that is no file is an error, not a reason to look elsewhere;
2. beside this package: ``libhalic.so.1``, ``libhalic.so`` or ``halic.dll`` in its folder (a wheel's);
3. the system's: ``libhalic.so.1`` through the dynamic loader's search path (``halic.dll`` on Windows).

The prototypes, the reasons (Reason) and the ranges below restate halic.h; a test holds them to it.
"""
import ctypes
import os
import sys

_HERE = os.path.dirname(os.path.abspath(__file__))
_NAMES = ("halic.dll",) if sys.platform == "win32" else ("libhalic.so.1", "libhalic.so")


def _open():
    path = os.environ.get("HALIC_LIBRARY")
    if path:
        if not os.path.isfile(path):
            raise OSError(f"HALIC_LIBRARY={path!r} names no file")
        return ctypes.CDLL(os.path.abspath(path))
    for name in _NAMES:
        beside = os.path.join(_HERE, name)
        if os.path.isfile(beside):
            return ctypes.CDLL(beside)
    errors = []
    for name in _NAMES:
        try:
            return ctypes.CDLL(name)
        except OSError as error:
            errors.append(str(error))
    raise OSError("libhalic not found (set HALIC_LIBRARY to the library file): " + "; ".join(errors))


lib = _open()


def _check_version():
    """The module and the library come from one build: a library of another version may lack a function, or
    take its arguments otherwise."""
    from ._version import VERSION
    if hasattr(lib, "halic_version_number"):
        number = lib.halic_version_number()
        found = f"libhalic {number // 1000000}.{number // 1000 % 1000}.{number % 1000}"
    else:
        found = "an older libhalic, without halic_version_number"
    if found != f"libhalic {VERSION}":
        raise ImportError(f"hali {VERSION} goes with libhalic {VERSION}, but {lib._name} is {found}: "
                          "install the module and the library from one package (one wheel, one Debian package), "
                          "or set HALIC_LIBRARY to the libhalic of the build the module comes from")


_check_version()

_d, _i, _n = ctypes.c_double, ctypes.c_int, ctypes.c_ssize_t  # _n: ptrdiff_t
_pd = ctypes.POINTER(ctypes.c_double)

# name: (result, argument types), as halic.h declares them.
_SIGNATURES = {
    "halic_version": (ctypes.c_char_p, []),
    "halic_version_number": (_i, []),
    "halic_last_error": (_i, []),
    "halic_error_message": (ctypes.c_char_p, [_i]),
    "halic_last_error_text": (ctypes.c_char_p, []),
    "halic_convention_name": (ctypes.c_char_p, [_i]),
    "halic_convention_sample_temperature": (_d, [_i]),
    "halic_convention_reference_temperature": (_d, [_i]),
    "halic_sg": (_d, [_d, _d, _i]),
    "halic_sg_at": (_d, [_d, _d, _d]),
    "halic_salinity_from_sg": (_d, [_d, _d, _i]),
    "halic_salinity_from_sg_at": (_d, [_d, _d, _d]),
    "halic_sp_from_c": (_d, [_d, _d, _d]),
    "halic_c_from_sp": (_d, [_d, _d, _d]),
    "halic_r_from_sp": (_d, [_d, _d, _d]),
    "halic_density": (_d, [_d, _d, _d]),
    "halic_potential_temperature": (_d, [_d, _d, _d]),
    "halic_depth": (_d, [_d, _d]),
    "halic_convert": (_d, [_d, _d, _d, _d, _d, _i]),
    "halic_sg_n": (_n, [_n, _pd, _pd, _i, _pd]),
    "halic_sg_at_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_salinity_from_sg_n": (_n, [_n, _pd, _pd, _i, _pd]),
    "halic_salinity_from_sg_at_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_sp_from_c_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_c_from_sp_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_r_from_sp_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_density_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_potential_temperature_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_depth_n": (_n, [_n, _pd, _pd, _pd]),
    "halic_convert_n": (_n, [_n, _pd, _d, _d, _d, _d, _i, _pd]),
    "halic_refractive_index": (_d, [_d, _d, _d]),
    "halic_salinity_from_refractive_index": (_d, [_d, _d, _d]),
    "halic_scale_name": (ctypes.c_char_p, [_i]),
    "halic_refractometer_reading": (_d, [_d, _d, _d, _i, _i]),
    "halic_salinity_from_refractometer": (_d, [_d, _d, _d, _i, _i]),
    "halic_hydrometer_reading": (_d, [_d, _d, _d, _d, _i]),
    "halic_salinity_from_hydrometer": (_d, [_d, _d, _d, _d, _i]),
    "halic_baume_name": (ctypes.c_char_p, [_i]),
    "halic_baume_modulus": (_d, [_i]),
    "halic_baume": (_d, [_d, _i]),
    "halic_sg_from_baume": (_d, [_d, _i]),
    "halic_salinity_from_baume": (_d, [_d, _d, _i, _i]),
    "halic_refractive_index_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_salinity_from_refractive_index_n": (_n, [_n, _pd, _pd, _pd, _pd]),
    "halic_refractometer_reading_n": (_n, [_n, _pd, _pd, _pd, _i, _i, _pd]),
    "halic_salinity_from_refractometer_n": (_n, [_n, _pd, _pd, _pd, _i, _i, _pd]),
    "halic_hydrometer_reading_n": (_n, [_n, _pd, _pd, _pd, _pd, _i, _pd]),
    "halic_salinity_from_hydrometer_n": (_n, [_n, _pd, _pd, _pd, _pd, _i, _pd]),
    "halic_baume_n": (_n, [_n, _pd, _i, _pd]),
    "halic_sg_from_baume_n": (_n, [_n, _pd, _i, _pd]),
    "halic_salinity_from_baume_n": (_n, [_n, _pd, _pd, _i, _i, _pd]),
}
for _name, (_result, _arguments) in _SIGNATURES.items():
    _function = getattr(lib, _name)
    _function.restype = _result
    _function.argtypes = _arguments

# The ranges the library accepts, halic.h's macros by name.
RANGES = {
    "HALIC_SP_MIN": 0.0, "HALIC_SP_MAX": 42.0,
    "HALIC_T_MIN": -2.0, "HALIC_T_MAX": 40.0, "HALIC_PSS78_T_MAX": 35.0,
    "HALIC_P_MAX": 10000.0,
    "HALIC_SG_MAX": 2.0,
    "HALIC_LATITUDE_MAX": 90.0,
    "HALIC_WAVELENGTH_MIN": 400.0, "HALIC_WAVELENGTH_MAX": 700.0, "HALIC_REFRACTION_T_MAX": 32.0,
    "HALIC_EXPANSION_MAX": 0.001,
    "HALIC_BAUME_SG_MIN": 1.0,
}

# The instruments' constants, halic.h's macros by name: the defaults of their functions.
CONSTANTS = {"HALIC_SODIUM_D": 589.3, "HALIC_REFRACTOMETER_T": 20.0, "HALIC_GLASS_EXPANSION": 25e-6}


def pointer(array):
    """A ctypes pointer to a contiguous float64 array's first element."""
    return array.ctypes.data_as(_pd)
