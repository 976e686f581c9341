"""The Python module over libhalic: how it finds the library, numbers against arrays, broadcasting, and what
bad input gives. The numbers themselves are proven by the C tests; a row here checks that each function
reaches its C function with its arguments in order."""
import math
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

import numpy as np

import hali

PACKAGE = os.path.dirname(hali.__file__)


class ScalarsReachTheLibrary(unittest.TestCase):
    def test_each_function_with_a_check_value(self):
        rows = [  # call, expected, tolerance (half a unit in the last digit given)
            (lambda: hali.sg(35, convention="25/25"), 1.02637, 5e-6),
            (lambda: hali.sg(35, 25, hali.CONVENTIONS.index("t/4")), 1.02337, 5e-6),
            (lambda: hali.sg_at(35, 25, 4), 1.02337, 5e-6),
            (lambda: hali.salinity_from_sg(1.023, 25, "t/4"), 34.51, 5e-3),
            (lambda: hali.salinity_from_sg_at(1.023, 25, 25), 30.54, 5e-3),
            (lambda: hali.sp_from_c(34.5487, 28.7856, 10), 20.009869599, 5e-10),
            (lambda: hali.c_from_sp(35, 25, 0), 53.071, 5e-4),
            (lambda: hali.r_from_sp(40, 30 / 1.00024, 0), 1.52996697, 5e-9),
            (lambda: hali.density(40, 40, 10000), 1059.8203768, 5e-8),
            (lambda: hali.potential_temperature(35, 10, 1000), 9.879423866, 5e-10),
            (lambda: hali.depth(10000, 30), 9712.653, 5e-4),
            (lambda: hali.convert(26, 1.024, 24, 35, 1, True), 1.0233919850, 5e-11),
            (lambda: hali.convert(26, 1.024, 24, 35, 1, False), 1.0233919777, 5e-11),
        ]
        for call, expected, tolerance in rows:
            got = call()
            self.assertIsInstance(got, float)
            self.assertLessEqual(abs(got - expected), tolerance, f"{got} for {expected}")

    def test_identity(self):
        self.assertRegex(hali.version(), r"^\d+\.\d+\.\d+\.\d+$")
        self.assertEqual(hali.CONVENTIONS, ("t/t", "t/4", "15/4", "20/20", "25/25", "60/60F"))
        self.assertEqual(hali.convention_temperatures("15/4"), (15.0, 4.0))
        self.assertTrue(math.isnan(hali.convention_temperatures("t/4")[0]))


class BadScalarsRaise(unittest.TestCase):
    def test_value_error_names_the_argument_and_its_range(self):
        # The library's text (its forms are tested in C), behind the function's name.
        rows = [
            (lambda: hali.sp_from_c(40, 36, 0), hali.Reason.TEMPERATURE, "hali.sp_from_c: t = 36 is outside -2 to 35 degC"),
            (lambda: hali.convert(26, 1.024, 24, 35, -1), hali.Reason.PRESSURE,
             "hali.convert: depth_m = -1 is outside 0 to 10000 m"),
        ]
        for call, reason, message in rows:
            with self.assertRaises(ValueError) as caught:
                call()
            self.assertEqual(str(caught.exception), message)
            self.assertEqual(caught.exception.reason, reason)

    def test_an_unknown_convention_raises_with_arrays_too(self):
        for convention in ("30/30", 6, -1, 2.0, True):
            with self.assertRaises(hali.HalicError) as caught:
                hali.sg([35, 30], [20, 25], convention)
            self.assertEqual(caught.exception.reason, hali.Reason.CONVENTION)
            self.assertIn("convention = ", str(caught.exception))


class Arrays(unittest.TestCase):
    # Each function with arrays that mix good and bad elements, as broadcast; every element as its scalar call.
    CASES = [
        (hali.sg, ([[30.0], [35.0], [50.0]], [20.0, 25.0, 99.0]), {"convention": "t/4"}),
        (hali.sg_at, ([35.0, 36.0], 25.0, [[4.0], [-5.0]]), {}),
        (hali.salinity_from_sg, ([1.02, 1.2, -1.0], 25.0), {"convention": "t/t"}),
        (hali.sp_from_c, ([[40.0], [0.0005], [-1.0]], [10.0, 36.0], 0.0), {}),
        (hali.c_from_sp, ([0.0, 1.0, 35.0, 43.0], 10.0, [[0.0], [10001.0]]), {}),
        (hali.density, ([35.0, -1.0], [[25.0], [41.0]], 0.0), {}),
        (hali.potential_temperature, ([35.0, 35.0], 10.0, [1000.0, -1.0]), {}),
        (hali.depth, ([0.0, 1000.0, 10000.0], [[30.0], [95.0]]), {}),
        (hali.convert, ([26.0, 28.0, 99.0], 1.024, 24.0, [35.0, 35.0, 30.0], [1.0, 1.0, -1.0]), {"potential": 1}),
    ]

    def test_elements_are_the_scalar_calls_and_why_tells_their_errors(self):
        for function, args, kwargs in self.CASES:
            got = function(*args, **kwargs)
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
            self.assertTrue(any(texts.flat), f"{function.__name__}: the case should hold a bad element")

    def test_lists_zero_d_arrays_and_empty_arrays(self):
        self.assertIsInstance(hali.density(np.float64(35), np.array(25), 0), float)
        self.assertEqual(hali.density([35.0, 35.0], 25, 0).tolist(), [hali.density(35, 25, 0)] * 2)
        self.assertEqual(hali.sp_from_c(np.zeros((2, 0)), 10, 0).shape, (2, 0))
        self.assertEqual(hali.convert(np.zeros(0), 1.024, 24, 35, 1).shape, (0,))
        self.assertEqual(hali.why(hali.density, 35, 41, 0), "t = 41 is outside -2 to 40 degC")
        self.assertEqual(hali.why(hali.density, 35, 25, 0), "")


class FindsTheLibrary(unittest.TestCase):
    def run_python(self, environment, path):
        env = {name: value for name, value in os.environ.items() if name != "HALIC_LIBRARY"}
        env.update(environment, PYTHONPATH=path)
        return subprocess.run([sys.executable, "-c", "import hali; print(hali._library.lib._name)"],
                              env=env, capture_output=True, text=True)

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


if __name__ == "__main__":
    unittest.main()
