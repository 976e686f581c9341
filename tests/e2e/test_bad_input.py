"""Text that is no number, stored values of the wrong type or size, and settings
without a physical meaning: the program neither crashes nor hangs, shows what its
rounding gives, and loses nothing the user did not change."""
import re
import unittest

from varnok_harness import (REG_BINARY, REG_DWORD, REG_SZ, VarnokTestCase, clear_registry, registry, set_bytes,
                            set_dword, set_text, size_of, stored_flag, stored_text, wait_until)

SALINITY, DEPTH, BASE_GRAVITY, BASE_TEMP = 1000, 1002, 1004, 1006
ERROR = "    -E-"
LONG_LETTERS = "x" * 10000
# Texts the data exchange must refuse: empty, letters, beyond a double's range, no digits,
# two signs, and 10,000 digits (beyond a double's range as well).
REJECTED = ["", "abc", "1e999", "nan", "--1", "9" * 10000]


def text_of_size(number, size, pad="0"):
    """number padded to size bytes, its terminating zero included."""
    data = (number + pad * (size - 1 - len(number)) + "\0").encode("ascii")
    assert len(data) == size
    return data


def number_shown(display):
    """A display that shows a number: units digit, point, five decimals."""
    return re.fullmatch(r"\d\.\d{5}", display) is not None


class WaterTemperatureEdit(VarnokTestCase):
    def test_text_that_is_no_number_prompts_and_the_last_temperature_is_used(self):
        app = self.start()
        self.calculate("26", "1.02339")
        for text in REJECTED + [LONG_LETTERS]:
            with self.subTest(text=text[:12], length=len(text)):
                self.fill(1002, text)
                app.keys("Return")
                prompt = app.dismiss_prompt()
                self.assertEqual(prompt.depth, 1)
                wait_until(lambda: app.edit_text() == b"26", "the last accepted temperature back in the edit")
                app.wait_display("1.02339")
                self.assertTrue(app.running())
        self.assertEqual(registry(), {})

    def test_blanks_around_a_number_and_a_long_number_are_accepted(self):
        app = self.start()
        for text, expected, written_back in [(" 28 ", "1.02275", b"28"),
                                             ("26." + "0" * 9997, "1.02339", b"26"),
                                             ("\t20", "1.02512", b"20")]:
            with self.subTest(text=text[:12], length=len(text)):
                if text.startswith("\t"):
                    # A tab moves the focus in a dialog; the text is pasted instead.
                    app.fill(1002, text, paste=True)
                else:
                    self.fill(1002, text)
                app.keys("Return")
                app.wait_display(expected)
                app.sync()
                self.assertEqual(app.prompts(), [])
                self.assertEqual(app.edit_text(), written_back)

    def test_closing_with_text_that_is_no_number_prompts_then_saves_and_ends(self):
        app = self.start()
        self.calculate("26", "1.02339")
        app.keys("ctrl+p")
        wait_until(lambda: app.snapshot().controls[1009].check == 0, "the box to clear")
        self.fill(1002, "abc")
        app.keys("alt+F4")
        app.dismiss_prompt()
        app.wait_exit()
        self.app = None
        values = registry()
        # The box was not read: the pass stopped at the edit, so the flag of the last Calc is saved.
        self.assertEqual(values["potential"], stored_flag(1))
        self.assertEqual(values["baseTemperature"], stored_text("24.000000"))


class SettingsEdits(VarnokTestCase):
    def test_text_that_is_no_number_in_each_settings_edit_prompts_and_keeps_the_dialog_open(self):
        app = self.start()
        # The order in which the exchange reads the edits, with what each takes after its prompt.
        order = [(BASE_TEMP, " 25.5 "), (BASE_GRAVITY, " 1.03 "), (DEPTH, " 12 "), (SALINITY, " 33 ")]
        stored = None
        for text in REJECTED:
            with self.subTest(text=text[:12], length=len(text)):
                app.keys("ctrl+o")
                app.wait_options()
                for cid, _ in order:
                    self.fill(cid, text, in_options=True)
                for cid, corrected in order:
                    app.press(1, in_options=True)
                    app.dismiss_prompt()
                    wait_until(lambda: app.has_focus(cid, in_options=True), "the focus on edit %d" % cid)
                    self.fill(cid, corrected, in_options=True)
                self.assertEqual(registry() or {}, stored or {}, "nothing stored while the entries were refused")
                app.press(1, in_options=True)
                app.wait_back_in_main()
                self.assertSettingsStored("25.500000", "1.030000", "12.000000", "33.000000")
                stored = registry()
        self.assertTrue(app.running())


class StoredValues(VarnokTestCase):
    """Each run starts on values stored by hand and reads one text setting back through
    the display: at the base temperature the result is the base gravity itself."""

    def check_start(self, expected_origin, box, temperature, expected):
        app = self.start()
        self.assertEqual(app.snap.origin, expected_origin)
        self.assertEqual(size_of(app.snap.rect), (228, 172))
        self.assertEqual(app.snap.controls[1009].check, box)
        self.calculate(temperature, expected)
        return app

    def test_values_of_the_wrong_type_are_read_for_their_bytes(self):
        set_bytes("baseGravity", b"2.5\0", REG_DWORD)  # a dword where text is expected
        set_text("potential", "")  # text where a dword is expected: one zero byte
        set_dword("posx", 0x7FFFFFFF)
        set_dword("posy", 0x7FFFFFFF)
        self.check_start((796, 596), 0, "24", "2.50000")

    def test_texts_of_zero_and_three_bytes(self):
        set_bytes("baseGravity", b"", REG_SZ)  # empty: no number, 0.0
        set_dword("potential", 7)
        set_dword("posx", -0x80000000)
        set_dword("posy", -0x80000000)
        app = self.check_start((0, 0), 1, "24", "0.00000")
        app.keys("alt+F4")
        app.wait_exit()
        self.app = None
        values = registry()
        self.assertEqual(values["potential"], stored_flag(1))
        self.assertEqual(values["baseGravity"], stored_text("0.000000"))

        clear_registry()
        set_bytes("baseGravity", b"1.5", REG_BINARY)  # three bytes, no terminating zero
        set_dword("posx", 0x7FFFFFFF)
        set_dword("posy", -0x80000000)
        self.check_start((796, 0), 1, "24", "1.50000")

    def test_texts_up_to_1024_bytes_load_and_longer_ones_take_the_default(self):
        cases = [
            (text_of_size("1.25", 1023, pad=" "), REG_SZ, (-0x80000000, 0x7FFFFFFF), (0, 596), "1.25000"),
            (text_of_size("1.75", 1024), REG_SZ, None, (398, 298), "1.75000"),
            (text_of_size("1.75", 1025), REG_SZ, None, (398, 298), "1.02400"),
            (b"1.75" + b"0" * 99996, REG_BINARY, None, (398, 298), "1.02400"),  # no terminating zero
        ]
        for data, vtype, position, origin, expected in cases:
            with self.subTest(size=len(data)):
                clear_registry()
                set_bytes("baseGravity", data, vtype)
                if position:
                    set_dword("posx", position[0])
                    set_dword("posy", position[1])
                self.check_start(origin, 1, "24", expected)

    def test_text_that_is_no_number_loads_as_zero(self):
        set_text("baseTemperature", "abc")
        set_bytes("depth", text_of_size("1000.", 1024), REG_SZ)
        set_bytes("density", text_of_size("-1.", 1025), REG_SZ)  # too long: the default 35
        self.check_start((398, 298), 1, "0", "1.02400")  # at the base temperature, 0.0: the base gravity
        values = registry()
        self.assertEqual(values["baseTemperature"], stored_text("abc"))

        clear_registry()
        set_bytes("depth", text_of_size("1000.", 1024), REG_SZ)
        set_bytes("density", text_of_size("-1.", 1025), REG_SZ)
        set_bytes("posx", b"ab\0", REG_SZ)  # three bytes where a dword is expected: 0x6261
        set_bytes("posy", b"\x10\x00\x00\x00\x00", REG_BINARY)  # five bytes: not read, so -5000
        self.check_start((796, 0), 1, "26", "1.02338")  # at 1000 m with the default salinity


class MeaninglessSettings(VarnokTestCase):
    """Settings without a physical meaning, stored as text values before the start."""

    def shows_number_or_error(self):
        shown = self.app.display()
        return shown == ERROR or number_shown(shown)

    def test_results_out_of_range_show_the_error_pattern_or_what_the_rounding_gives(self):
        for name, text, temperature, expected in [
                ("baseGravity", "0.000000", "26", "0.00000"),     # zero times the ratio
                ("baseGravity", "100.000000", "26", ERROR),       # above 10
                ("baseGravity", "-1.024000", "26", ERROR),        # negative
                ("baseGravity", "1" + "0" * 300 + ".000000", "24", ERROR),  # beyond the rounding's range
                ("density", "-35.000000", "26", ERROR)]:          # no density: not a number
            with self.subTest(name=name, text=text[:12]):
                clear_registry()
                set_text(name, text)
                self.start()
                self.calculate(temperature, expected)
                self.calculate("24", expected)  # at the base temperature: the base gravity itself, or no density

    def test_huge_settings_and_temperatures_end_without_a_crash_or_a_hang(self):
        huge = "1" + "0" * 300 + ".000000"
        for name, text in [("baseTemperature", huge), ("baseTemperature", "-" + huge), ("density", huge),
                           ("depth", huge), ("depth", "-" + huge), (None, None)]:
            with self.subTest(name=name, negative=text is not None and text.startswith("-")):
                clear_registry()
                if name:
                    set_text(name, text)
                app = self.start()
                for temperature in ["26", "1e300", "-1e300", "1e-300"]:
                    self.fill(1002, temperature)
                    app.keys("Return")
                    app.sync()  # fails when the program hangs
                    wait_until(self.shows_number_or_error, "the display to show a number or the error pattern")
                    self.assertTrue(app.running())
                    self.assertEqual(app.prompts(), [])
                if name is None:
                    self.calculate("26", "1.02339")  # the defaults still calculate after all this

    def test_only_calculating_leaves_every_stored_value_as_it_was(self):
        for name, text in [("baseTemperature", "24.000000"), ("baseGravity", "100.000000"),
                           ("depth", "1.000000"), ("density", "35.000000")]:
            set_text(name, text)
        set_dword("potential", 1)
        set_dword("posx", 100)
        set_dword("posy", 120)
        before = registry()
        app = self.start()
        for temperature, expected in [("24", ERROR), ("1e300", ERROR), ("-100", None), ("abc", None), ("26", ERROR)]:
            self.fill(1002, temperature)
            app.keys("Return")
            if temperature == "abc":
                app.dismiss_prompt()
            if expected:
                app.wait_display(expected)
            app.sync()
        app.keys("alt+F4")
        app.wait_exit()
        self.app = None
        self.assertEqual(registry(), before)


if __name__ == "__main__":
    unittest.main(verbosity=2)
