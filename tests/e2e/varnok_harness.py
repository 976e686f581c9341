"""Drives the real Varnok.exe under Wine as a person would: X key presses and
clicks through xdotool, the screen read back as pixels, the window's controls
and the registry key looked at through probe.exe from outside the program."""
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
DEADLINE = float(os.environ.get("VARNOK_DEADLINE", "30"))

# Glyph bitmap files by what they show on the display.
GLYPH_FILES = {str(d): "digit_%d.bmp" % d for d in range(10)}
GLYPH_FILES.update({".": "glyph_point.bmp", " ": "glyph_blank.bmp", "E": "glyph_e.bmp", "-": "glyph_minus.bmp"})
PLACE_IDS = list(range(1023, 1030))  # left to right

YELLOW = (255, 255, 0)

OPTIONS_SIZE = (209, 172)  # the settings dialog, fitted to its background
PROMPT = "数値を入力してください。".encode("cp932")  # the data exchange's request for a number
WM_CLOSE = 0x0010
WM_SYSCOMMAND = 0x0112


def wait_until(condition, what, timeout=DEADLINE, interval=0.1):
    """Polls condition() until it returns something true; that value."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(interval)


def cp932(text):
    return text.encode("cp932")


def probe(*args, stdin=b""):
    out = subprocess.run([WINE_RUN, os.path.join(BIN, "probe.exe")] + list(args), input=stdin,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=120, check=False)
    return out.stdout.decode("latin-1").splitlines()


def unhex(text):
    return b"" if text == "-" else bytes.fromhex(text)


class Control:
    def __init__(self, line):
        f = line.split()
        self.id = int(f[0])
        self.cls = f[1]
        self.visible = f[2] == "1"
        self.rect = tuple(int(v) for v in f[3:7])
        self.check = int(f[7])
        self.text = unhex(f[8])

    @property
    def centre(self):
        l, t, r, b = self.rect
        return ((l + r) // 2, (t + b) // 2)


# A window in the chain of owners below the main window; depth 1 is owned by it directly.
Owned = collections.namedtuple("Owned", "cls rect text controls depth")

# Where the keyboard focus is: control id (0 for a top-level window itself), its class,
# and "main" or the class of the top-level window that holds it with that window's rect.
Focus = collections.namedtuple("Focus", "id cls root root_rect")


class Snapshot:
    """The main window and its controls as another process sees them."""

    def __init__(self, lines):
        self.controls = {}
        self.found = False
        self.owned = []
        for line in lines:
            if line.startswith("window "):
                f = line.split()
                self.found = True
                self.visible = f[1] == "1"
                self.rect = tuple(int(v) for v in f[2:6])
                self.exstyle = int(f[6], 16)
            elif line and line[0].isdigit() or line.startswith("-"):
                c = Control(line)
                self.controls.setdefault(c.id, c)

    @property
    def origin(self):
        return self.rect[0], self.rect[1]

    @property
    def size(self):
        return self.rect[2] - self.rect[0], self.rect[3] - self.rect[1]


def registry():
    """The settings key: None when it does not exist, else {name: (type, bytes)}."""
    lines = probe("reg-dump")
    if lines and lines[0] == "nokey":
        return None
    values = {}
    for line in lines:
        name, vtype, size, data = line.split()
        blob = unhex(data)
        assert len(blob) == int(size)
        values[name] = (int(vtype), blob)
    return values


REG_SZ = 1
REG_BINARY = 3
REG_DWORD = 4


def set_text(name, text, vtype=REG_SZ, terminated=True):
    data = text.encode("latin-1") + (b"\0" if terminated else b"")
    set_bytes(name, data, vtype)


def set_dword(name, value):
    set_bytes(name, (value & 0xFFFFFFFF).to_bytes(4, "little"), REG_DWORD)


def set_bytes(name, data, vtype):
    """Stores a value; a text type that lacks its terminating zero is given one by the
    registry, so the program reads the data with it."""
    if len(data) > 4096:  # beyond what a command line carries
        probe("reg-set", name, str(vtype), "@", stdin=data.hex().encode("ascii"))
    else:
        probe("reg-set", name, str(vtype), data.hex() or "-")
    stored = (registry() or {}).get(name)
    if stored not in [(vtype, data), (vtype, data + b"\0")]:
        raise AssertionError("could not store %s" % name)


def clear_registry():
    probe("reg-clear")


def size_of(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


def screenshot():
    png = subprocess.run(["import", "-window", "root", "-display", os.environ["DISPLAY"], "png:-"],
                         stdout=subprocess.PIPE, check=True, timeout=60).stdout
    return Image.open(io.BytesIO(png)).convert("RGB")


_glyphs = None


def glyphs():
    global _glyphs
    if _glyphs is None:
        _glyphs = {}
        for name, file in GLYPH_FILES.items():
            _glyphs[name] = Image.open(os.path.join(IMAGES, file)).convert("RGB").tobytes()
    return _glyphs


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True, timeout=60,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def pointer():
    out = subprocess.run(["xdotool", "getmouselocation", "--shell"], stdout=subprocess.PIPE,
                         check=True, timeout=60).stdout.decode()
    fields = dict(line.split("=", 1) for line in out.split())
    return int(fields["X"]), int(fields["Y"])


def move_pointer(x, y):
    """Moves the pointer and waits until it is there. (xdotool's own --sync waits
    for a motion, which never comes when the pointer is already in place.)"""
    xdotool("mousemove", x, y)
    wait_until(lambda: pointer() == (x, y), "the pointer at %r" % ((x, y),))


_windows_unmanaged = False


def unmanage_windows():
    """No window manager runs on the test display. Left to expect one, Wine leaves
    captions undrawn and waits two seconds at every window that closes; told to
    manage its windows itself, it draws captions and their buttons as the platform
    does. Set once per run of the tests, before the first program starts."""
    global _windows_unmanaged
    if not _windows_unmanaged:
        subprocess.run([WINE_RUN, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                        "/t", "REG_SZ", "/d", "N", "/f"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=120, check=True)
        _windows_unmanaged = True


class Varnok:
    """One run of the program, started on a prepared registry key."""

    def __init__(self):
        unmanage_windows()
        self.proc = subprocess.Popen([WINE_RUN, os.path.join(BIN, "Varnok.exe")],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.snap = wait_until(self._visible_window, "the main window")
        self.xid = wait_until(self._x_window, "the main window on the X display")
        left, top = self.snap.origin
        self.place_offsets = [(self.snap.controls[p].rect[0] - left, self.snap.controls[p].rect[1] - top)
                              for p in PLACE_IDS]

    def _visible_window(self):
        snap = self.snapshot()
        return snap if snap.found and snap.visible else None

    def _x_window(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % TITLE],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60).stdout.split()
        return out[0].decode() if out else None

    def snapshot(self):
        return Snapshot(probe("children", TITLE))

    def owned(self):
        """Visible windows the main window owns, directly or through one another owns:
        [Owned(class, rect, text, [controls], depth)]."""
        result = []
        for line in probe("owned", TITLE):
            if line.startswith("owned "):
                f = line.split()
                result.append(Owned(f[1], tuple(int(v) for v in f[2:6]), unhex(f[6]), [], int(f[7])))
            elif result and line and (line[0].isdigit() or line[0] == "-"):
                result[-1].controls.append(Control(line))
        return result

    def focused(self):
        """Where the program's keyboard focus is, as a Focus; None when nowhere."""
        for line in probe("focus", TITLE):
            f = line.split()
            if f[:1] == ["focus"] and len(f) >= 4:
                rect = tuple(int(v) for v in f[4:8]) if f[3] != "main" else None
                return Focus(int(f[1]), f[2], f[3], rect)
        return None

    def close_buttons(self):
        """Centres of the caption close buttons of the windows the main window owns."""
        return [(int(f[1]), int(f[2])) for f in (line.split() for line in probe("close-button", TITLE))
                if f[:1] == ["close"] and f[1] != "none"]

    def post(self, message, wparam=0, lparam=0):
        """Posts a message to the main window from another process."""
        return probe("post", TITLE, hex(message), hex(wparam), str(lparam))

    def post_owned(self, message, wparam=0, lparam=0):
        """Posts a message to every visible window the main window owns."""
        return probe("post-owned", TITLE, hex(message), hex(wparam), str(lparam))

    def options(self):
        """The settings dialog while it is open, else None."""
        return next((w for w in self.owned()
                     if w.cls == "#32770" and w.depth == 1 and size_of(w.rect) == OPTIONS_SIZE), None)

    def wait_options(self):
        return wait_until(self.options, "the settings dialog")

    def prompts(self):
        """Open prompts asking for a number, at any depth below the main window."""
        return [w for w in self.owned() if w.cls == "#32770" and PROMPT in [c.text for c in w.controls]]

    def dismiss_prompt(self):
        """Waits for the one prompt, closes it with Enter and waits until it has gone."""
        shown = wait_until(self.prompts, "the prompt for a number")
        if len(shown) != 1:
            raise AssertionError("%d prompts open" % len(shown))
        self.keys("Return", focus_main=False)
        wait_until(lambda: not self.prompts(), "the prompt to close")
        return shown[0]

    def control(self, cid, in_options=False):
        """Control cid of the main window, or of the settings dialog; None when not there."""
        if in_options:
            dialog = self.options()
            return next((c for c in dialog.controls if c.id == cid), None) if dialog else None
        return self.snapshot().controls.get(cid)

    def has_focus(self, cid, in_options=False):
        """Whether control cid of the main window (or of the settings dialog) holds the focus."""
        where = self.focused()
        if where is None or where.id != cid:
            return False
        if not in_options:
            return where.root == "main"
        dialog = self.options()
        return dialog is not None and where.root == "#32770" and where.root_rect == dialog.rect

    def fill(self, cid, text, in_options=False, paste=False):
        """Replaces an edit's text as a person does: click into it, select all of it,
        then type the new text (or paste it from the clipboard)."""
        if not self.has_focus(cid, in_options):
            self.click(*self.control(cid, in_options).centre)
            wait_until(lambda: self.has_focus(cid, in_options), "the focus in edit %d" % cid)
        # An open dialog holds the keyboard; otherwise the keys go to the main window.
        self.keys("End", "shift+Home", focus_main=not in_options)
        if paste:
            probe("clip-set", text.encode("latin-1").hex() or "-")
            self.keys("ctrl+v", focus_main=False)
        elif text:
            self.type(text, focus_main=False)
        else:
            self.keys("BackSpace", focus_main=False)
        expected = text.encode("latin-1")

        def holds_text():
            # A look from outside can miss a window that is busy with a long text.
            control = self.control(cid, in_options)
            return control is not None and control.text == expected

        wait_until(holds_text, "edit %d to hold the text" % cid)

    def press(self, cid, in_options=False):
        """Clicks a button of the main window or of the settings dialog."""
        self.click(*self.control(cid, in_options).centre)

    def sync(self):
        """Returns once the program takes messages again, in whichever of its modal
        loops runs: what it was doing has finished."""
        if probe("sync", TITLE) != ["synced"]:
            raise AssertionError("the program does not take messages")

    def wait_back_in_main(self):
        """Waits until the keyboard focus is back in the main window's edit and the
        program takes messages again: a dialog has closed and its caller has finished."""
        wait_until(lambda: self.has_focus(1002), "the focus back in the water-temperature edit")
        self.sync()

    def crops(self, *rects):
        """The pixels in each rect, given relative to the main window's corner, all
        from one picture of the screen."""
        left, top = self.x_origin()
        image = screenshot()
        return tuple(image.crop((left + r[0], top + r[1], left + r[2], top + r[3])).tobytes() for r in rects)

    def focus(self):
        xdotool("windowfocus", "--sync", self.xid)

    def keys(self, *keys, focus_main=True):
        """Key presses; to the main window, or with focus_main False to whatever
        window of the program holds the focus now (an open dialog)."""
        if focus_main:
            self.focus()
        for key in keys:
            xdotool("key", "--clearmodifiers", key)

    def type(self, text, focus_main=True):
        if focus_main:
            self.focus()
        xdotool("type", "--delay", "30", "--", text)

    def click(self, x, y):
        move_pointer(x, y)
        xdotool("click", "1")

    def drag(self, x, y, x2, y2, steps=10):
        move_pointer(x, y)
        xdotool("mousedown", "1")
        for i in range(1, steps + 1):
            move_pointer(x + (x2 - x) * i // steps, y + (y2 - y) * i // steps)
        xdotool("mouseup", "1")

    def edit_text(self):
        return self.snapshot().controls[1002].text

    def x_origin(self):
        """Where the window is, asked of X, so looking does not disturb the program."""
        out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", self.xid], stdout=subprocess.PIPE,
                             check=True, timeout=60).stdout.decode()
        fields = dict(line.split("=", 1) for line in out.split())
        return int(fields["X"]), int(fields["Y"])

    def display(self):
        """What the seven places show, left to right; '?' where no glyph matches."""
        left, top = self.x_origin()
        image = screenshot()
        shown = ""
        for dx, dy in self.place_offsets:
            cell = image.crop((left + dx, top + dy, left + dx + 27, top + dy + 45)).tobytes()
            shown += next((name for name, data in glyphs().items() if data == cell), "?")
        return shown

    def wait_display(self, expected):
        last = []

        def shows():
            last[:] = [self.display()]
            return last[0] == expected

        try:
            wait_until(shows, "the display to show %r" % expected)
        except AssertionError:
            raise AssertionError("display shows %r, expected %r" % (last[0] if last else None, expected))

    def running(self):
        return self.proc.poll() is None

    def wait_exit(self):
        try:
            self.proc.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")

    def kill(self):
        if self.running():
            self.proc.kill()
            self.proc.wait(timeout=DEADLINE)
        # The window goes with the process; the next run must not find this one.
        wait_until(lambda: not Snapshot(probe("children", TITLE)).found, "the window to go away")


def stored_text(text):
    """A text value as the program stores it: with its terminating zero."""
    return (REG_SZ, text.encode("ascii") + b"\0")


def stored_flag(value):
    return (REG_DWORD, value.to_bytes(4, "little"))


class VarnokTestCase(unittest.TestCase):
    """Each test starts on an empty settings key and ends the program it started."""

    def setUp(self):
        clear_registry()
        self.app = None

    def tearDown(self):
        if self.app is not None:
            self.app.kill()

    def start(self):
        """Starts the program, ending the run before it."""
        if self.app is not None:
            self.app.kill()
        self.app = Varnok()
        return self.app

    def fill(self, cid, text, in_options=False):
        # Long texts are pasted, as a person would bring them in.
        self.app.fill(cid, text, in_options=in_options, paste=len(text) > 100)

    def calculate(self, temperature, expected):
        """Enters a water temperature, presses Enter and waits for the display."""
        self.fill(1002, temperature)
        self.app.keys("Return")
        self.app.wait_display(expected)

    def assertSettingsStored(self, base_temp, base_gravity, depth, salinity):
        """The four text settings in the key, each given as the text stored."""
        values = registry() or {}
        names = ("baseTemperature", "baseGravity", "depth", "density")
        texts = (base_temp, base_gravity, depth, salinity)
        self.assertEqual({name: values.get(name) for name in names},
                         {name: stored_text(text) for name, text in zip(names, texts)})
