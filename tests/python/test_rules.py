"""The rules every function keeps whatever its arguments' shape: one error rule (errors="raise" or "nan"),
masked elements left out, arguments checked for what they are, conventions named as the command names them."""
import fractions
import math
import os
import subprocess
import unittest
from unittest import mock

import numpy as np

import hali


class OneErrorRuleWhateverTheShape(unittest.TestCase):
    # A number in its three kinds against an array; every function's arrays are test_hali's Arrays.
    SHAPES = [  # name, SP (bad where it is 50), t, index of the bad element (None for a number)
        ("number", 50, 10.0, None),
        ("NumPy number", np.float64(50), 10.0, None),
        ("0-d array", np.array(50.0), 10.0, None),
        ("list", [35, 50], 10.0, (1,)),
    ]

    def test_raise_names_the_element_and_nan_puts_nan_there(self):
        for name, SP, t, index in self.SHAPES:
            with self.assertRaises(hali.HalicError, msg=name) as caught:
                hali.density(SP, t)
            self.assertEqual((caught.exception.reason, caught.exception.index), (hali.Reason.SALINITY, index), name)
            self.assertIsInstance(caught.exception, ValueError)
            self.assertRegex(str(caught.exception), r"^hali\.density: (element .+: )?SP = 50 is outside 0 to 42", name)
            got = hali.density(SP, t, errors="nan")
            if index is None:
                self.assertIsInstance(got, float, name)
                self.assertTrue(math.isnan(got), name)
                continue
            expected = np.vectorize(lambda s, u: hali.density(s, u, errors="nan"))(SP, t)
            np.testing.assert_array_equal(got, expected, name)
            self.assertTrue(math.isnan(got[index]), name)


class MaskedElementsAreLeftOut(unittest.TestCase):
    def test_masked_in_masked_out_and_the_library_never_sees_them(self):
        SP = np.ma.masked_array([35.0, 99.0, 30.0, 36.0], mask=[0, 1, 0, 0])
        t = np.ma.masked_array([[10.0], [20.0]], mask=[[0], [1]])
        entry = hali.density.entry
        seen = []
        calls = mock.patch.object(entry, "array", lambda n, *rest: seen.append(n) or real(n, *rest))
        real = entry.array
        with calls:
            got = hali.density(SP, t)  # raises for 99 if it is computed
        self.assertEqual(seen, [3])
        self.assertIsInstance(got, np.ma.MaskedArray)
        np.testing.assert_array_equal(got.mask, [[0, 1, 0, 0], [1, 1, 1, 1]])
        np.testing.assert_array_equal(got[0].compressed(), hali.density([35.0, 30.0, 36.0], 10.0))
        np.testing.assert_array_equal(hali.why(hali.density, SP, t), [["", "", "", ""]] * 2)

    def test_an_unmasked_masked_array_stays_one_and_a_masked_number_stays_masked(self):
        got = hali.sp_from_c(np.ma.masked_array([40.0, 0.0005]), 10, errors="nan")
        self.assertIsInstance(got, np.ma.MaskedArray)
        self.assertFalse(got.mask.any())
        self.assertTrue(math.isnan(got[1]))
        self.assertIs(hali.depth(np.ma.masked_array(1000.0, mask=True), 30), np.ma.masked)


class ArgumentsAreWhatTheySay(unittest.TestCase):
    REFUSED = [  # call, argument the message names
        (lambda: hali.density("35", 10), "SP = '35'"),
        (lambda: hali.density(["35"], 10), "SP = ['35']"),
        (lambda: hali.density(35 + 1j, 10), "SP = (35+1j)"),
        (lambda: hali.density(np.array([35 + 0j]), 10), "SP = array([35.+0.j])"),
        (lambda: hali.density(True, 10), "SP = True"),
        (lambda: hali.density(35, np.bool_(False)), "t = False"),
        (lambda: hali.density([35, True], 10), "SP = [35, True]"),
        (lambda: hali.density(None, 10), "SP = None"),
        (lambda: hali.density([[35], [35, 36]], 10), "SP = [[35], [35, 36]]"),
        (lambda: hali.density(35, 10, np.array(["0"])), "p = array(['0']"),
        (lambda: hali.depth(np.arange(3).astype("datetime64[s]"), 30), "p = array(['1970"),
        (lambda: hali.convert(26, potential="False"), "potential = 'False'"),
        (lambda: hali.convert(26, potential=0.4), "potential = 0.4"),
        (lambda: hali.convert(26, potential=2), "potential = 2"),
        (lambda: hali.convert(26, potential=np.array([1])), "potential = array([1])"),
        (lambda: hali.sg(35, 25), "convention is missing"),
        (lambda: hali.density(35, 10, errors="ignore"), "errors = 'ignore'"),
        (lambda: hali.density([35], 10, errors=None), "errors = None"),
        (lambda: hali.density("x" * 10000, 10), "SP = 'xxxxxxxx"),
        (lambda: hali.density(10 ** 400, 10), "SP = 1000000"),
        (lambda: hali.density([35, 10 ** 400], 10), "SP = [35, 1000000"),
    ]

    def test_refused_with_the_argument_named_whatever_errors_says(self):
        for call, named in self.REFUSED:
            with self.assertRaises(hali.HalicError, msg=named) as caught:
                call()
            self.assertIn(f": {named}", str(caught.exception))
            self.assertLess(len(str(caught.exception)), 200)

    def test_real_numbers_of_every_kind_are_taken(self):
        expected = hali.density(35.0, 10.0)
        unaligned = np.frombuffer(b"\0" + np.float64([35, 35]).tobytes(), np.float64, offset=1)
        for SP in (35, np.int16(35), np.float32(35), fractions.Fraction(70, 2), [35], (35,), np.array([35], "u1"),
                   unaligned):
            self.assertEqual(set(np.ravel(hali.density(SP, 10)).tolist()), {expected}, repr(SP))
        for potential in (True, 1, np.bool_(True), np.int64(1)):
            self.assertEqual(hali.convert(26, potential=potential), hali.convert(26, potential=True))
        without = hali._library.lib.halic_convert(26, 1.024, 24, 35, 1, 0)
        for potential in (False, 0, np.bool_(False), np.int64(0)):  # the flag reaches the library as 0
            self.assertEqual(hali.convert(26, potential=potential), without)
        self.assertEqual(hali.sg(35, 25, np.int64(1)), hali.sg(35, 25, "t/4"))


class ConventionsAsTheCommandNamesThem(unittest.TestCase):
    NAMES = [  # a convention's name as given, the sample's temperature given with it (None: none)
        ("t/4", "25"), ("T/4", "25"), (" t/4", "25"), ("t/4\t", "25"), ("60/60f", None), ("60/60F ", None),
        ("t / 4", "25"), ("t/4\n", "25"), ("", "25"), ("\uff54/4", "25"), ("t/4x", "25"), ("4", "25"),
    ]

    def test_the_module_takes_the_names_the_command_takes(self):
        for name, temperature in self.NAMES:
            given = ["--temperature", temperature] if temperature else []
            command = subprocess.run([os.environ["HALI_COMMAND"], "sg", "--salinity", "35", "--convention", name,
                                      *given], capture_output=True, text=True, timeout=60)
            self.assertIn(command.returncode, (0, 2), command.stderr)
            try:
                module = f"{hali.sg(35, float(temperature or 'nan'), name):.5f}"
            except hali.HalicError as error:
                self.assertEqual(error.reason, hali.Reason.CONVENTION, repr(name))
                module = None
            self.assertEqual(module, command.stdout.strip() if command.returncode == 0 else None, repr(name))


if __name__ == "__main__":
    unittest.main()
