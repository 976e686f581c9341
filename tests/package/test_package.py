"""The Windows release as a user gets it: the ZIP's contents, and the installer
and its uninstaller run silently under Wine in the session's prefix."""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import zipfile

from varnok_harness import DEADLINE, TITLE, WINE_RUN, VarnokTestCase, probe, run, wait_until

VERSION = os.environ["VARNOK_VERSION"]
DRIVE_C = os.path.join(os.environ["WINEPREFIX"], "drive_c")
ZIP = os.path.join(os.environ["VARNOK_PACKAGES"], "Varnok-%s-win64.zip" % VERSION)
INSTALLER = os.path.join(os.environ["VARNOK_PACKAGES"], "Varnok-%s-win64.exe" % VERSION)
FOLDER = r"C:\Program Files\Varnok"
START_MENU = os.path.join(DRIVE_C, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", "Varnok")
UNINSTALL_KEYS = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
ENTRY = UNINSTALL_KEYS + "\\Varnok " + VERSION
VENDOR = "HKLM\\Software\\" + os.environ["VARNOK_VENDOR"]
SETTINGS = "HKCU\\" + os.environ["VARNOK_SETTINGS_KEY"]
PAGE_DIR = os.environ["VARNOK_PAGE_DIR"]  # the page as the build made it
PAGE_FILES = ["web/" + name for name in sorted(os.listdir(PAGE_DIR))]
PROGRAM_FILES = ["README.txt", "Varnok.exe", "hali.dll", "hali.exe", "halic.dll"]
RELEASE_FILES = sorted(PROGRAM_FILES + ["web/"] + PAGE_FILES)  # the ZIP's, with the page's folder
INSTALLED_FILES = sorted(PROGRAM_FILES + ["Uninstall.exe", "web"])


def wine(*args, out=subprocess.DEVNULL):
    return subprocess.run([WINE_RUN] + list(args), stdout=out, stderr=subprocess.DEVNULL, timeout=DEADLINE)


def wine_command_line(line):
    """Runs a command line unquoted, as /D= and _?= need (they take the rest of the line, spaces and all)."""
    batch = os.path.join(DRIVE_C, "varnok-package-test.cmd")
    with open(batch, "wb") as f:
        f.write(("@%s\r\n@exit /b %%errorlevel%%\r\n" % line).encode("cp932"))
    try:
        return wine("cmd", "/c", r"C:\varnok-package-test.cmd").returncode
    finally:
        os.remove(batch)


def reg_query(key):
    """The key's values as `reg query /s` lists them, or None without the key (a query that fails both tries)."""
    try:
        out = run(WINE_RUN, "reg", "query", key, "/s", tries=2)
    except AssertionError:
        return None
    return sorted(line.strip() for line in out.decode("cp932", "replace").splitlines() if line.strip())


def machine_keys():
    """The system's list of installed programs and the vendor's key: an uninstall leaves them as it found them."""
    return reg_query(UNINSTALL_KEYS), reg_query(VENDOR)


def on_drive_c(path):
    return os.path.join(DRIVE_C, *path[3:].split("\\"))


def drive_tree():
    """Every file and folder of drive C: but the temporary ones, where an uninstaller's copy stays till a restart."""
    tree = set()
    for root, dirs, files in os.walk(DRIVE_C):
        dirs[:] = [d for d in dirs if d.lower() != "temp"]
        tree.update(os.path.join(os.path.relpath(root, DRIVE_C), name) for name in dirs + files)
    return tree


def state():
    return drive_tree(), machine_keys(), reg_query(SETTINGS)


class ZipTest(unittest.TestCase):
    def test_holds_the_stripped_program_its_libraries_the_command_readme_and_the_page(self):
        with zipfile.ZipFile(ZIP) as archive:
            self.assertEqual(sorted(archive.namelist()), RELEASE_FILES)
            for name in PAGE_FILES:
                with open(os.path.join(PAGE_DIR, os.path.basename(name)), "rb") as f:
                    self.assertEqual(archive.read(name), f.read(), name + " is not the page the build made")
            for name in set(PROGRAM_FILES) - {"README.txt"}:
                data = archive.read(name)  # the COFF header's symbol table: where, and how many symbols
                pe = struct.unpack_from("<I", data, 0x3C)[0]
                self.assertEqual(struct.unpack_from("<II", data, pe + 12), (0, 0), name + " carries symbols")


class InstallerTest(VarnokTestCase):
    def setUp(self):
        super().setUp()  # the settings the program saves must be its own from this run
        self.addCleanup(wine, "reg", "delete", SETTINGS, "/f")
        self.machine_keys = machine_keys()

    def run_and_close(self, folder):
        """Starts the program and closes its window as log-off does (WM_CLOSE), which makes it save its settings."""
        app = self.start(folder)
        probe("post", TITLE, hex(0x0010), 0, 0)
        app.wait_exit()
        return app.proc.returncode

    def install(self, folder, option=""):
        """Installs silently (into its default folder unless option is /D=) and runs the program; the entry."""
        self.assertEqual(wine_command_line(r"Z:%s /S%s" % (INSTALLER.replace("/", "\\"), option)), 0)
        self.assertEqual(sorted(os.listdir(on_drive_c(folder))), INSTALLED_FILES)
        entry = reg_query(ENTRY)
        self.assertIn('UninstallString    REG_SZ    "%s\\Uninstall.exe"' % folder, entry)
        self.assertEqual(self.run_and_close(on_drive_c(folder)), 0)
        return entry

    def uninstall(self, folder, before):
        """Uninstalls silently and waits until drive C:, the machine's keys and the user's settings are as before.
        The uninstaller copies itself to a temporary folder, starts the copy and returns; the copy removes the
        Start menu's folder last, and the next test must not start before that."""
        self.assertEqual(wine(on_drive_c(folder + r"\Uninstall.exe"), "/S").returncode, 0)
        differences = lambda: [sorted(now ^ was) if isinstance(now, set) else now
                               for now, was in zip(state(), before) if now != was]
        wait_until(lambda: not differences(), lambda: "the uninstaller to restore what it changed: %s" % differences())

    def test_installs_twice_starts_and_uninstalls_twice_leaving_the_users_settings(self):
        tree_before = drive_tree()
        entry = self.install(FOLDER)
        self.assertIn("DisplayName    REG_SZ    Varnok", entry)
        # The command runs from the folder, on the libraries installed beside it.
        command = wine(on_drive_c(FOLDER + r"\hali.exe"), "--version", out=subprocess.PIPE)
        self.assertEqual(command.stdout.decode().strip(), "hali " + os.environ["VARNOK_PRODUCT_VERSION"])
        with open(os.path.join(START_MENU, "Varnok.lnk"), "rb") as f:  # its target, in the link's ANSI path
            self.assertIn(b"C:\\Program Files\\Varnok\\Varnok.exe\0", f.read())
        with open(os.path.join(START_MENU, "Varnok web page.lnk"), "rb") as f:  # the page, opened in the browser
            self.assertIn(b"C:\\Program Files\\Varnok\\web\\index.html\0", f.read())
        self.assertEqual(sorted("web/" + name for name in os.listdir(on_drive_c(FOLDER + r"\web"))), PAGE_FILES)
        # Installing over an installation repairs it: one entry, the same files.
        self.assertEqual(self.install(FOLDER), entry)
        settings = reg_query(SETTINGS)
        self.assertIsNotNone(settings, "the program saved no settings")
        saved = tempfile.mkdtemp(prefix="varnok-uninstaller-")
        self.addCleanup(shutil.rmtree, saved)
        shutil.copy(on_drive_c(FOLDER + r"\Uninstall.exe"), saved)
        self.uninstall(FOLDER, (tree_before, self.machine_keys, settings))
        # A second uninstall of the same folder finds nothing to do and says so
        # by succeeding, without touching anything else.
        copy = "Z:" + os.path.join(saved, "Uninstall.exe").replace("/", "\\")
        self.assertEqual(wine_command_line(r"%s /S _?=%s" % (copy, FOLDER)), 0)
        self.assertEqual(state(), (tree_before, self.machine_keys, settings))

    def test_installs_into_a_folder_with_spaces_and_japanese(self):
        folder = r"C:\Program Files\ヴァルノク 試験 版\Varnok"
        parent = os.path.dirname(on_drive_c(folder))
        self.addCleanup(shutil.rmtree, parent, ignore_errors=True)
        tree_before = drive_tree() | {os.path.relpath(parent, DRIVE_C)}  # the uninstaller leaves the empty parent
        self.install(folder, " /D=" + folder)
        self.uninstall(folder, (tree_before, self.machine_keys, reg_query(SETTINGS)))


if __name__ == "__main__":
    unittest.main()
