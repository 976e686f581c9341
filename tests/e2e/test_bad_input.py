"""Stored values of the wrong type or size, read through the real registry, and text
that is no number in the water-temperature edit when calculating and when closing."""
import unittest

from varnok_harness import (REG_BINARY, REG_DWORD, REG_SZ, VarnokTestCase, registry, stored_dword, stored_text,
                            wait_until)


def text_of_size(number, size):
    """number padded with zeros to size bytes, its terminating zero included."""
    return (number + "0" * (size - 1 - len(number)) + "\0").encode("ascii")


class BadInput(VarnokTestCase):
    def test_values_of_the_wrong_type_or_size_and_closing_with_text_that_is_no_number(self):
        app = self.start(baseTemperature=(REG_SZ, text_of_size("26.", 1024)),  # the longest text read
                         density=(REG_SZ, text_of_size("-1.", 1025)),  # too long: the default 35
                         baseGravity=(REG_DWORD, b"1.6\0"),  # a dword where text belongs: its bytes
                         potential=(REG_SZ, b"\0"),  # one byte where a dword belongs: 0
                         posx=(REG_SZ, b"ab\0"),  # three bytes: 0x6261, beyond the right edge
                         posy=(REG_BINARY, b"\x10\0\0\0\0"))  # five bytes: not read, so not set
        self.assertEqual(app.snap.origin, (796, 0))
        self.assertEqual(app.snap.controls[1009].check, 0)
        self.calculate("26", "1.60000")  # at the base temperature: the base gravity itself

        app.fill(1002, "abc")
        app.keys("Return")
        self.assertEqual(app.dismiss_prompt().depth, 1)
        wait_until(lambda: app.snapshot().controls[1002].text == b"26", "the last accepted temperature back")
        app.wait_display("1.60000")

        app.keys("ctrl+p")
        app.wait_check(1, "Ctrl+P to tick the box")
        app.fill(1002, "abc")
        app.keys("alt+F4")
        self.assertEqual(app.dismiss_prompt().depth, 1)
        app.wait_exit()
        # The exchange stopped at the edit and never read the box: the flag of the last Calc is saved.
        values = registry()
        self.assertEqual([values[name] for name in ("baseTemperature", "baseGravity", "density", "potential")],
                         [stored_text("26.000000"), stored_text("1.600000"), stored_text("35.000000"),
                          stored_dword(0)])

    def test_a_text_without_its_terminating_zero_and_one_that_is_no_number(self):
        app = self.start(baseGravity=(REG_BINARY, b"1.4"), baseTemperature=(REG_SZ, b"abc\0"))
        self.calculate("0", "1.40000")  # at the base temperature, 0.0: the base gravity itself


if __name__ == "__main__":
    unittest.main(verbosity=2)
