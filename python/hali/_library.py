"""Finds libhalic and declares its functions to ctypes.

The library is looked for, in this order:

1. the file named by the environment variable HALIC_LIBRARY (a build's ``bin/libhalic.so`` or
   ``halic.dll``); a name that is no file is an error, not a reason to look elsewhere;
2. beside this package: ``libhalic.so.1``, ``libhalic.so`` or ``halic.dll`` in its folder;
3. the system's: ``libhalic.so.1`` through the dynamic loader's search path (``halic.dll`` on Windows).
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

_d, _i, _l = ctypes.c_double, ctypes.c_int, ctypes.c_ssize_t  # _l: ptrdiff_t
_pd = ctypes.POINTER(ctypes.c_double)

# name: (result, argument types), as halic.h declares them.
_SIGNATURES = {
    "halic_version": (ctypes.c_char_p, []),
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
    "halic_sg_n": (_l, [_l, _pd, _pd, _i, _pd]),
    "halic_salinity_from_sg_n": (_l, [_l, _pd, _pd, _i, _pd]),
    "halic_sp_from_c_n": (_l, [_l, _pd, _pd, _pd, _pd]),
    "halic_c_from_sp_n": (_l, [_l, _pd, _pd, _pd, _pd]),
    "halic_density_n": (_l, [_l, _pd, _pd, _pd, _pd]),
    "halic_convert_n": (_l, [_l, _pd, _d, _d, _d, _d, _i, _pd]),
}
for _name, (_result, _arguments) in _SIGNATURES.items():
    _function = getattr(lib, _name)
    _function.restype = _result
    _function.argtypes = _arguments

# The most elements one call of an array form takes (its count is a ptrdiff_t).
MAX_COUNT = 2 ** (8 * ctypes.sizeof(_l) - 1) - 1
