"""Drives the real Varnok.exe under Wine as a person would: X key presses and
clicks through xdotool, the screen read back as pixels, the windows, their
controls and the registry key looked at from outside through probe.exe."""
import collections
import io
import os
import subprocess
import time
import unittest

from PIL import Image

BIN = os.environ["VARNOK_BIN"]
IMAGES = os.environ["VARNOK_IMAGES"]
WINE_RUN = os.environ["VARNOK_WINE_RUN"]
TITLE = "Tervane"
DEADLINE = 30.0

# Glyph bitmap files by what they show on the display.
GLYPH_FILES = {str(d): "digit_%d.bmp" % d for d in range(10)}
GLYPH_FILES.update({".": "glyph_point.bmp", " ": "glyph_blank.bmp", "E": "glyph_e.bmp", "-": "glyph_minus.bmp"})
PLACE_IDS = range(1023, 1030)  # left to right
MAIN_SIZE = (228, 172)
OPTIONS_SIZE = (209, 172)  # the settings dialog, fitted to its background
PROMPT = "数値を入力してください。".encode("cp932")  # the data exchange's request for a number
WM_SYSCOMMAND = 0x0112
REG_SZ, REG_BINARY, REG_DWORD = 1, 3, 4


def wait_until(condition, what, timeout=DEADLINE):
    """Polls condition() until it returns something true; that value."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def probe(*args):
    """Output lines of a look from outside; raises when an action fails."""
    out = subprocess.run([WINE_RUN, os.path.join(BIN, "probe.exe")] + [str(a) for a in args],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120, check=False)
    if out.returncode != 0:
        raise AssertionError("probe %s failed: %d" % (args[0], out.returncode))
    return out.stdout.decode("latin-1").splitlines()


def unhex(text):
    return b"" if text == "-" else bytes.fromhex(text)


class Control:
    def __init__(self, fields):
        self.id, self.check = int(fields[0]), int(fields[7])
        l, t, r, b = self.rect = tuple(int(v) for v in fields[3:7])
        self.centre = ((l + r) // 2, (t + b) // 2)
        self.text = unhex(fields[8]) if fields[8] != "?" else None


class Window:
    """A top-level window as another process sees it: its controls by id, and all
    of them (the static texts share one id) in order."""

    def __init__(self, rect, text=None, depth=0):
        self.rect, self.text, self.depth = rect, text, depth
        self.origin, self.size = rect[:2], (rect[2] - rect[0], rect[3] - rect[1])
        self.controls, self.all = {}, []

    def texts(self):
        return [c.text for c in self.all]


def parse_windows(lines):
    windows = []
    for line in lines:
        f = line.split()
        if f[0] == "window" and f[1] == "1":
            windows.append(Window(tuple(int(v) for v in f[2:6])))
        elif f[0] == "owned":
            windows.append(Window(tuple(int(v) for v in f[2:6]), unhex(f[6]) if f[6] != "?" else None, int(f[7])))
        elif windows and (f[0][0].isdigit() or f[0][0] == "-"):
            c = Control(f)
            windows[-1].all.append(c)
            windows[-1].controls.setdefault(c.id, c)
    return windows


# Where the keyboard focus is: control id (0 for a top-level window itself), and the
# rect of the top-level window that holds it, None for the main window.
Focus = collections.namedtuple("Focus", "id root_rect")


def registry():
    """The settings key: None when it does not exist, else {name: (type, bytes)}."""
    lines = probe("reg-dump")
    if lines == ["nokey"]:
        return None
    return {f[0]: (int(f[1]), unhex(f[3])) for f in (line.split() for line in lines)}


def store(name, vtype, data):
    probe("reg-set", name, vtype, data.hex() or "-")


def stored_text(text):
    """A text value as the program stores it: with its terminating zero."""
    return (REG_SZ, text.encode("ascii") + b"\0")


def stored_dword(value):
    return (REG_DWORD, (value & 0xFFFFFFFF).to_bytes(4, "little"))


def screenshot():
    png = subprocess.run(["import", "-window", "root", "png:-"], stdout=subprocess.PIPE, check=True,
                         timeout=60).stdout
    return Image.open(io.BytesIO(png)).convert("RGB")


GLYPHS = {name: Image.open(os.path.join(IMAGES, file)).convert("RGB").tobytes()
          for name, file in GLYPH_FILES.items()}


def xdotool(*args):
    return subprocess.run(["xdotool"] + [str(a) for a in args], check=True, timeout=60,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.decode()


def move_pointer(x, y):
    """Moves the pointer and waits until it is there. (xdotool's own --sync waits
    for a motion, which never comes when the pointer is already in place.)"""
    xdotool("mousemove", x, y)

    def there():
        fields = dict(line.split("=", 1) for line in xdotool("getmouselocation", "--shell").split())
        return (int(fields["X"]), int(fields["Y"])) == (x, y)

    wait_until(there, "the pointer at %r" % ((x, y),))


class Varnok:
    """One run of the program, started on the registry key as it is."""

    def __init__(self):
        self.proc = subprocess.Popen([WINE_RUN, os.path.join(BIN, "Varnok.exe")],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.snap = wait_until(self.snapshot, "the main window")
        self.xid = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "^%s$" % TITLE).split(),
                              "the main window on the X display")[0]
        self.place_offsets = [(self.snap.controls[p].rect[0] - self.snap.rect[0],
                               self.snap.controls[p].rect[1] - self.snap.rect[1]) for p in PLACE_IDS]

    def snapshot(self):
        """The main window while it is visible, else None."""
        return next(iter(parse_windows(probe("children", TITLE))), None)

    def owned(self):
        return parse_windows(probe("owned", TITLE))

    def focused(self):
        f = probe("focus", TITLE)[0].split()
        if f[:2] == ["focus", "none"] or f[0] != "focus":
            return None
        return Focus(int(f[1]), None if f[3] == "main" else tuple(int(v) for v in f[4:8]))

    def has_focus(self, cid, window=None):
        """Whether control cid of the main window (or of window) holds the keyboard focus."""
        return self.focused() == Focus(cid, window.rect if window else None)

    def wait_focus(self, cid, window=None, what=None):
        wait_until(lambda: self.has_focus(cid, window), what or "the focus on control %d" % cid)

    def check(self):
        return self.snapshot().controls[1009].check

    def wait_check(self, value, what):
        wait_until(lambda: self.check() == value, what)

    def post(self, message, wparam=0, lparam=0):
        """Posts a message to the main window, as the task bar or another program may."""
        probe("post", TITLE, hex(message), hex(wparam), lparam)

    def move(self, x, y):
        """Moves the main window from outside, as a window manager would."""
        probe("move", TITLE, x, y)

    def options(self):
        """The settings dialog while it is open, else None."""
        return next((w for w in self.owned() if w.depth == 1 and w.size == OPTIONS_SIZE), None)

    def wait_options(self):
        """Waits for the settings dialog to open and take the focus; the dialog."""
        dialog = wait_until(self.options, "the settings dialog")
        self.wait_focus_in(dialog, "the settings dialog to take the focus")
        return dialog

    def wait_focus_in(self, window, what):
        wait_until(lambda: (self.focused() or Focus(0, None)).root_rect == window.rect, what)

    def prompt(self):
        shown = [w for w in self.owned() if PROMPT in w.texts()]
        assert len(shown) <= 1, "%d prompts open" % len(shown)
        return shown[0] if shown else None

    def dismiss_prompt(self):
        """Waits for the prompt for a number to take the focus, closes it with Enter
        and waits until it has gone; the prompt as it was."""
        prompt = wait_until(self.prompt, "the prompt for a number")
        self.wait_focus_in(prompt, "the prompt to take the focus")
        self.keys("Return")
        wait_until(lambda: not self.prompt(), "the prompt to close")
        return prompt

    def keys(self, *keys):
        """Key presses to whichever window of the program holds the focus: X gives them
        to one of the program's windows, the program hands them to its focus."""
        xdotool("windowfocus", "--sync", self.xid)
        for key in keys:
            xdotool("key", "--clearmodifiers", key)

    def type(self, text):
        xdotool("windowfocus", "--sync", self.xid)
        xdotool("type", "--delay", "30", "--", text)

    def click(self, x, y):
        move_pointer(x, y)
        xdotool("click", "1")

    def drag(self, x, y, dx, dy, steps=8):
        move_pointer(x, y)
        xdotool("mousedown", "1")
        for i in range(1, steps + 1):
            move_pointer(x + dx * i // steps, y + dy * i // steps)
        xdotool("mouseup", "1")

    def press(self, cid, window=None):
        """Clicks a button of the main window, or of window."""
        self.click(*(window or self.snapshot()).controls[cid].centre)

    def fill(self, cid, text, window=None):
        """Replaces an edit's text as a person does: click into it, select all of it,
        type the new text."""
        if not self.has_focus(cid, window):
            self.press(cid, window)
            self.wait_focus(cid, window, "the focus in edit %d" % cid)
        self.keys("End", "shift+Home", "BackSpace")
        if text:
            self.type(text)

        def holds_text():
            controls = (window and self.options() or self.snapshot()).controls
            return controls[cid].text == text.encode("latin-1")

        wait_until(holds_text, "edit %d to hold %r" % (cid, text))

    def crops(self, *rects):
        """The pixels in each rect, given relative to the main window's corner, all
        from one picture of the screen."""
        left, top = self.snap.origin
        image = screenshot()
        return tuple(image.crop((left + r[0], top + r[1], left + r[2], top + r[3])).tobytes() for r in rects)

    def display(self):
        """What the seven places show, left to right; '?' where no glyph matches."""
        cells = self.crops(*[(dx, dy, dx + 27, dy + 45) for dx, dy in self.place_offsets])
        return "".join(next((name for name, data in GLYPHS.items() if data == cell), "?") for cell in cells)

    def wait_display(self, expected):
        seen = []
        try:
            wait_until(lambda: seen.append(self.display()) or seen[-1] == expected, "the display")
        except AssertionError:
            raise AssertionError("the display shows %r, expected %r" % (seen[-1], expected))

    def wait_exit(self):
        try:
            self.proc.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(timeout=DEADLINE)
        # The window goes with the process; the next run must not find this one.
        wait_until(lambda: probe("children", TITLE) == ["nowindow"], "the window to go away")


class VarnokTestCase(unittest.TestCase):
    """Each journey starts on an empty settings key and ends the program it started."""

    def setUp(self):
        probe("reg-clear")
        self.app = None

    def tearDown(self):
        if self.app is not None:
            self.app.kill()

    def start(self, **values):
        """Stores values given as name=(type, bytes), then starts the program."""
        for name, (vtype, data) in values.items():
            store(name, vtype, data)
        self.app = Varnok()
        return self.app

    def end(self, action):
        """Ends the program by action and waits until it has gone."""
        action()
        self.app.wait_exit()
        self.app.kill()
        self.app = None

    def calculate(self, temperature, expected):
        """Enters a water temperature, presses Enter and waits for the display."""
        self.app.fill(1002, temperature)
        self.app.keys("Return")
        self.app.wait_display(expected)
