"""The Windows release as a user gets it: the ZIP's contents, and the installer
and its uninstaller run silently under Wine in the session's prefix."""
import os
import shutil
import struct
import subprocess
import tempfile
import time
import unittest
import zipfile

PACKAGES = os.environ["VARNOK_PACKAGES"]
VERSION = os.environ["VARNOK_VERSION"]
PREFIX = os.environ["WINEPREFIX"]
DRIVE_C = os.path.join(PREFIX, "drive_c")
DEADLINE = 30.0

ZIP = os.path.join(PACKAGES, "Varnok-%s-win64.zip" % VERSION)
INSTALLER = os.path.join(PACKAGES, "Varnok-%s-win64.exe" % VERSION)
PROGRAM_FILES = os.path.join(DRIVE_C, "Program Files")
START_MENU = os.path.join(DRIVE_C, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", "Varnok")
UNINSTALL_KEYS = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
ENTRY = UNINSTALL_KEYS + "\\Varnok " + VERSION
VENDOR = r"HKLM\Software\brenmoor"
SETTINGS = r"HKCU\Software\brenmoor\Varnok"
INSTALLED_FILES = ["README.txt", "Uninstall.exe", "Varnok.exe", "hali.dll"]

# Shortcuts must not turn into menu entries of the machine running the tests.
WINE_ENV = dict(os.environ, LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8", WINEDEBUG="-all",
                WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d")


def wine(*args, check=True):
    """Runs a Windows program to its end; its exit code."""
    code = subprocess.run(["wine"] + list(args), env=WINE_ENV, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=DEADLINE).returncode
    if check and code != 0:
        raise AssertionError("%s exited with %d" % (" ".join(args), code))
    return code


def wine_command_line(line):
    """Runs one command line as a Windows shell would pass it, for the options
    that must not be quoted (/D= and _?= take the rest of the line, spaces and all)."""
    batch = os.path.join(DRIVE_C, "varnok-package-test.cmd")
    with open(batch, "wb") as f:
        f.write(("@%s\r\n@exit /b %%errorlevel%%\r\n" % line).encode("cp932"))
    try:
        return wine("cmd", "/c", r"C:\varnok-package-test.cmd", check=False)
    finally:
        os.remove(batch)


def unix_to_windows(path):
    return "Z:" + path.replace("/", "\\")


def reg_query(key):
    """The key's values as `reg query /s` lists them, or None without the key."""
    out = subprocess.run(["wine", "reg", "query", key, "/s"], env=WINE_ENV, stdout=subprocess.PIPE,
                         stderr=subprocess.DEVNULL, timeout=DEADLINE)
    if out.returncode != 0:
        return None
    return sorted(line.strip() for line in out.stdout.decode("cp932", "replace").splitlines() if line.strip())


def wait_until(condition, what):
    end = time.monotonic() + DEADLINE
    while not condition():
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.1)


def drive_tree():
    """Every file and folder of drive C:, apart from the temporary folders
    (where an uninstaller leaves its running copy until the next restart)."""
    tree = set()
    for root, dirs, files in os.walk(DRIVE_C):
        dirs[:] = [d for d in dirs if d.lower() != "temp"]
        rel = os.path.relpath(root, DRIVE_C)
        tree.update(os.path.join(rel, name) for name in dirs + files)
    return tree


def running_uninstallers():
    """Command lines of this prefix's processes that are an uninstaller's
    temporary copy (it runs with _?= naming the folder it removes)."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                cmdline = f.read()
            with open("/proc/%s/environ" % pid, "rb") as f:
                environ = f.read().split(b"\0")
        except OSError:
            continue
        if b"_?=" in cmdline and ("WINEPREFIX=" + PREFIX).encode() in environ:
            found.append(cmdline)
    return found


def uninstall(folder):
    """Runs the folder's uninstaller as the installed-programs list does. It
    copies itself to a temporary folder, starts the copy and returns: done once
    the copy has deleted the original and has ended."""
    wine(os.path.join(folder, "Uninstall.exe"), "/S")
    wait_until(lambda: not os.path.exists(os.path.join(folder, "Uninstall.exe")) and not running_uninstallers(),
               "the uninstaller to finish")


def run_and_close(folder):
    """Starts the installed program, waits for its window and closes it as the
    system does at log-off (WM_CLOSE), which makes it save the user's settings."""
    program = subprocess.Popen(["wine", os.path.join(folder, "Varnok.exe")], cwd=tempfile.gettempdir(),
                               env=WINE_ENV, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        def window():  # Wine gives the window the process id of the program it started
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "--name", "^Tervane$"],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=DEADLINE).stdout.split()
        wait_until(window, "the program's window")
        wine("taskkill", "/im", "Varnok.exe")
        return program.wait(timeout=DEADLINE)
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


def pe_symbols(data):
    """(pointer to the COFF symbol table, number of symbols) of a PE file."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    return struct.unpack_from("<II", data, pe + 12)


class ZipTest(unittest.TestCase):
    def test_holds_the_stripped_program_its_library_and_readme(self):
        with zipfile.ZipFile(ZIP) as archive:
            self.assertEqual(sorted(archive.namelist()), ["README.txt", "Varnok.exe", "hali.dll"])
            for name in ("Varnok.exe", "hali.dll"):
                self.assertEqual(pe_symbols(archive.read(name)), (0, 0), name + " carries symbols")


class InstallerTest(unittest.TestCase):
    def setUp(self):
        # The settings the program saves must be its own from this run.
        wine("reg", "delete", SETTINGS, "/f", check=False)
        self.addCleanup(wine, "reg", "delete", SETTINGS, "/f", check=False)

    def test_installs_starts_and_uninstalls_leaving_the_users_settings(self):
        tree_before, entries_before, vendor_before = drive_tree(), reg_query(UNINSTALL_KEYS), reg_query(VENDOR)
        folder = os.path.join(PROGRAM_FILES, "Varnok")
        self.assertFalse(os.path.exists(folder))

        wine(INSTALLER, "/S")
        self.assertEqual(sorted(os.listdir(folder)), INSTALLED_FILES)
        with open(os.path.join(START_MENU, "Varnok.lnk"), "rb") as f:  # its target, in the link's ANSI path
            self.assertIn(b"C:\\Program Files\\Varnok\\Varnok.exe\0", f.read())
        entry = reg_query(ENTRY)
        self.assertIn("DisplayName    REG_SZ    Varnok", entry)
        self.assertIn(r'UninstallString    REG_SZ    "C:\Program Files\Varnok\Uninstall.exe"', entry)

        # Installing over an installation repairs it: one entry, the same files.
        wine(INSTALLER, "/S")
        self.assertEqual(sorted(os.listdir(folder)), INSTALLED_FILES)
        self.assertEqual(reg_query(ENTRY), entry)

        self.assertEqual(run_and_close(folder), 0)
        settings = reg_query(SETTINGS)
        self.assertIsNotNone(settings, "the program saved no settings")

        saved = tempfile.mkdtemp(prefix="varnok-uninstaller-")
        self.addCleanup(shutil.rmtree, saved)
        shutil.copy(os.path.join(folder, "Uninstall.exe"), saved)

        uninstall(folder)
        self.assertEqual(sorted(drive_tree() ^ tree_before), [])
        self.assertEqual(reg_query(UNINSTALL_KEYS), entries_before)
        self.assertEqual(reg_query(VENDOR), vendor_before)
        self.assertEqual(reg_query(SETTINGS), settings)

        # A second uninstall of the same folder finds nothing to do and says so
        # by succeeding, without touching anything else.
        code = wine_command_line(r"%s /S _?=C:\Program Files\Varnok" %
                                 unix_to_windows(os.path.join(saved, "Uninstall.exe")))
        self.assertEqual(code, 0)
        self.assertEqual(sorted(drive_tree() ^ tree_before), [])
        self.assertEqual(reg_query(UNINSTALL_KEYS), entries_before)
        self.assertEqual(reg_query(SETTINGS), settings)

    def test_installs_into_a_folder_with_spaces_and_japanese(self):
        parent = os.path.join(PROGRAM_FILES, "ヴァルノク 試験 版")
        folder = os.path.join(parent, "Varnok")
        self.addCleanup(shutil.rmtree, parent, ignore_errors=True)

        code = wine_command_line(r"%s /S /D=C:\Program Files\ヴァルノク 試験 版\Varnok" % unix_to_windows(INSTALLER))
        self.assertEqual(code, 0)
        self.assertEqual(sorted(os.listdir(folder)), INSTALLED_FILES)
        self.assertIn(r'UninstallString    REG_SZ    "C:\Program Files\ヴァルノク 試験 版\Varnok\Uninstall.exe"',
                      reg_query(ENTRY))
        self.assertEqual(run_and_close(folder), 0)

        uninstall(folder)
        self.assertFalse(os.path.exists(folder))
        self.assertEqual(os.listdir(parent), [])
        self.assertIsNone(reg_query(ENTRY))


if __name__ == "__main__":
    unittest.main()
