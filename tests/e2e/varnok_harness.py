"""Drives the real Varnok.exe under Wine as a person would: X key presses and
clicks through xdotool, the screen read back as pixels, the window's controls
and the registry key looked at through probe.exe from outside the program."""
import io
import os
import subprocess
import time

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


def probe(*args):
    out = subprocess.run([WINE_RUN, os.path.join(BIN, "probe.exe")] + list(args),
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
REG_DWORD = 4


def set_text(name, text, vtype=REG_SZ, terminated=True):
    data = text.encode("latin-1") + (b"\0" if terminated else b"")
    set_bytes(name, data, vtype)


def set_dword(name, value):
    set_bytes(name, (value & 0xFFFFFFFF).to_bytes(4, "little"), REG_DWORD)


def set_bytes(name, data, vtype):
    assert probe("reg-set", name, str(vtype), data.hex() or "-") is not None


def clear_registry():
    probe("reg-clear")


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


class Varnok:
    """One run of the program, started on a prepared registry key."""

    def __init__(self):
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
        """Visible windows the main window owns: [(class, rect, text, [controls])]."""
        result = []
        for line in probe("owned", TITLE):
            if line.startswith("owned "):
                f = line.split()
                result.append((f[1], tuple(int(v) for v in f[2:6]), unhex(f[6]), []))
            elif result and line and (line[0].isdigit() or line[0] == "-"):
                result[-1][3].append(Control(line))
        return result

    def focus(self):
        xdotool("windowfocus", "--sync", self.xid)

    def keys(self, *keys):
        self.focus()
        for key in keys:
            xdotool("key", "--clearmodifiers", key)

    def type(self, text):
        self.focus()
        xdotool("type", "--delay", "30", text)

    def click(self, x, y):
        xdotool("mousemove", "--sync", x, y)
        xdotool("click", "1")

    def drag(self, x, y, x2, y2, steps=10):
        xdotool("mousemove", "--sync", x, y)
        xdotool("mousedown", "1")
        for i in range(1, steps + 1):
            xdotool("mousemove", "--sync", x + (x2 - x) * i // steps, y + (y2 - y) * i // steps)
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
