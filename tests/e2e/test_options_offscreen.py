"""The settings dialog opened from a main window dragged partly above or left of the
screen: it should open at the 50-pixel offset from the main window, moved only as
far as needed to bring its top and left edges onto the screen."""
import unittest

from varnok_harness import VarnokTestCase, clear_registry, size_of, wait_until


class OffScreenOwner(VarnokTestCase):
    def test_main_window_above_or_left_of_the_screen(self):
        # Main window corner -> settings dialog corner.
        for corner, expected in [((-80, -60), (0, 0)),      # more than 50 px off on both sides
                                 ((-40, -30), (10, 20)),    # 50 px or less: the plain offset
                                 ((-120, 300), (0, 350)),   # left only
                                 ((300, -90), (350, 0))]:   # above only
            with self.subTest(corner=corner):
                clear_registry()
                app = self.start()
                left, top = app.snap.origin
                # Grabbed in the panel below the display, 200 px right of and 110 px below the corner.
                app.drag(left + 200, top + 110, 200 + corner[0], 110 + corner[1])
                wait_until(lambda: app.snapshot().origin == corner, "the main window at %r" % (corner,))
                app.keys("ctrl+o")
                dialog = app.wait_options()
                self.assertEqual(size_of(dialog.rect), (209, 172))
                self.assertEqual(dialog.rect[:2], expected)
                app.keys("Escape", focus_main=False)
                app.wait_back_in_main()


if __name__ == "__main__":
    unittest.main(verbosity=2)
