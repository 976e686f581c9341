"""The About box, reached through the main window's system commands.

The main window has no caption and no WS_SYSMENU style, so Alt+Space shows no
system menu and nothing on the screen leads to the About entry; the command is
posted to the window from outside, as the task bar's window menu would send it."""
import unittest

from varnok_harness import WM_CLOSE, WM_SYSCOMMAND, VarnokTestCase, cp932, registry, wait_until

CAPTION = cp932("Varnokのﾊﾞｰｼﾞｮﾝ情報")
VERSION_LINE = b"Varnok Version 1.0"


class AboutBox(VarnokTestCase):
    def setUp(self):
        super().setUp()
        self.start()

    def about_boxes(self):
        return [w for w in self.app.owned() if w.text == CAPTION]

    def open_about(self, command=0x0010):
        app = self.app
        app.post(WM_SYSCOMMAND, command)
        wait_until(self.about_boxes, "the About box")
        app.sync()
        shown = self.about_boxes()
        self.assertEqual(len(shown), 1, "one About box")
        return shown[0]

    def focus_in(self, about, cid=None):
        """Whether the focus is in the About box (on its control cid)."""
        where = self.app.focused()
        return where is not None and where.root_rect == about.rect and cid in (None, where.id)

    def state(self, with_display=True):
        """What a person sees of the main window, and what is stored; the display
        only where no About box lies over it."""
        app = self.app
        snap = app.snapshot()
        seen = {"edit": snap.controls[1002].text, "box": snap.controls[1009].check, "origin": snap.origin,
                "registry": registry()}
        if with_display:
            seen["display"] = app.display()
        return seen

    def test_the_system_commands_0x0010_to_0x001f_open_it_with_its_texts(self):
        app = self.app
        # The neighbours of the range are the platform's to handle and open nothing.
        for command in (0x000F, 0x0020):
            app.post(WM_SYSCOMMAND, command)
        app.sync()
        self.assertEqual(app.owned(), [])

        for command in range(0x0010, 0x0020):
            with self.subTest(command=hex(command)):
                about = self.open_about(command)
                self.assertEqual(about.cls, "#32770")
                self.assertEqual(about.depth, 1)
                texts = [c.text for c in about.controls]
                self.assertIn(VERSION_LINE, texts)
                self.assertIn(b"OK", texts)
                wait_until(lambda: self.focus_in(about, 1), "the focus on the About box's OK")
                app.keys("Return", focus_main=False)
                app.wait_back_in_main()
                self.assertEqual(self.about_boxes(), [])
                self.assertTrue(app.running())

    def test_the_main_window_takes_no_input_while_it_is_open(self):
        app = self.app
        self.calculate("26", "1.02339")
        before = self.state()
        controls = app.snapshot().controls
        left, top = before["origin"]
        about = self.open_about()

        app.type("5")  # to the main window, as a person clicking back into it and typing would
        app.click(*controls[1002].centre)
        app.type("7", focus_main=False)
        app.keys("ctrl+p", "ctrl+o", "ctrl+e", focus_main=False)
        for cid in (1009, 1008, 1005):
            app.press(cid)
        app.drag(left + 114, top + 8, left + 14, top + 8)
        app.sync()

        self.assertEqual([w.text for w in app.owned()], [about.text], "nothing but the About box opened")
        self.assertEqual(self.state(with_display=False),
                         {k: v for k, v in before.items() if k != "display"})
        app.click(*next(c for c in about.controls if c.id == 1).centre)
        app.wait_back_in_main()
        self.assertEqual(self.state(), before)
        self.calculate("28", "1.02275")  # and it takes input again

    def test_ok_escape_the_close_button_and_alt_f4_return_to_the_main_window_unchanged(self):
        app = self.app
        self.calculate("26", "1.02339")
        app.keys("ctrl+p")
        wait_until(lambda: app.snapshot().controls[1009].check == 0, "the box to clear")
        before = self.state()
        for how in ["OK", "Escape", "close button", "alt+F4", "WM_CLOSE"]:
            with self.subTest(how=how):
                about = self.open_about()
                if how == "OK":
                    app.click(*next(c for c in about.controls if c.id == 1).centre)
                elif how == "close button":
                    buttons = app.close_buttons()
                    self.assertEqual(len(buttons), 1, "the caption has a close button")
                    app.click(*buttons[0])
                elif how == "WM_CLOSE":
                    app.post_owned(WM_CLOSE)
                else:
                    wait_until(lambda: self.focus_in(about), "the focus in the About box")
                    app.keys(how, focus_main=False)
                app.wait_back_in_main()
                self.assertEqual(self.about_boxes(), [])
                self.assertTrue(app.running())
                self.assertEqual(self.state(), before)
        self.calculate("28", "1.02275")


if __name__ == "__main__":
    unittest.main(verbosity=2)
