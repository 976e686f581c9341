"""The calculator from start to close, as a person uses it."""
import unittest

from varnok_harness import (REG_DWORD, REG_SZ, YELLOW, VarnokTestCase, clear_registry, cp932, registry,
                            screenshot, set_dword, set_text, wait_until)


class CalculatorJourneys(VarnokTestCase):
    def test_first_start_is_centred_and_leaves_an_empty_key(self):
        app = self.start()
        self.assertEqual(app.snap.rect, (398, 298, 398 + 228, 298 + 172))
        self.assertEqual(app.display(), "       ")
        self.assertEqual(registry(), {})

    def test_enter_calculates_and_shows_the_gravity_at_the_water_temperature(self):
        app = self.start()
        app.type("26")
        app.keys("Return")
        app.wait_display("1.02339")
        self.assertEqual(app.edit_text(), b"26")
        self.assertTrue(app.running(), "Enter must never close the window")

    def test_a_result_the_display_cannot_show_is_the_error_pattern(self):
        set_text("density", "-1.000000")  # negative salinity: no density
        app = self.start()
        app.type("26")
        app.keys("Return")
        app.wait_display("    -E-")

    def test_text_that_is_no_number_prompts_and_the_last_temperature_comes_back(self):
        app = self.start()
        app.type("28")
        app.keys("Return")
        app.wait_display("1.02275")
        app.keys("End", "BackSpace", "BackSpace")  # the edit has no select-all key
        app.type("abc")
        app.keys("Return")
        prompt = wait_until(lambda: [w for w in app.owned() if w[0] == "#32770"], "the prompt")[0]
        texts = [c.text for c in prompt[3]]
        self.assertIn(cp932("数値を入力してください。"), texts)
        app.keys("Return")
        wait_until(lambda: not app.owned(), "the prompt to close")
        wait_until(lambda: app.edit_text() == b"28", "the last accepted temperature back in the edit")
        app.wait_display("1.02275")

    def test_ctrl_p_toggles_the_box_as_a_click_does(self):
        app = self.start()
        box = app.snap.controls[1009]
        self.assertEqual(box.check, 1)
        app.keys("ctrl+p")
        wait_until(lambda: app.snapshot().controls[1009].check == 0, "Ctrl+P to clear the box")
        app.click(*box.centre)
        wait_until(lambda: app.snapshot().controls[1009].check == 1, "a click to tick the box")
        app.keys("ctrl+p")
        wait_until(lambda: app.snapshot().controls[1009].check == 0, "Ctrl+P to clear the box again")

    def test_escape_after_a_toggle_saves_nothing(self):
        app = self.start()
        app.keys("ctrl+p")
        wait_until(lambda: app.snapshot().controls[1009].check == 0, "the box to clear")
        app.keys("Escape")
        app.wait_exit()
        self.assertEqual(registry(), {})
        app = self.start()
        self.assertEqual(app.snap.controls[1009].check, 1)

    def test_alt_f4_saves_the_five_calculation_values(self):
        app = self.start()
        app.keys("ctrl+p")
        wait_until(lambda: app.snapshot().controls[1009].check == 0, "the box to clear")
        app.keys("alt+F4")
        app.wait_exit()
        values = registry()
        self.assertEqual(values["baseTemperature"], (REG_SZ, b"24.000000\0"))
        self.assertEqual(values["baseGravity"], (REG_SZ, b"1.024000\0"))
        self.assertEqual(values["depth"], (REG_SZ, b"1.000000\0"))
        self.assertEqual(values["density"], (REG_SZ, b"35.000000\0"))
        self.assertEqual(values["potential"], (REG_DWORD, (0).to_bytes(4, "little")))
        app = self.start()
        self.assertEqual(app.snap.controls[1009].check, 0)

    def test_a_saved_position_is_restored_and_kept_on_the_screen(self):
        for saved, expected in [((300, 200), (300, 200)), ((-50, 100), (0, 100)),
                                ((900, 700), (796, 596)), ((1300, 100), (796, 100)),
                                ((-5000, 100), (0, 100))]:
            with self.subTest(saved=saved):
                clear_registry()
                set_dword("posx", saved[0])
                set_dword("posy", saved[1])
                app = self.start()
                self.assertEqual(app.snap.origin, expected)
                self.assertEqual(app.snap.size, (228, 172))

    def test_dragging_the_panel_moves_the_window_and_saves_where_it_went(self):
        app = self.start()
        x, y = 398 + 114, 298 + 8  # the panel's top edge, above the display
        app.drag(x, y, x - 150, y - 120)
        moved = wait_until(lambda: app.snapshot().origin != (398, 298) and app.snapshot(), "the window to move")
        left, top = wait_until(lambda: self._saved_position(), "the position to be saved")
        self.assertEqual((left, top), moved.origin)
        self.assertNotEqual(moved.origin, (398, 298))
        app.keys("Escape")
        app.wait_exit()
        app = self.start()
        self.assertEqual(app.snap.origin, moved.origin)

    def _saved_position(self):
        values = registry() or {}
        if "posx" not in values or "posy" not in values:
            return None
        as_int = lambda blob: int.from_bytes(blob, "little", signed=True)
        return as_int(values["posx"][1]), as_int(values["posy"][1])

    def test_the_corners_are_see_through(self):
        app = self.start()
        image = screenshot()
        left, top, right, bottom = app.snap.rect
        for x, y in [(left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)]:
            self.assertNotEqual(image.getpixel((x, y)), YELLOW, "corner %r" % ((x, y),))
            self.assertEqual(image.getpixel((x, y)), image.getpixel((x - 1 if x > 0 else x, y)),
                             "the corner shows what lies beside the window")
        panel = image.getpixel((left + 114, top + 8))
        self.assertNotEqual(panel, YELLOW)
        self.assertNotEqual(panel, image.getpixel((left - 1, top + 8)), "the panel itself is visible")


if __name__ == "__main__":
    unittest.main(verbosity=2)
