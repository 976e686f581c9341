"""The About box, reached through the main window's system commands, on settings stored with the wrong type or
size; and text that is no number when calculating and when closing. Nothing on the captionless main window leads
to the About entry: the command is posted from outside, as the task bar's window menu would send it."""
import unittest

from varnok_harness import TITLE, VarnokTestCase, probe, registry, stored_dword, stored_text, wait_until

CAPTION = "Varnokのﾊﾞｰｼﾞｮﾝ情報".encode("cp932")


class AboutBox(VarnokTestCase):
    def open_about(self, command):
        probe("post", TITLE, hex(0x0112), hex(command), 0)  # WM_SYSCOMMAND
        about = wait_until(lambda: next((w for w in self.app.owned() if w.text == CAPTION), None), "the About box")
        self.app.wait_focus_in(about, "the About box to take the focus")
        return about

    def seen(self):
        """What a person sees of the main window, and what is stored."""
        snap = self.app.snapshot()
        self.app.wait_display("1.46000")
        return {"edit": snap.controls[1002].text, "box": snap.controls[1009].check, "rect": snap.rect,
                "registry": registry()}

    def test_about_box_over_a_main_window_that_takes_no_input_and_settings_of_the_wrong_type_or_size(self):
        app = self.start(baseTemperature=("REG_SZ", "26." + "0" * 1020),  # 1024 bytes: the longest text read
                         density=("REG_SZ", "-1." + "0" * 1021),  # too long: the default 35
                         depth=("REG_DWORD", "0x6261"),  # a dword where text belongs: its bytes "ab", no number
                         baseGravity=("REG_BINARY", "312e3436"),  # "1.46" without its terminating zero
                         potential=("REG_BINARY", "00"),  # one byte where a dword belongs: 0
                         posx=("REG_BINARY", "616200"),  # three bytes: 0x6261, beyond the right edge
                         posy=("REG_BINARY", "1000000000"))  # five bytes: not read, so not set
        self.assertEqual(app.snap.origin, (796, 0))
        self.assertEqual(app.snap.controls[1009].check, 0)
        self.calculate("26", "1.46000")  # at the base temperature: the base gravity itself
        before = self.seen()

        about = self.open_about(0x001F)  # the low four bits do not matter
        self.assertEqual(about.depth, 1)
        self.assertIn(b"Varnok Version 1.0", about.texts)
        self.assertTrue(app.has_focus(1, about), "the focus on OK")
        l, t, r, b = about.rect
        uncovered = [c.centre for c in app.snapshot().controls.values() if c.id in (1002, 1005, 1008, 1009)
                     and not (l <= c.centre[0] < r and t <= c.centre[1] < b)]
        self.assertEqual(len(uncovered), 4, "the About box leaves the main window's controls free")
        for x, y in uncovered:
            app.click(x, y)
        app.keys("5")
        app.keys("ctrl+p", "ctrl+o", "Escape")  # Escape is handled after everything before it
        app.wait_focus(1002, what="the focus back in the water-temperature edit")
        self.assertEqual(app.owned(), [])
        self.assertEqual(self.seen(), before)
        self.open_about(0x0010)
        app.keys("alt+F4")
        app.wait_focus(1002, what="the focus back in the water-temperature edit")
        self.assertEqual(self.seen(), before)

        app.fill(1002, "abc")  # it takes input again
        app.keys("Return")
        self.assertEqual(app.dismiss_prompt().depth, 1)
        wait_until(lambda: app.snapshot().controls[1002].text == b"26", "the last accepted temperature back")
        app.keys("ctrl+p")
        app.wait_check(1, "Ctrl+P to tick the box")
        app.fill(1002, "abc")
        app.keys("alt+F4")
        self.assertEqual(app.dismiss_prompt().depth, 1)
        app.wait_exit()
        # The exchange stopped at the edit and never read the box: the flag of the last Calc is saved.
        self.assertEqual({name: value for name, value in registry().items() if not name.startswith("pos")},
                         {"baseTemperature": stored_text("26.000000"), "baseGravity": stored_text("1.460000"),
                          "density": stored_text("35.000000"), "depth": stored_text("0.000000"),
                          "potential": stored_dword(0)})


if __name__ == "__main__":
    unittest.main(verbosity=2)
