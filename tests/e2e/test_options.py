"""The settings dialog, opened from the main window and used as a person does."""
import unittest

from varnok_harness import (MAIN_SIZE, OPTIONS_SIZE, TITLE, VarnokTestCase, crops, probe, registry, stored_dword,
                            stored_text, wait_until)

SALINITY, DEPTH, BASE_GRAVITY, BASE_TEMP = 1000, 1002, 1004, 1006
EXCHANGE_ORDER = (BASE_TEMP, BASE_GRAVITY, DEPTH, SALINITY)


class Settings(VarnokTestCase):
    def open(self, action):
        action()
        dialog = wait_until(self.app.options, "the settings dialog")
        self.app.wait_focus_in(dialog, "the settings dialog to take the focus")
        return dialog

    def close(self, action):
        """Returns once the main window's handler has given the focus back to the edit as its last step."""
        action()
        self.app.wait_focus(1002, what="the focus back in the water-temperature edit")

    def edits(self, dialog):
        return [dialog.controls[cid].text for cid in EXCHANGE_ORDER]

    def test_cancelled_refused_and_confirmed_settings(self):
        app = self.start(posx=("REG_DWORD", "120"), posy=("REG_DWORD", "90"))
        self.assertEqual(app.snap.rect, (120, 90, 120 + MAIN_SIZE[0], 90 + MAIN_SIZE[1]))
        c = app.snap.controls  # the base temperature's text may run up to the next label
        base_boxes = (c[1020].rect[:2] + (c[1018].rect[0], c[1020].rect[3]), c[1021].rect)
        self.calculate("26", "1.02339")
        painted_at_start = crops(*base_boxes)
        stored_at_start = registry()

        # Cancel after editing every field, Escape after editing one: nothing changes.
        dialog = self.open(lambda: app.press(1008))
        self.assertEqual(dialog.rect, (170, 140, 170 + OPTIONS_SIZE[0], 140 + OPTIONS_SIZE[1]))
        self.assertEqual(self.edits(dialog), [b"24", b"1.024", b"1", b"35"])
        self.assertTrue(app.has_focus(1, dialog), "the focus on OK")
        for cid, text in zip(EXCHANGE_ORDER, ["20", "1.1", "500", "30"]):
            app.fill(cid, text, dialog)
        self.close(lambda: app.press(2, dialog))
        dialog = self.open(lambda: app.keys("ctrl+o"))
        self.assertEqual(self.edits(dialog), [b"24", b"1.024", b"1", b"35"])
        app.fill(BASE_GRAVITY, "1.1", dialog)
        self.close(lambda: app.keys("Escape"))
        self.assertEqual(registry(), stored_at_start)
        self.calculate("28", "1.02275")  # with the settings as they were
        self.assertEqual(crops(*base_boxes), painted_at_start)

        # One text that is no number in every edit: refused edit by edit, in the exchange's order.
        app.keys("ctrl+p")  # after the Calc at which the box was ticked
        app.wait_check(0, "Ctrl+P to clear the box")
        dialog = self.open(lambda: app.keys("ctrl+o"))
        for cid in EXCHANGE_ORDER:
            app.fill(cid, "x", dialog)
        for cid, text in zip(EXCHANGE_ORDER, ["25.5", "2.048", "1000", "-1"]):
            app.press(1, dialog)
            self.assertEqual(app.dismiss_prompt().depth, 2, "the prompt belongs to the settings dialog")
            app.wait_focus(cid, dialog, "the focus on the refused edit %d" % cid)
            self.assertEqual(registry(), stored_at_start)
            app.fill(cid, text, dialog)
        self.close(lambda: app.press(1, dialog))
        self.assertEqual(app.snapshot().controls[1009].check, 1, "the box as it was at the last Calc")
        self.assertEqual(registry(), dict(stored_at_start, baseTemperature=stored_text("25.500000"),
                                          baseGravity=stored_text("2.048000"), depth=stored_text("1000.000000"),
                                          density=stored_text("-1.000000"), potential=stored_dword(1)))
        wait_until(lambda: all(a != b for a, b in zip(crops(*base_boxes), painted_at_start)),
                   "both base values repainted")
        app.wait_display("1.02275")  # the result of the last Calc stays until the next
        self.calculate("25.5", "    -E-")  # a negative salinity has no density

        # Confirmed back to the first base values.
        dialog = self.open(lambda: app.keys("ctrl+o"))
        self.assertEqual(self.edits(dialog), [b"25.5", b"2.048", b"1000", b"-1"])
        for cid, text in [(BASE_TEMP, "24"), (BASE_GRAVITY, "1.024"), (SALINITY, "35")]:
            app.fill(cid, text, dialog)
        self.close(lambda: app.press(1, dialog))
        wait_until(lambda: crops(*base_boxes) == painted_at_start, "the base values painted as at the start")
        self.calculate("26", "1.02338")  # 1000 m deep

        # Moved partly above and left of the screen: the dialog comes down only as far as needed.
        probe("move", TITLE, -40, -30)
        wait_until(lambda: [registry()[name] for name in ("posx", "posy")] == [stored_dword(-40), stored_dword(-30)],
                   "the new position stored")
        dialog = self.open(lambda: app.keys("ctrl+o"))
        self.assertEqual(dialog.rect, (10, 20, 10 + OPTIONS_SIZE[0], 20 + OPTIONS_SIZE[1]))
        self.close(lambda: app.keys("Escape"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
