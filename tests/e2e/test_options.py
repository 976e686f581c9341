"""The settings dialog, opened from the main window and used as a person does."""
import unittest

from varnok_harness import (OPTIONS_SIZE, VarnokTestCase, clear_registry, registry, set_dword, set_text,
                            size_of, stored_flag, stored_text, wait_until)

SALINITY, DEPTH, BASE_GRAVITY, BASE_TEMP = 1000, 1002, 1004, 1006
EDITS = (SALINITY, BASE_TEMP, DEPTH, BASE_GRAVITY)


class OptionsTestCase(VarnokTestCase):
    def open_options(self, how="click"):
        app = self.app
        if how == "click":
            app.press(1008)
        else:
            app.keys("ctrl+o")
        return app.wait_options()

    def box(self, cid, right_limit=None):
        """A painted value's box relative to the window, widened up to right_limit
        (the next label's box), since the text may run past its own box."""
        app = self.app
        left, top = app.snap.origin
        l, t, r, b = app.snap.controls[cid].rect
        if right_limit is not None:
            r = app.snap.controls[right_limit].rect[0]
        return (l - left, t - top, r - left, b - top)

    def confirm(self):
        self.app.press(1, in_options=True)
        self.app.wait_back_in_main()


class OpeningPlace(OptionsTestCase):
    def test_opt_and_ctrl_o_open_it_50_pixels_right_of_and_below_the_main_window(self):
        for saved, how in [(None, "click"), (None, "ctrl+o"), ((120, 90), "click"), ((120, 90), "ctrl+o")]:
            with self.subTest(saved=saved, how=how):
                clear_registry()
                if saved:
                    set_dword("posx", saved[0])
                    set_dword("posy", saved[1])
                app = self.start()
                left, top = app.snap.origin
                dialog = self.open_options(how)
                self.assertEqual(dialog.rect, (left + 50, top + 50) + (left + 50 + 209, top + 50 + 172))
                texts = {c.id: c.text for c in dialog.controls}
                self.assertEqual([texts[i] for i in (SALINITY, BASE_TEMP, DEPTH, BASE_GRAVITY)],
                                 [b"35", b"24", b"1", b"1.024"])
                wait_until(lambda: app.has_focus(1, in_options=True), "the focus on OK")
                app.keys("Escape", focus_main=False)
                app.wait_back_in_main()
                self.assertIsNone(app.options())

    def test_near_the_bottom_right_corner_it_opens_against_the_screen_edges_at_full_size(self):
        for saved, expected in [((796, 596), (815, 596)), ((796, 300), (815, 350)), ((300, 596), (350, 596))]:
            with self.subTest(saved=saved):
                clear_registry()
                set_dword("posx", saved[0])
                set_dword("posy", saved[1])
                app = self.start()
                self.assertEqual(app.snap.origin, saved)
                dialog = self.open_options("ctrl+o")
                self.assertEqual(dialog.rect[:2], expected)
                self.assertEqual(size_of(dialog.rect), OPTIONS_SIZE)
                app.keys("Escape", focus_main=False)
                app.wait_back_in_main()

    def test_the_dialog_follows_a_main_window_dragged_close_to_the_bottom_right_corner(self):
        app = self.start()
        left, top = app.snap.origin
        # Grabbed in the display area, away from the digit places; the pointer stops at the screen's edge.
        app.drag(left + 200, top + 110, 1023, 767)
        moved = wait_until(lambda: app.snapshot().origin != (left, top) and app.snapshot().origin, "the move")
        self.assertGreater(moved[0] + 50 + 209, 1024)
        self.assertGreater(moved[1] + 50 + 172, 768)
        dialog = self.open_options("ctrl+o")  # Opt itself is below the screen's edge now
        self.assertEqual(dialog.rect, (815, 596, 1024, 768))


class Confirming(OptionsTestCase):
    def test_a_confirmed_base_temperature_is_stored_repainted_and_used_from_the_next_calc(self):
        app = self.start()
        temp_box = self.box(1020, right_limit=1018)
        gravity_box = self.box(1021)
        self.calculate("26", "1.02339")
        temp_before, gravity_before = app.crops(temp_box, gravity_box)

        self.open_options()
        app.fill(BASE_TEMP, "25.5", in_options=True)
        self.confirm()
        self.assertSettingsStored("25.500000", "1.024000", "1.000000", "35.000000")
        values = registry()
        self.assertEqual(len(values["baseTemperature"][1]), 10)
        self.assertEqual(values["potential"], stored_flag(1))
        seen = []

        def repainted():
            # One picture: the paint erases both boxes before it draws either value.
            seen[:] = app.crops(temp_box, gravity_box)
            return seen[0] != temp_before and seen[1] == gravity_before

        wait_until(repainted, "the base temperature repainted, the base gravity as it was")
        temp_after = seen[0]
        app.wait_display("1.02339")  # the old result stays until the next Calc
        self.assertEqual(app.edit_text(), b"26")

        # At the base temperature itself the result is the base gravity.
        self.calculate("25.5", "1.02400")

        # A fresh start on the stored value paints the same base temperature.
        app = self.start()
        wait_until(lambda: app.crops(temp_box)[0] == temp_after, "the stored base temperature painted at start")

    def test_each_confirmed_value_takes_part_in_the_next_calc(self):
        app = self.start()
        gravity_box = self.box(1021)
        self.calculate("26", "1.02339")
        gravity_before, = app.crops(gravity_box)

        # Twice the base gravity doubles the result: 2 x 1.0233919850.
        self.open_options("ctrl+o")
        app.fill(BASE_GRAVITY, "2.048", in_options=True)
        self.confirm()
        self.assertEqual(registry()["baseGravity"], stored_text("2.048000"))
        wait_until(lambda: app.crops(gravity_box)[0] != gravity_before, "the base gravity to be repainted")
        app.wait_display("1.02339")
        app.keys("Return")
        app.wait_display("2.04678")

        # At 1000 m the defaults give 1.0233824982.
        self.open_options("ctrl+o")
        app.fill(BASE_GRAVITY, "1.024", in_options=True)
        app.fill(DEPTH, "1000", in_options=True)
        self.confirm()
        wait_until(lambda: app.crops(gravity_box)[0] == gravity_before, "the base gravity painted as at the start")
        app.wait_display("2.04678")
        app.keys("Return")
        app.wait_display("1.02338")

        # A negative salinity has no density.
        self.open_options("ctrl+o")
        app.fill(SALINITY, "-1", in_options=True)
        self.confirm()
        app.keys("Return")
        app.wait_display("    -E-")
        self.assertSettingsStored("24.000000", "1.024000", "1000.000000", "-1.000000")

    def test_the_potential_box_returns_to_its_state_at_the_last_calc_and_that_state_is_saved(self):
        app = self.start()
        check = lambda: app.snapshot().controls[1009].check

        # No Calc yet: the state at start-up counts.
        app.keys("ctrl+p")
        wait_until(lambda: check() == 0, "the box to clear")
        self.open_options()
        self.confirm()
        wait_until(lambda: check() == 1, "the box ticked as at the start")
        self.assertEqual(registry()["potential"], stored_flag(1))

        self.calculate("26", "1.02339")  # ticked at this Calc
        app.press(1009)
        wait_until(lambda: check() == 0, "the click to clear the box")
        self.open_options("ctrl+o")
        self.confirm()
        wait_until(lambda: check() == 1, "the box ticked again, as at the Calc")
        self.assertEqual(registry()["potential"], stored_flag(1))

        app.keys("ctrl+p")
        wait_until(lambda: check() == 0, "the box to clear")
        app.keys("Return")  # cleared at this Calc
        app.wait_display("1.02339")
        app.keys("ctrl+p")
        wait_until(lambda: check() == 1, "the box to tick")
        self.open_options()
        self.confirm()
        wait_until(lambda: check() == 0, "the box cleared, as at the Calc")
        self.assertEqual(registry()["potential"], stored_flag(0))

        app.keys("Escape")
        app.wait_exit()
        self.app = None
        app = self.start()
        self.assertEqual(app.snap.controls[1009].check, 0)


class Cancelling(OptionsTestCase):
    def test_cancel_and_escape_after_editing_every_field_change_and_store_nothing(self):
        for name, value in [("baseTemperature", "25.000000"), ("baseGravity", "1.026000"),
                            ("depth", "2.000000"), ("density", "34.000000")]:
            set_text(name, value)
        set_dword("potential", 1)
        for how in ["button", "Escape"]:
            with self.subTest(how=how):
                app = self.start()
                before = registry()
                temp_box, gravity_box = self.box(1020, right_limit=1018), self.box(1021)
                # At the stored base temperature the result is the stored base gravity.
                self.calculate("25", "1.02600")
                painted = app.crops(temp_box, gravity_box)

                dialog = self.open_options()
                self.assertEqual([c.text for c in dialog.controls if c.id in EDITS],
                                 [b"34", b"25", b"2", b"1.026"])
                for cid, text in [(SALINITY, "30"), (BASE_TEMP, "20"), (DEPTH, "500"), (BASE_GRAVITY, "1.1")]:
                    app.fill(cid, text, in_options=True)
                if how == "button":
                    app.press(2, in_options=True)
                else:
                    app.keys("Escape", focus_main=False)
                app.wait_back_in_main()
                self.assertEqual(registry(), before)
                app.wait_display("1.02600")
                wait_until(lambda: app.crops(temp_box, gravity_box) == painted,
                           "the base values painted as before")
                app.keys("Return")
                app.wait_display("1.02600")  # calculated with the settings as they were
                dialog = self.open_options("ctrl+o")
                self.assertEqual([c.text for c in dialog.controls if c.id in EDITS],
                                 [b"34", b"25", b"2", b"1.026"])
                app.keys("Escape", focus_main=False)
                app.wait_back_in_main()
                self.assertEqual(registry(), before)


class RejectedEntries(OptionsTestCase):
    def test_text_that_is_no_number_in_the_depth_edit_prompts_and_keeps_the_dialog_open(self):
        app = self.start()
        self.open_options()
        for cid, text in [(SALINITY, "33"), (BASE_TEMP, "25.5"), (DEPTH, "deep"), (BASE_GRAVITY, "1.03")]:
            app.fill(cid, text, in_options=True)
        app.press(1, in_options=True)
        prompt = app.dismiss_prompt()
        self.assertEqual(prompt.depth, 2, "the prompt belongs to the settings dialog")
        wait_until(lambda: app.has_focus(DEPTH, in_options=True), "the focus on the depth edit")
        self.assertIsNotNone(app.options())
        self.assertEqual(registry(), {})

        app.fill(DEPTH, "12.5", in_options=True)
        self.confirm()
        self.assertEqual(app.options(), None)
        self.assertSettingsStored("25.500000", "1.030000", "12.500000", "33.000000")

    def test_the_first_rejected_edit_is_base_temperature_then_salinity(self):
        app = self.start()
        self.open_options("ctrl+o")
        app.fill(SALINITY, "salt", in_options=True)
        app.fill(BASE_TEMP, "", in_options=True)
        app.press(1, in_options=True)
        app.dismiss_prompt()
        wait_until(lambda: app.has_focus(BASE_TEMP, in_options=True), "the focus on the base temperature")

        app.fill(BASE_TEMP, "26", in_options=True)
        app.press(1, in_options=True)
        app.dismiss_prompt()
        wait_until(lambda: app.has_focus(SALINITY, in_options=True), "the focus on the salinity")
        self.assertEqual(registry(), {})

        app.fill(SALINITY, "35", in_options=True)
        self.confirm()
        self.assertEqual(registry()["baseTemperature"], stored_text("26.000000"))
        # The water temperature equals the new base temperature: the base gravity itself.
        self.calculate("26", "1.02400")


if __name__ == "__main__":
    unittest.main(verbosity=2)
