"""Drives the real Varnok.exe under Wine as a person would: X key presses and clicks through xdotool, the screen
read back as pixels and compared with pictures a person approved, the windows, their controls and the registry key
looked at from outside through probe.exe."""
import ast
import collections
import io
import os
import subprocess
import sys
import time
import unittest

from PIL import Image, ImageChops

BIN = os.environ["VARNOK_BIN"]
WINE_RUN = os.environ["VARNOK_WINE_RUN"]
SOURCE = os.environ["VARNOK_SOURCE"]
ARTIFACTS = os.environ["VARNOK_ARTIFACTS"]  # where a failed journey leaves its evidence
TITLE = os.environ["VARNOK_CAPTION"]
KEY = "HKCU\\" + os.environ["VARNOK_SETTINGS_KEY"]
DEADLINE = 30.0
MAIN_SIZE = (228, 172)
OPTIONS_SIZE = (209, 172)  # the settings dialog, fitted to its background
GLYPH_SIZE = (27, 45)
# The data exchange's request for a number, by the interface language the program runs in (VARNOK_LANG).
PROMPTS = {"ja": "数値を入力してください。".encode("cp932"), "en": b"Please enter a number."}


def artwork(name):
    return Image.open(os.path.join(SOURCE, "calculator", "resources", "images", name + ".bmp")).convert("RGB").tobytes()


GLYPHS = dict({str(d): artwork("digit_%d" % d) for d in range(10)}, **{
    ".": artwork("glyph_point"), " ": artwork("glyph_blank"), "E": artwork("glyph_e"), "-": artwork("glyph_minus")})
# The faces of the main window's bitmap buttons, Calc, Opt and Off, as they are drawn.
FACES = {button: {face: artwork("%s_%s" % (button, face)) for face in ("up", "down", "focus")}
         for button in ("calc", "opt", "off")}


def wait_until(condition, what):
    """Polls condition() until it returns something true; that value. what may be a function of the last look."""
    end = time.monotonic() + DEADLINE
    while not (value := condition()):
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + (what() if callable(what) else what))
        time.sleep(0.05)
    return value


def run(*args, tries=1, timeout=120):
    """A command's stdout; a failure raises with what it wrote (Wine's reg writes its errors to stdout). Under load
    Wine has failed a look or a reg add with status 1 twice in some thousands of runs, and once left a look waiting
    for minutes: a command that changes nothing or sets the same again may have two tries."""
    for _ in range(tries):
        try:
            return subprocess.run([str(a) for a in args], capture_output=True, timeout=timeout, check=True).stdout
        except (subprocess.CalledProcessError, subprocess.TimeoutExpired) as error:
            failure = error
    output = (failure.stdout or b"") + (failure.stderr or b"")
    raise AssertionError("%s\n%s" % (failure, output.decode("cp932", "replace")[-2000:]))


def probe(*args):
    """What probe.exe found, None when it prints nothing; raises when its action fails. A look or a dump takes
    seconds at most, so two tries fit in a journey's time."""
    looks = args[0] in ("look", "reg-dump")
    out = run(WINE_RUN, os.path.join(BIN, "probe.exe"), *args, tries=2 if looks else 1, timeout=60 if looks else 120)
    return ast.literal_eval(out.decode("ascii") or "None")


def registry():
    return probe("reg-dump")


def stored(value):
    """A value as the program stores it: a text with its terminating zero (REG_SZ), a number as a REG_DWORD."""
    if isinstance(value, str):
        return (1, value.encode("ascii") + b"\0")
    return (4, (value & 0xFFFFFFFF).to_bytes(4, "little"))


def screenshot():
    return Image.open(io.BytesIO(run("import", "-window", "root", "png:-"))).convert("RGB")


def xdotool(*args):
    """Runs xdotool, which has the X server act on what it sends before it returns (it syncs as it closes)."""
    return run("xdotool", *args).decode()


class Control(collections.namedtuple("Control", "id rect text check visible")):
    @property
    def centre(self):
        return ((self.rect[0] + self.rect[2]) // 2, (self.rect[1] + self.rect[3]) // 2)


class Window:
    """A top-level window as another process sees it; its static texts share one id."""

    def __init__(self, rect, text, depth, controls):
        self.rect, self.text, self.depth, self.origin = rect, text, depth, rect[:2]
        self.size = (rect[2] - rect[0], rect[3] - rect[1])
        self.texts = [c[2] for c in controls]
        self.controls = {c[0]: Control(*c) for c in controls}
        # Where the display's places stand on the screen, left to right, whatever their ids.
        self.places = sorted(c.rect for c in self.controls.values()
                             if c.visible and (c.rect[2] - c.rect[0], c.rect[3] - c.rect[1]) == GLYPH_SIZE)


class Varnok:
    """One run of the program in the folder given, on the registry key as it is, in the interface language given."""

    def __init__(self, folder, language):
        self.prompt = PROMPTS[language]
        self.proc = subprocess.Popen([WINE_RUN, os.path.join(folder, "Varnok.exe")], env=dict(os.environ,
                                     VARNOK_LANG=language), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

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
        main, _, focus = self.look()
        return bool(focus and main) and focus[1] == (window or main).rect and cid in (None, focus[0])

    def wait_focus(self, cid, window=None, what=None):
        wait_until(lambda: self.has_focus(cid, window), what or "the focus on control %r" % cid)

    def wait_check(self, value, what):
        wait_until(lambda: self.snapshot().controls[1009].check == value, what)

    def options(self):
        return next((w for w in self.owned() if w.depth == 1 and w.size == OPTIONS_SIZE), None)

    def dismiss_prompt(self):
        """Closes the one prompt for a number with Enter once it holds the focus; the prompt as it was."""
        def prompts():
            return [w for w in self.owned() if self.prompt in w.texts]
        prompt, = wait_until(prompts, "the prompt for a number")
        self.wait_focus(None, prompt, "the prompt to take the focus")
        self.keys("Return")
        wait_until(lambda: not prompts(), "the prompt to close")
        return prompt

    def focus_program(self):
        """Sets the X input focus on the main window only where it is on none of the program's windows: Wine puts
        it on each window it activates, and setting it past an open dialog makes Wine reactivate them between keys."""
        ours = xdotool("search", "--classname", "^varnok\\.exe$").split()
        if xdotool("getwindowfocus").strip() not in ours:
            xdotool("windowfocus", "--sync", self.xid)

    def keys(self, *keys):
        """Key presses to the program's focus: X gives them to one of its windows, which hands them on."""
        self.focus_program()
        for key in keys:
            xdotool("key", "--clearmodifiers", key)

    def type(self, text):
        self.focus_program()
        xdotool("type", "--delay", "30", "--", text)

    def click(self, x, y):
        xdotool("mousemove", x, y, "click", "1")

    def press(self, cid, window=None):
        self.click(*(window or self.snapshot()).controls[cid].centre)

    def fill(self, cid, text, window=None):
        """Replaces an edit's text as a person does: click into it unless the caret is there, select it all, type."""
        if not self.has_focus(cid, window):
            self.press(cid, window)
            self.wait_focus(cid, window, "the focus in edit %d" % cid)
        self.keys("End", "shift+Home", "BackSpace")
        self.type(text)
        wait_until(lambda: (window and self.options() or self.snapshot()).controls[cid].text == text.encode(),
                   "edit %d to hold %r" % (cid, text))

    def wait_display(self, expected):
        """Waits until the places show expected, read left to right as they stand ('?' where no glyph matches)."""
        places, shown = self.snapshot().places, [None]

        def shows_expected():
            image = screenshot()
            cells = [image.crop(r[:2] + (r[0] + GLYPH_SIZE[0], r[1] + GLYPH_SIZE[1])).tobytes() for r in places]
            shown[0] = "".join(next((text for text, data in GLYPHS.items() if data == c), "?") for c in cells)
            return shown[0] == expected

        wait_until(shows_expected, lambda: "the display to show %r, not %r" % (expected, shown[0]))

    def faces(self, window, buttons):
        """The face each of the buttons {control id: its name in FACES} shows ('?' for none of its own)."""
        image = screenshot()
        return {cid: next((face for face, data in FACES[name].items()
                           if image.crop(window.controls[cid].rect).tobytes() == data), "?")
                for cid, name in buttons.items()}

    def wait_exit(self):
        wait_until(lambda: self.proc.poll() is not None, "the program to end")

    def kill(self):
        self.proc.kill()  # nothing once it has ended
        self.proc.wait(timeout=DEADLINE)
        # The window goes with the process; the next run must not find this one.
        wait_until(lambda: probe("look", TITLE) is None, "the window to go away")


class VarnokTestCase(unittest.TestCase):
    """Each journey starts on an empty settings key and ends the program it started, which runs in the interface
    language of the class. A failed one leaves the screen and the probe's look at the windows beside its output."""
    language = "ja"

    def setUp(self):
        if registry() is not None:
            run(WINE_RUN, "reg", "delete", KEY, "/f", tries=2)

    def start(self, folder=BIN, **values):
        """Stores values given as name=(type, data) as `reg add` takes them, then starts the program and waits for
        its main window, on the screen and on the X display."""
        for name, (vtype, data) in values.items():
            run(WINE_RUN, "reg", "add", KEY, "/v", name, "/t", vtype, "/d", data, "/f", tries=2)
        self.app = app = Varnok(folder, self.language)
        self.addCleanup(app.kill)
        self.addCleanup(self.keep_evidence)  # cleanups run last first: before the program is ended
        app.snap = wait_until(app.snapshot, "the main window")
        app.xid = wait_until(lambda: xdotool("search", "--onlyvisible", "--name", "^%s$" % TITLE).split(),
                             "the main window on the X display")[0]
        return app

    def artifact(self, suffix):
        os.makedirs(ARTIFACTS, exist_ok=True)
        return os.path.join(ARTIFACTS, type(self).__name__ + suffix)

    def keep_evidence(self):
        result = self._outcome.result  # a clean-up runs as a part of its own: the test's failures are here
        if any(test is self for test, _ in result.failures + result.errors):
            screenshot().save(self.artifact(".screen.png"))
            with open(self.artifact(".look.txt"), "w") as f:
                f.write("look: %r\nregistry: %r\nX focus: %s\n" % (
                    probe("look", TITLE), registry(), xdotool("getwindowfocus").strip()))
            print("\nthe screen and the probe's look at the failure: %s.*" % self.artifact(""), file=sys.stderr)

    def assert_looks_like(self, find_window, name):
        """Waits until the window find_window() returns looks exactly as the approved picture name (the README's
        under docs/, the others under tests/e2e/reference/), but where the caret may blink; else leaves what it
        showed and where it differs (not black) beside the output."""
        path = os.path.join(SOURCE, *([] if name.startswith("docs/") else ["tests", "e2e", "reference"]), name)
        expected = Image.open(path).convert("RGB") if os.path.exists(path) else None  # None: to be approved
        stem, last = self.artifact("." + os.path.basename(name)[:-len(".png")]), {}

        def matches():
            window, focus = find_window(), self.app.look()[2]
            if window is None:
                return False
            last["actual"] = actual = screenshot().crop(window.rect)
            diff = ImageChops.difference(actual, expected) if expected and actual.size == expected.size else None
            if diff is not None and focus and focus[2]:
                diff.paste((0, 0, 0), tuple(a - b for a, b in zip(focus[2], window.origin * 2)))
            last["difference"] = diff
            return diff is not None and diff.getbbox() is None

        try:
            wait_until(matches, lambda: "the window to look as %s (differing: %s; what it showed and the difference: "
                       "%s.*.png)" % (name, last.get("difference") and last["difference"].getbbox() or "size", stem))
        except AssertionError:
            for part, image in last.items():
                if image is not None:
                    image.save("%s.%s.png" % (stem, part))
            raise

    def end(self, action):
        action()
        self.app.wait_exit()
        self.app.kill()

    def calculate(self, temperature, expected):
        self.app.fill(1002, temperature)
        self.app.keys("Return")
        self.app.wait_display(expected)
