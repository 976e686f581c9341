"""The calculator from first start to close, as a person uses it: the result read
from the display's pixels, the window's shape and place, and which ways of closing
keep what."""
import unittest

from varnok_harness import (MAIN_SIZE, VarnokTestCase, move_pointer, registry, screenshot, stored_dword, stored_text,
                            xdotool)

YELLOW = (255, 255, 0)


class Closing(VarnokTestCase):
    def test_alt_f4_keeps_the_five_values_off_and_escape_keep_nothing_but_where_the_window_went(self):
        app = self.start()
        self.assertEqual(app.snap.rect, (398, 298, 398 + MAIN_SIZE[0], 298 + MAIN_SIZE[1]))  # centred
        self.assertEqual(registry(), {})
        app.wait_display("       ")  # blank until the first Calc
        image = screenshot()
        left, top, right, bottom = app.snap.rect
        for x, y in [(left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)]:
            self.assertEqual(image.getpixel((x, y)), image.getpixel((x - 1, y)),
                             "corner %r shows what lies beside the window" % ((x, y),))
        panel = image.getpixel((left + 114, top + 8))
        self.assertNotIn(panel, [YELLOW, image.getpixel((left - 1, top + 8))], "the panel itself is visible")

        self.calculate("26", "1.02339")
        app.press(1009)
        app.wait_check(0, "a click to clear the box")  # the flag of the last Calc was 1
        self.end(lambda: app.keys("alt+F4"))
        saved = {"baseTemperature": stored_text("24.000000"), "baseGravity": stored_text("1.024000"),
                 "depth": stored_text("1.000000"), "density": stored_text("35.000000"), "potential": stored_dword(0)}
        self.assertEqual(registry(), saved)

        # Dragged by the panel above the display, then ended with Off after a toggle.
        app = self.start()
        self.assertEqual(app.snap.controls[1009].check, 0)
        left, top = app.snap.origin
        move_pointer(left + 114, top + 8)
        xdotool("mousedown", "1")
        for i in range(1, 9):
            move_pointer(left + 114 - 150 * i // 8, top + 8 - 120 * i // 8)
        xdotool("mouseup", "1")
        app.keys("ctrl+p")  # handled after the drag's last move
        app.wait_check(1, "Ctrl+P to tick the box")
        moved = app.snapshot().origin
        self.assertNotEqual(moved, (left, top))
        kept = dict(saved, posx=stored_dword(moved[0]), posy=stored_dword(moved[1]))
        self.assertEqual(registry(), kept)
        self.end(lambda: app.press(2))
        self.assertEqual(registry(), kept)

        app = self.start()
        self.assertEqual(app.snap.origin, moved)
        self.assertEqual(app.snap.controls[1009].check, 0)
        app.keys("ctrl+p")
        app.wait_check(1, "Ctrl+P to tick the box")
        self.end(lambda: app.keys("Escape"))
        self.assertEqual(registry(), kept)


if __name__ == "__main__":
    unittest.main(verbosity=2)
