"""The About box, reached through the main window's system commands.

The main window has no caption and no WS_SYSMENU style, so nothing on the screen
leads to the About entry; the command is posted to the window from outside, as
the task bar's window menu would send it."""
import unittest

from varnok_harness import WM_SYSCOMMAND, VarnokTestCase, registry, wait_until

CAPTION = "Varnokのﾊﾞｰｼﾞｮﾝ情報".encode("cp932")


class AboutBox(VarnokTestCase):
    def open_about(self, command):
        app = self.app
        app.post(WM_SYSCOMMAND, command)
        about = wait_until(lambda: next((w for w in app.owned() if w.text == CAPTION), None), "the About box")
        app.wait_focus_in(about, "the About box to take the focus")
        return about

    def seen(self):
        """What a person sees of the main window, and what is stored."""
        snap = self.app.snapshot()
        return {"edit": snap.controls[1002].text, "box": snap.controls[1009].check, "rect": snap.rect,
                "display": self.app.display(), "registry": registry()}

    def test_it_opens_over_a_main_window_that_takes_no_input_and_closes_back_to_it(self):
        app = self.start()
        self.calculate("26", "1.02339")
        before = self.seen()

        about = self.open_about(0x001F)  # the low four bits do not matter
        self.assertEqual(about.depth, 1)
        self.assertIn(b"Varnok Version 1.0", about.texts())
        self.assertTrue(app.has_focus(1, about), "the focus on OK")
        l, t, r, b = about.rect
        uncovered = [c.centre for c in app.snapshot().controls.values() if c.id in (1002, 1005, 1008, 1009)
                     and not (l <= c.centre[0] < r and t <= c.centre[1] < b)]
        self.assertEqual(len(uncovered), 4, "the About box leaves the main window's controls free")
        for x, y in uncovered:
            app.click(x, y)
        app.type("5")
        app.keys("ctrl+p", "ctrl+o", "Escape")  # Escape is handled after everything before it
        app.wait_focus(1002, what="the focus back in the water-temperature edit")
        self.assertEqual(app.owned(), [])
        self.assertEqual(self.seen(), before)

        self.open_about(0x0010)
        app.keys("alt+F4")
        app.wait_focus(1002, what="the focus back in the water-temperature edit")
        self.assertEqual(self.seen(), before)
        self.calculate("28", "1.02275")  # and it takes input again


if __name__ == "__main__":
    unittest.main(verbosity=2)
