"""Journeys through the real program as a person makes them: the worked example typed as the README tells it, the
keyboard and what closing keeps; the settings dialog; the About box on settings stored with the wrong type or size.
What the windows show is compared with pictures a person approved. Nothing on the captionless main window leads to
the About entry: the command is posted from outside, as the task bar's window menu would."""
import unittest

from varnok_harness import MAIN_SIZE, OPTIONS_SIZE, TITLE, VarnokTestCase, probe, registry, stored, wait_until, xdotool

SALINITY, DEPTH, BASE_GRAVITY, BASE_TEMP = 1000, 1002, 1004, 1006
EXCHANGE_ORDER = (BASE_TEMP, BASE_GRAVITY, DEPTH, SALINITY)
MAIN_BUTTONS = {1005: "calc", 1008: "opt", 2: "off"}
TAB_ORDER = (1005, 1009, 1008, 2, 1002)  # from the edit round to it: Calc, the box, Opt, Off
CAPTIONS = {"ja": "Varnokのﾊﾞｰｼﾞｮﾝ情報".encode("cp932"), "en": b"About Varnok"}  # of the About box


def about_box(test):
    return next((w for w in test.app.owned() if w.text == CAPTIONS[test.language]), None)


def open_about(test, command):
    probe("post", TITLE, hex(0x0112), hex(command), 0)  # WM_SYSCOMMAND, as the task bar's window menu sends it
    about = wait_until(lambda: about_box(test), "the About box")
    test.app.wait_focus(1, about, "the About box's OK to take the focus")
    return about


def open_settings(app, action):
    action()
    dialog = wait_until(app.options, "the settings dialog")
    app.wait_focus(1, dialog, "the settings dialog's OK to take the focus")
    return dialog


class FirstStart(VarnokTestCase):
    def test_the_worked_example_as_the_readme_tells_it_the_keyboard_and_what_closing_keeps(self):
        app = self.start()
        self.assertEqual(app.snap.rect, (398, 298, 398 + MAIN_SIZE[0], 298 + MAIN_SIZE[1]))  # centred
        self.assertEqual(registry(), {})
        self.assert_looks_like(app.snapshot, "main-first-start.png")  # a blank display
        app.type("26")  # the edit holds the caret from the start, its text selected
        app.keys("Return")
        self.assert_looks_like(app.snapshot, "docs/varnok-main.png")

        for cid in TAB_ORDER:  # a button wears its focus face while it holds the focus
            app.keys("Tab")
            app.wait_focus(cid)
            faces = {button: "focus" if button == cid else "up" for button in MAIN_BUTTONS}
            wait_until(lambda: app.faces(app.snap, MAIN_BUTTONS) == faces, "the faces with %d focused" % cid)
        app.keys("shift+Tab", "ctrl+e")
        app.wait_focus(1002, what="Ctrl+E to bring the caret back from Off")

        app.press(1009)  # a click on the box leaves the caret in the edit
        app.wait_check(0, "a click to clear the box")
        app.wait_focus(1002)
        app.fill(1002, "17")
        xdotool("mousemove", *app.snap.controls[1005].centre, "mousedown", "1")
        wait_until(lambda: app.faces(app.snap, MAIN_BUTTONS)[1005] == "down", "Calc held down to show it")
        xdotool("mouseup", "1")
        app.wait_display("1.02587")
        self.end(lambda: app.keys("alt+F4"))
        saved = {"baseTemperature": stored("24.000000"), "baseGravity": stored("1.024000"),
                 "depth": stored("1.000000"), "density": stored("35.000000"), "potential": stored(0)}
        self.assertEqual(registry(), saved)

        # Dragged by the panel above the display, the box ticked by Ctrl+P, then ended with Off.
        app = self.start()
        self.assertEqual(app.snap.controls[1009].check, 0)
        x, y = app.snap.origin[0] + 114, app.snap.origin[1] + 8
        xdotool("mousemove", x, y, "mousedown", "1")
        for i in range(1, 9):  # in steps, as a hand moves
            xdotool("mousemove", x - 150 * i // 8, y - 120 * i // 8)
        xdotool("mouseup", "1")
        app.keys("ctrl+p")  # handled after the drag's last move
        app.wait_check(1, "Ctrl+P to tick the box")
        moved = app.snapshot().origin
        self.assertNotEqual(moved, app.snap.origin)
        kept = dict(saved, posx=stored(moved[0]), posy=stored(moved[1]))
        self.assertEqual(registry(), kept)
        self.end(lambda: app.press(2))
        self.assertEqual(registry(), kept)


class Settings(VarnokTestCase):
    def close(self, action):
        """Returns once the main window's handler has given the focus back to the edit as its last step."""
        action()
        self.app.wait_focus(1002, what="the focus back in the water-temperature edit")

    def test_cancelled_refused_and_confirmed_settings(self):
        app = self.start(posx=("REG_DWORD", "120"), posy=("REG_DWORD", "90"))
        self.assertEqual(app.snap.rect, (120, 90, 120 + MAIN_SIZE[0], 90 + MAIN_SIZE[1]))
        app.type("26")
        app.keys("Return")
        app.wait_display("1.02339")
        stored_at_start = registry()

        # Opened below the main window's client origin, then cancelled after an edit: nothing changes.
        dialog = open_settings(app, lambda: app.press(1008))
        self.assertEqual(dialog.rect, (170, 140, 170 + OPTIONS_SIZE[0], 140 + OPTIONS_SIZE[1]))
        self.assert_looks_like(app.options, "docs/varnok-settings.png")
        app.fill(BASE_TEMP, "20", dialog)
        self.close(lambda: app.press(2, dialog))
        self.assertEqual(registry(), stored_at_start)
        self.calculate("28", "1.02275")  # with the settings as they were

        # One text that is no number in every edit: refused edit by edit, in the exchange's order.
        app.keys("ctrl+p")  # after the Calc at which the box was ticked
        app.wait_check(0, "Ctrl+P to clear the box")
        dialog = open_settings(app, lambda: app.keys("ctrl+o"))
        for cid in EXCHANGE_ORDER:
            app.fill(cid, "x", dialog)
        for cid, text in zip(EXCHANGE_ORDER, ["25.5", "2.048", "1000", "-1"]):
            app.press(1, dialog)
            self.assertEqual(app.dismiss_prompt().depth, 2, "the prompt belongs to the settings dialog")
            app.wait_focus(cid, dialog, "the focus on the refused edit %d" % cid)
            self.assertEqual(registry(), stored_at_start)
            app.fill(cid, text, dialog)
        self.close(lambda: app.press(1, dialog))
        self.assertEqual(registry(), dict(stored_at_start, baseTemperature=stored("25.500000"),
                                          baseGravity=stored("2.048000"), depth=stored("1000.000000"),
                                          density=stored("-1.000000"), potential=stored(1)))
        # The new base values painted, the box as it was at the last Calc, whose result stays until the next.
        self.assert_looks_like(app.snapshot, "main-new-settings.png")
        self.calculate("25.5", "    -E-")  # a negative salinity has no density

        # Moved partly above and left of the screen, where the dialog manager pulls the dialog onto it first: the
        # dialog comes down from the main window's corner only as far as needed, on the confirmed values.
        probe("move", TITLE, -40, -30)
        wait_until(lambda: app.snapshot().origin == (-40, -30), "the main window moved")
        dialog = open_settings(app, lambda: app.keys("ctrl+o"))
        self.assertEqual(dialog.rect, (10, 20, 10 + OPTIONS_SIZE[0], 20 + OPTIONS_SIZE[1]))
        self.assertEqual([dialog.controls[cid].text for cid in EXCHANGE_ORDER], [b"25.5", b"2.048", b"1000", b"-1"])
        self.close(lambda: app.keys("Escape"))


class AboutBox(VarnokTestCase):
    def seen(self):
        """What a person sees of the main window, and what is stored."""
        snap = self.app.snapshot()
        self.app.wait_display("1.46000")
        return snap.controls[1002].text, snap.controls[1009].check, snap.rect, registry()

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

        about = open_about(self, 0x001F)  # the About entry; the low four bits do not matter
        self.assertEqual(about.depth, 1)
        self.assert_looks_like(lambda: about_box(self), "about.png")
        l, t, r, b = about.rect
        uncovered = [c.centre for c in app.snapshot().controls.values() if c.id in (1002, 1005, 1008, 1009)
                     and not (l <= c.centre[0] < r and t <= c.centre[1] < b)]
        self.assertEqual(len(uncovered), 4, "the About box leaves the main window's controls free")
        for x, y in uncovered:
            app.click(x, y)
        app.keys("5", "ctrl+p", "ctrl+o")
        app.click(r - 12, t + 11)  # the caption's close button, after everything before it
        app.wait_focus(1002, what="the focus back in the water-temperature edit")
        self.assertEqual(app.owned(), [])
        self.assertEqual(self.seen(), before)

        self.end(lambda: app.keys("alt+F4"))  # it takes input again
        # The settings as they were read: what a text or number of the wrong type or size gave.
        self.assertEqual({name: value for name, value in registry().items() if not name.startswith("pos")},
                         {"baseTemperature": stored("26.000000"), "baseGravity": stored("1.460000"),
                          "density": stored("35.000000"), "depth": stored("0.000000"), "potential": stored(0)})


class English(VarnokTestCase):
    """Where the interface language is not Japanese: the same program in English."""
    language = "en"

    def test_the_worked_example_a_refused_entry_and_the_about_box_in_english(self):
        app = self.start()
        app.type("26")
        app.keys("Return")
        self.assert_looks_like(app.snapshot, "docs/varnok-main-en.png")
        open_settings(app, lambda: app.keys("ctrl+o"))
        self.assert_looks_like(app.options, "docs/varnok-settings-en.png")
        app.keys("Escape")
        app.fill(1002, "x")
        app.keys("Return")
        self.assertEqual(app.dismiss_prompt().depth, 1)
        wait_until(lambda: app.snapshot().controls[1002].text == b"26", "the last accepted temperature back")
        open_about(self, 0x0010)
        self.assert_looks_like(lambda: about_box(self), "about-en.png")
        self.end(lambda: app.keys("Escape", "Escape"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
