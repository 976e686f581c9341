"""The Python module over libhalic: how it finds the library, numbers against arrays, broadcasting, what bad
input gives, and what it restates of halic.h and of the command's defaults, held to them. The numbers
themselves are proven by the C tests; each function's docstring example, run here, checks that it reaches its C
function with its arguments in order."""
import ctypes
import doctest
import inspect
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from unittest import mock

import numpy as np

import hali

PACKAGE = os.path.dirname(hali.__file__)
FUNCTIONS = [hali.sg, hali.sg_at, hali.salinity_from_sg, hali.salinity_from_sg_at, hali.sp_from_c, hali.c_from_sp,
             hali.r_from_sp, hali.density, hali.potential_temperature, hali.depth, hali.convert, hali.refractive_index,
             hali.salinity_from_refractive_index, hali.refractometer_reading, hali.salinity_from_refractometer,
             hali.hydrometer_reading, hali.salinity_from_hydrometer, hali.baume, hali.sg_from_baume,
             hali.salinity_from_baume]


def header():
    """halic.h without its comments, on one line."""
    with open(os.environ["HALIC_HEADER"]) as file:
        return " ".join(re.sub(r"/\*.*?\*/", " ", file.read(), flags=re.S).split())


def parameters(function):
    """A docstring's Parameters section: {name: (the line after the colon, the description)}."""
    section = inspect.getdoc(function).split("Parameters\n----------\n")[1].split("\n\nReturns\n")[0]
    found = {}
    for entry in re.split(r"\n(?=\S)", section):
        head, _, description = entry.partition("\n")
        name, _, kind = head.partition(" : ")
        found[name] = (kind, " ".join(description.split()))
    return found


class IdentityAndConventions(unittest.TestCase):
    def test_the_librarys_version_is_the_modules(self):
        self.assertRegex(hali.version(), rf"^{re.escape(hali.__version__)}\.\d+$")

    def test_an_unknown_convention_raises_with_arrays_too(self):
        for convention in ("30/30", 6, -1, 2.0, True):
            with self.assertRaises(hali.HalicError, msg=repr(convention)) as caught:
                hali.sg([35, 30], [20, 25], convention)
            self.assertEqual(caught.exception.reason, hali.Reason.CONVENTION)
            self.assertIn("convention = ", str(caught.exception))


class Arrays(unittest.TestCase):
    # Each function with arrays that mix good and bad elements, as broadcast: with errors="nan" every element as
    # its scalar call, NaN where that raises, all through the array form; by default the error of the first bad
    # element, which it names.
    CASES = [
        (hali.sg, ([[30.0], [35.0], [50.0]], [20.0, 25.0, 99.0]), {"convention": "t/4"}),
        (hali.sg_at, ([35.0, 36.0], 25.0, [[4.0], [-5.0]]), {}),
        (hali.salinity_from_sg, ([1.02, 1.2, -1.0], 25.0), {"convention": "t/t"}),
        (hali.salinity_from_sg_at, ([1.02, 1.2], 25.0, [[25.0], [41.0]]), {}),
        (hali.sp_from_c, ([[40.0], [0.0005], [-1.0]], [10.0, 36.0], 0.0), {}),
        (hali.c_from_sp, ([0.0, 1.0, 35.0, 43.0], 10.0, [[0.0], [10001.0]]), {}),
        (hali.r_from_sp, ([35.0, 35.0], [10.0, 36.0], 0.0), {}),
        (hali.density, ([35.0, -1.0], [[25.0], [41.0]], 0.0), {}),
        (hali.potential_temperature, ([35.0, 35.0], 10.0, [1000.0, -1.0]), {}),
        (hali.depth, ([0.0, 1000.0, 10000.0], [[30.0], [95.0]]), {}),
        (hali.convert, ([26.0, 28.0, 99.0], 1.024, 24.0, [35.0, 35.0, 30.0], [1.0, 1.0, -1.0]), {"potential": 1}),
        (hali.refractive_index, ([35.0, 50.0], [[20.0], [33.0]], [589.3, 800.0]), {}),
        (hali.salinity_from_refractive_index, ([1.339, 1.35], 20.0, [[400.0], [700.0]]), {}),
        (hali.refractometer_reading, ([35.0, 1.0], [30.0, 20.0], [[20.0], [33.0]]), {"scale": "nacl"}),
        (hali.salinity_from_refractometer, ([1.0264, 1.2], 20.0, [[20.0], [40.0]]), {"scale": "sg"}),
        (hali.hydrometer_reading, ([35.0, 35.0], 26.0, [[20.0], [np.nan]], [25e-6, -1.0]), {"convention": "t/4"}),
        (hali.salinity_from_hydrometer, ([1.024, 1.1], 26.0, np.nan, [[0.0], [25e-6]]), {"convention": "15/4"}),
        (hali.baume, ([1.0264, 0.99, 2.5],), {"scale": "gerlach"}),
        (hali.sg_from_baume, ([3.73, -1.0, 80.0],), {}),
        (hali.salinity_from_baume, ([3.73, 26.0], [[np.nan], [25.0]]), {}),
    ]

    def test_elements_are_the_scalar_calls_and_why_tells_their_errors(self):
        for function, args, kwargs in self.CASES:
            with mock.patch.object(function.entry, "scalar", mock.Mock(side_effect=AssertionError("per element"))):
                got = function(*args, errors="nan", **kwargs)
            texts = hali.why(function, *args, **kwargs)
            shape = np.broadcast_shapes(*[np.shape(a) for a in args])
            self.assertEqual(got.shape, shape, function.__name__)
            self.assertEqual(texts.shape, shape, function.__name__)
            elements = [np.broadcast_to(np.asarray(a), shape) for a in args]
            for index in np.ndindex(shape):
                scalars = [e[index].item() for e in elements]
                try:
                    expected, text = function(*scalars, **kwargs), ""
                except hali.HalicError as error:
                    expected, text = math.nan, error.text
                where = f"{function.__name__}{index}"
                if math.isnan(expected):
                    self.assertTrue(math.isnan(got[index]), where)
                else:
                    self.assertEqual(got[index], expected, where)
                self.assertEqual(texts[index], text, where)
            first = next(index for index in np.ndindex(shape) if texts[index])
            with self.assertRaises(hali.HalicError) as caught:
                function(*args, **kwargs)
            self.assertEqual((caught.exception.index, caught.exception.text), (first, texts[first]), function.__name__)
            self.assertTrue(str(caught.exception).startswith(f"hali.{function.__name__}: element "), caught.exception)

    def test_empty_arrays_and_why_of_numbers(self):
        self.assertEqual(hali.sp_from_c(np.zeros((2, 0)), 10, 0).shape, (2, 0))
        self.assertEqual(hali.convert(np.zeros(0), 1.024, 24, 35, 1).shape, (0,))
        self.assertEqual(hali.why(hali.density, 35, 41, 0), "t = 41 is outside -2 to 40 degC")
        self.assertEqual(hali.why(hali.density, 35, 25, 0), "")


class WhatTheModuleRestatesOfTheHeader(unittest.TestCase):
    C_TYPES = {"double": ctypes.c_double, "int": ctypes.c_int, "long": ctypes.c_long, "ptrdiff_t": ctypes.c_ssize_t,
               "char*": ctypes.c_char_p, "double*": ctypes.POINTER(ctypes.c_double)}

    def c_type(self, declaration):
        words = declaration.replace("*", " * ").replace("const", "").split()
        return self.C_TYPES["".join(words[:-1] if len(words) > 1 and words[-1] != "*" else words)]

    def test_prototypes_are_the_headers(self):
        declared = {}
        for result, name, arguments in re.findall(r"HALIC_API ([^;(]+?) ?\b(halic_\w+) ?\(([^)]*)\);", header()):
            listed = [] if arguments.strip() == "void" else arguments.split(",")
            declared[name] = (self.c_type(result + " x"), [self.c_type(a) for a in listed])
        self.assertEqual(hali._library._SIGNATURES, declared)

    def test_reasons_are_the_headers(self):
        codes = re.findall(r"\bHALIC_(OK|E_\w+) = (\d+)", header())
        self.assertEqual({r.name: r.value for r in hali.Reason},
                         {name.removeprefix("E_"): int(value) for name, value in codes})

    def test_ranges_and_c3515_are_the_headers(self):
        macros = re.findall(r"#define (HALIC_\w+_(?:MIN|MAX)) \(?(-?[0-9.]+)\)?", header())
        self.assertEqual(hali._library.RANGES, {name: float(value) for name, value in macros})
        self.assertEqual(hali.C3515, float(re.search(r"#define HALIC_C3515 ([0-9.]+)", header()).group(1)))
        constants = re.findall(r"#define (HALIC_(?:SODIUM_D|REFRACTOMETER_T|GLASS_EXPANSION)) ([0-9.e-]+)", header())
        self.assertEqual(hali._library.CONSTANTS, {name: float(value) for name, value in constants})


class Docstrings(unittest.TestCase):
    def range_of(self, function, name):
        """The range a parameter's description gives, from halic.h's macros."""
        r = hali._library.RANGES
        pss78 = function in (hali.sp_from_c, hali.c_from_sp, hali.r_from_sp)
        refraction = function in (hali.refractive_index, hali.salinity_from_refractive_index,
                                  hali.refractometer_reading, hali.salinity_from_refractometer)
        t_max = "PSS78_T_MAX" if pss78 else "REFRACTION_T_MAX" if refraction else "T_MAX"
        low, high = {"SP": ("SP_MIN", "SP_MAX"), "t": ("T_MIN", t_max), "t0": ("T_MIN", "T_MAX"),
                     "t_ref": ("T_MIN", "T_MAX"), "t_zero": ("T_MIN", "REFRACTION_T_MAX"), "t_cal": ("T_MIN", "T_MAX"),
                     "wavelength": ("WAVELENGTH_MIN", "WAVELENGTH_MAX")}.get(name, (None, None))
        if low:
            return f"{r['HALIC_' + low]:g} to {r['HALIC_' + high]:g}"
        if name == "sg" and function is hali.baume:
            return f"{r['HALIC_BAUME_SG_MIN']:g} to {r['HALIC_SG_MAX']:g}"
        if name == "reading" and refraction:
            return f"salinity 0 to {r['HALIC_SP_MAX']:g}"
        return {"p": f"0 to {r['HALIC_P_MAX']:g}", "depth_m": f"0 to {r['HALIC_P_MAX']:g}",
                "sg": f"at most {r['HALIC_SG_MAX']:g}", "sg0": f"at most {r['HALIC_SG_MAX']:g}",
                "reading": f"at most {r['HALIC_SG_MAX']:g}", "gamma": f"0 to {r['HALIC_EXPANSION_MAX']:g}",
                "degrees": f"specific gravity {r['HALIC_SG_MAX']:g}", "n": "relative to air",
                "latitude": f"-{r['HALIC_LATITUDE_MAX']:g} to {r['HALIC_LATITUDE_MAX']:g}", "C": "0 or more"}[name]

    def test_every_argument_with_its_unit_and_range_and_the_conventions(self):
        for function in FUNCTIONS:
            documented = parameters(function)
            self.assertEqual(list(documented), list(inspect.signature(function).parameters), function.__name__)
            for name in function.entry.quantities:
                description = documented[name][1]
                self.assertIn(self.range_of(function, name), description, f"{function.__name__}({name})")
                self.assertRegex(description, r"\b(degC|dbar|mS/cm|dimensionless|metres|degrees|nm|per mille)\b",
                                 f"{function.__name__}({name})")
            if "convention" in documented:
                for number, name in enumerate(hali.CONVENTIONS):
                    self.assertIn(f'{number} "{name}" sample at', documented["convention"][1], function.__name__)

    def test_examples_print_what_they_show(self):
        finder = doctest.DocTestFinder()
        runner = doctest.DocTestRunner(optionflags=doctest.ELLIPSIS | doctest.NORMALIZE_WHITESPACE)
        examples = 0
        for function in FUNCTIONS + [hali.why]:
            for test in finder.find(function, globs={"hali": hali}):
                examples += len(test.examples)
                runner.run(test)
        self.assertEqual(runner.summarize(verbose=False).failed, 0)
        self.assertGreaterEqual(examples, len(FUNCTIONS) + 1)


def outcome(call):
    """What a call gives: its result, or the text of its error (a missing argument's too)."""
    try:
        return call()
    except (hali.HalicError, TypeError) as error:
        return str(error)


class DefaultsAsDocumented(unittest.TestCase):
    CALLS = {  # a call of each function with every argument given
        hali.sg: dict(SP=35, t=25, convention="t/4"), hali.sg_at: dict(SP=35, t=25, t_ref=4),
        hali.salinity_from_sg: dict(sg=1.023, t=25, convention="t/4"),
        hali.salinity_from_sg_at: dict(sg=1.023, t=25, t_ref=25), hali.sp_from_c: dict(C=34.5, t=28, p=10),
        hali.c_from_sp: dict(SP=35, t=25, p=10), hali.r_from_sp: dict(SP=35, t=25, p=10),
        hali.density: dict(SP=35, t=25, p=10), hali.potential_temperature: dict(SP=35, t=10, p=1000),
        hali.depth: dict(p=1000, latitude=30),
        hali.convert: dict(t=26, sg0=1.02, t0=20, SP=30, depth_m=5, potential=False),
        hali.refractive_index: dict(SP=35, t=25, wavelength=450),
        hali.salinity_from_refractive_index: dict(n=1.34, t=25, wavelength=450),
        hali.refractometer_reading: dict(SP=35, t=25, t_zero=22, scale="sg", convention="25/25"),
        hali.salinity_from_refractometer: dict(reading=1.026, t=25, t_zero=22, scale="sg", convention="25/25"),
        hali.hydrometer_reading: dict(SP=35, t=25, t_cal=20, gamma=1e-5, convention="t/4"),
        hali.salinity_from_hydrometer: dict(reading=1.023, t=25, t_cal=20, gamma=1e-5, convention="t/4"),
        hali.baume: dict(sg=1.1, scale="dutch"), hali.sg_from_baume: dict(degrees=10, scale="dutch"),
        hali.salinity_from_baume: dict(degrees=3, t=25, convention="25/25", scale="dutch"),
    }

    def test_a_default_the_docstring_names_is_the_signatures(self):
        for function, given in self.CALLS.items():
            self.assertEqual(set(given) | {"errors"}, set(inspect.signature(function).parameters))
            for name, (kind, _) in parameters(function).items():
                default = re.search(r", default (.+)$", kind)
                declared = inspect.signature(function).parameters[name].default
                where = f"{function.__name__}({name})"
                if default is None:
                    self.assertIn(declared, (inspect.Parameter.empty, None), where)
                    continue
                text = default.group(1).strip('"')
                value = {"NaN": math.nan, "True": True}.get(text, text if name in ("errors", "scale", "convention")
                                                                 else None)
                value = float(text) if value is None else value
                self.assertTrue(declared is value or declared == value, where)

    COMMAND = [  # the command, its option, the function and the argument that are the same
        ("sg", "--salinity", hali.sg, "SP"), ("sg", "--convention", hali.sg, "convention"),
        ("sg", "--temperature", hali.sg, "t"),
        ("salinity", "--sg", hali.salinity_from_sg, "sg"),
        ("salinity", "--convention", hali.salinity_from_sg, "convention"),
        ("salinity", "--conductivity", hali.sp_from_c, "C"), ("salinity", "--pressure", hali.sp_from_c, "p"),
        ("density", "--salinity", hali.density, "SP"), ("density", "--temperature", hali.density, "t"),
        ("density", "--pressure", hali.density, "p"),
        ("ptemp", "--pressure", hali.potential_temperature, "p"),
        ("depth", "--pressure", hali.depth, "p"), ("depth", "--latitude", hali.depth, "latitude"),
        ("convert", "TEMPERATURE", hali.convert, "t"), ("convert", "--base-temperature", hali.convert, "t0"),
        ("convert", "--base-gravity", hali.convert, "sg0"), ("convert", "--depth", hali.convert, "depth_m"),
        ("convert", "--salinity", hali.convert, "SP"), ("convert", "--potential", hali.convert, "potential"),
        ("refractive-index", "--wavelength", hali.refractive_index, "wavelength"),
        ("refractometer", "--scale", hali.refractometer_reading, "scale"),
        ("refractometer", "--temperature", hali.refractometer_reading, "t"),
        ("refractometer", "--zeroed-at", hali.refractometer_reading, "t_zero"),
        ("hydrometer", "--calibrated-at", hali.hydrometer_reading, "t_cal"),
        ("hydrometer", "--expansion", hali.hydrometer_reading, "gamma"),
        ("baume", "--scale", hali.baume, "scale"),
    ]

    def test_each_default_is_the_commands(self):
        helps = {}
        for command, option, function, name in self.COMMAND:
            if command not in helps:
                helps[command] = subprocess.run([os.environ["HALI_COMMAND"], command, "--help"], capture_output=True,
                                                text=True, check=True, timeout=60).stdout
            said = re.search(rf"^  {re.escape(option)}\b.*\n.*\((required[^)]*|default [^)]*)\)$", helps[command],
                             re.M).group(1)
            left_out = {k: v for k, v in self.CALLS[function].items() if k != name}
            where = f"{command} {option}: {said}"
            if said == "required":
                self.assertIsInstance(outcome(lambda: function(**left_out)), str, where)
            elif said.startswith("required for "):
                for convention in hali.CONVENTIONS:
                    leaves_it = math.isnan(hali.convention_temperatures(convention)[0])
                    got = outcome(lambda: function(**dict(left_out, convention=convention)))
                    self.assertEqual(isinstance(got, str), leaves_it and convention in said, f"{where}, {convention}")
            else:
                value = said.removeprefix("default ")
                switches = {"--potential": True, "--no-potential": False}
                value = switches[value] if name == "potential" else value if name == "scale" else float(value)
                self.assertEqual(outcome(lambda: function(**left_out)),
                                 outcome(lambda: function(**left_out, **{name: value})), where)


class FindsTheLibrary(unittest.TestCase):
    def run_python(self, environment, path):
        env = {name: value for name, value in os.environ.items() if name != "HALIC_LIBRARY"}
        env.update(environment, PYTHONPATH=path)
        return subprocess.run([sys.executable, "-c", "import hali; print(hali._library.lib._name)"],
                              env=env, capture_output=True, text=True, timeout=60)

    def test_the_variable_names_a_build_before_the_library_beside_the_package_or_fails_clearly(self):
        with tempfile.TemporaryDirectory() as folder:
            shutil.copytree(PACKAGE, os.path.join(folder, "hali"))
            beside = os.path.join(folder, "hali", "libhalic.so.1")
            shutil.copy(os.environ["HALIC_LIBRARY"], beside)
            found = self.run_python({}, folder)
            self.assertEqual(found.stdout.strip(), beside, found.stderr)
            named = self.run_python({"HALIC_LIBRARY": os.environ["HALIC_LIBRARY"]}, folder)
            self.assertEqual(named.stdout.strip(), os.path.abspath(os.environ["HALIC_LIBRARY"]), named.stderr)
            missing = self.run_python({"HALIC_LIBRARY": "/nonexistent/libhalic.so"}, folder)
        self.assertNotEqual(missing.returncode, 0)
        self.assertIn("HALIC_LIBRARY='/nonexistent/libhalic.so' names no file", missing.stderr)

    def test_a_library_of_another_version_is_refused_with_what_to_do(self):
        with tempfile.TemporaryDirectory() as folder:
            shutil.copytree(PACKAGE, os.path.join(folder, "hali"))
            with open(os.path.join(folder, "hali", "_version.py"), "w") as file:
                file.write('VERSION = "0.9.1"\n')
            found = self.run_python({"HALIC_LIBRARY": os.environ["HALIC_LIBRARY"]}, folder)
        self.assertNotEqual(found.returncode, 0)
        self.assertIn(f"ImportError: hali 0.9.1 goes with libhalic 0.9.1, but {os.environ['HALIC_LIBRARY']} is "
                      f"libhalic {hali.__version__}: install the module and the library from one package",
                      found.stderr)


if __name__ == "__main__":
    unittest.main()
