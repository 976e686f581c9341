"""Drives the real Varnok.exe under Wine as a person would: X key presses and clicks through xdotool, the screen
read back as pixels, the windows, their controls and the registry key looked at from outside through probe.exe."""
import ast
import collections
import io
import os
import subprocess
import time
import unittest

from PIL import Image

BIN = os.environ["VARNOK_BIN"]
WINE_RUN = os.environ["VARNOK_WINE_RUN"]
TITLE = os.environ["VARNOK_CAPTION"]
KEY = "HKCU\\" + os.environ["VARNOK_SETTINGS_KEY"]
DEADLINE = 30.0
PLACE_IDS = range(1023, 1030)  # left to right
MAIN_SIZE = (228, 172)
OPTIONS_SIZE = (209, 172)  # the settings dialog, fitted to its background
PROMPT = "数値を入力してください。".encode("cp932")  # the data exchange's request for a number

GLYPH_FILES = dict({str(d): "digit_%d.bmp" % d for d in range(10)},
                   **{".": "glyph_point.bmp", " ": "glyph_blank.bmp", "E": "glyph_e.bmp", "-": "glyph_minus.bmp"})
GLYPHS = {name: Image.open(os.path.join(os.environ["VARNOK_IMAGES"], file)).convert("RGB").tobytes()
          for name, file in GLYPH_FILES.items()}  # pixels by what they show on the display


def wait_until(condition, what):
    """Polls condition() until it returns something true; that value. what may be a function of the last look."""
    end = time.monotonic() + DEADLINE
    while not (value := condition()):
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.05)
    return value


def run(*args):
    out = subprocess.run([str(a) for a in args], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120)
    if out.returncode != 0:
        raise AssertionError("%s failed: %d" % (" ".join(map(str, args[:3])), out.returncode))
    return out.stdout


def probe(*args):
    """What probe.exe found, None when it prints nothing; raises when its action fails."""
    return ast.literal_eval(run(WINE_RUN, os.path.join(BIN, "probe.exe"), *args).decode("ascii") or "None")


def registry():
    return probe("reg-dump")


def stored_text(text):
    """A text value as the program stores it: with its terminating zero."""
    return (1, text.encode("ascii") + b"\0")  # REG_SZ


def stored_dword(value):
    return (4, (value & 0xFFFFFFFF).to_bytes(4, "little"))  # REG_DWORD


def screenshot():
    return Image.open(io.BytesIO(run("import", "-window", "root", "png:-"))).convert("RGB")


def crops(*rects):
    """The pixels in each rect of the screen, all from one picture of it."""
    image = screenshot()
    return tuple(image.crop(r).tobytes() for r in rects)


def xdotool(*args):
    """Runs xdotool, which has the X server act on what it sends before it returns (it syncs as it closes)."""
    return run("xdotool", *args).decode()


class Control(collections.namedtuple("Control", "id rect text check")):
    @property
    def centre(self):
        return ((self.rect[0] + self.rect[2]) // 2, (self.rect[1] + self.rect[3]) // 2)


class Window:
    """A top-level window as another process sees it; its static texts share one id."""

    def __init__(self, rect, text, depth, controls):
        self.rect, self.text, self.depth = rect, text, depth
        self.origin, self.size = rect[:2], (rect[2] - rect[0], rect[3] - rect[1])
        self.texts = [c[2] for c in controls]
        self.controls = {c[0]: Control(*c) for c in controls}


class Varnok:
    """One run of the program (the built one unless another folder is given), on the registry key as it is."""

    def __init__(self, folder=BIN):
        self.proc = subprocess.Popen([WINE_RUN, os.path.join(folder, "Varnok.exe")],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.snap = wait_until(self.snapshot, "the main window")
        self.xid = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "^%s$" % TITLE).split(),
                              "the main window on the X display")[0]

    def look(self):
        """The main window while visible, the visible windows it owns, and the focus as probe.exe gives it."""
        windows, focus = probe("look", TITLE) or ([], None)
        windows = [Window(*w) for w in windows]
        return next((w for w in windows if w.depth == 0), None), [w for w in windows if w.depth], focus

    def snapshot(self):
        return self.look()[0]

    def owned(self):
        return self.look()[1]

    def has_focus(self, cid, window=None):
        """Whether control cid (any when None) of window (the main window when None) holds the focus."""
        focus = self.look()[2] or (0, None)
        return focus[1] == (window.rect if window else None) and cid in (None, focus[0])

    def wait_focus(self, cid, window=None, what=None):
        wait_until(lambda: self.has_focus(cid, window), what or "the focus on control %r" % cid)

    def wait_check(self, value, what):
        wait_until(lambda: self.snapshot().controls[1009].check == value, what)

    def options(self):
        return next((w for w in self.owned() if w.depth == 1 and w.size == OPTIONS_SIZE), None)

    def dismiss_prompt(self):
        """Closes the one prompt for a number with Enter once it holds the focus; the prompt as it was."""
        def prompts():
            return [w for w in self.owned() if PROMPT in w.texts]
        prompt, = wait_until(prompts, "the prompt for a number")
        self.wait_focus(None, prompt, "the prompt to take the focus")
        self.keys("Return")
        wait_until(lambda: not prompts(), "the prompt to close")
        return prompt

    def keys(self, *keys):
        """Key presses to the program's focus: X gives them to one of its windows, which hands them on."""
        xdotool("windowfocus", "--sync", self.xid)
        for key in keys:
            xdotool("key", "--clearmodifiers", key)

    def click(self, x, y):
        xdotool("mousemove", x, y, "click", "1")

    def press(self, cid, window=None):
        self.click(*(window or self.snapshot()).controls[cid].centre)

    def fill(self, cid, text, window=None):
        """Replaces an edit's text as a person does: click into it, select all of it, type."""
        if not self.has_focus(cid, window):
            self.press(cid, window)
            self.wait_focus(cid, window, "the focus in edit %d" % cid)
        self.keys("End", "shift+Home", "BackSpace")
        xdotool("type", "--delay", "30", "--", text)
        wait_until(lambda: (window and self.options() or self.snapshot()).controls[cid].text == text.encode(),
                   "edit %d to hold %r" % (cid, text))

    def wait_display(self, expected):
        """Waits until the seven places show expected, left to right ('?' where no glyph matches)."""
        shown = [None]

        def shows_expected():
            cells = crops(*[r[:2] + (r[0] + 27, r[1] + 45) for r in (self.snap.controls[p].rect for p in PLACE_IDS)])
            shown[0] = "".join(next((name for name, data in GLYPHS.items() if data == c), "?") for c in cells)
            return shown[0] == expected

        wait_until(shows_expected, lambda: "the display to show %r, not %r" % (expected, shown[0]))

    def wait_exit(self):
        wait_until(lambda: self.proc.poll() is not None, "the program to end")

    def kill(self):
        self.proc.kill()  # nothing once it has ended
        self.proc.wait(timeout=DEADLINE)
        # The window goes with the process; the next run must not find this one.
        wait_until(lambda: probe("look", TITLE) is None, "the window to go away")


class VarnokTestCase(unittest.TestCase):
    """Each journey starts on an empty settings key and ends the program it started."""

    def setUp(self):
        subprocess.run([WINE_RUN, "reg", "delete", KEY, "/f"], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120)  # fails when there is no key

    def start(self, **values):
        """Stores values given as name=(type, data) as `reg add` takes them, then starts the program."""
        for name, (vtype, data) in values.items():
            run(WINE_RUN, "reg", "add", KEY, "/v", name, "/t", vtype, "/d", data, "/f")
        self.app = Varnok()
        self.addCleanup(self.app.kill)
        return self.app

    def end(self, action):
        action()
        self.app.wait_exit()
        self.app.kill()

    def calculate(self, temperature, expected):
        self.app.fill(1002, temperature)
        self.app.keys("Return")
        self.app.wait_display(expected)
