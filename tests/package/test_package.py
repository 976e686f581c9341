"""The Windows release as a user gets it: the ZIP's contents, and the installer
and its uninstaller run silently under Wine in the session's prefix."""
import os
import shutil
import struct
import unittest
import zipfile

from varnok_harness import TITLE, WINE_RUN, VarnokTestCase, probe, run, wait_until

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
PAGE_FILES = ["web/" + name for name in sorted(os.listdir(os.environ["VARNOK_PAGE_DIR"]))]  # the page as built
PROGRAM_FILES = ["README.txt", "Varnok.exe", "hali.dll", "hali.exe", "halic.dll"]
RELEASE_FILES = sorted(PROGRAM_FILES + ["web/"] + PAGE_FILES)  # the ZIP's, with the page's folder
INSTALLED_FILES = sorted(PROGRAM_FILES + ["Uninstall.exe", "web"])


def wine_command_line(line):
    """Runs a command line unquoted, as /D= needs (it takes the rest of the line, spaces and all)."""
    batch = os.path.join(DRIVE_C, "varnok-package-test.cmd")
    with open(batch, "wb") as f:
        f.write(("@%s\r\n@exit /b %%errorlevel%%\r\n" % line).encode("cp932"))
    try:
        run(WINE_RUN, "cmd", "/c", r"C:\varnok-package-test.cmd")
    finally:
        os.remove(batch)


def reg_query(key):
    """The key's values as `reg query /s` lists them, or None without the key (a query that fails both tries)."""
    try:
        out = run(WINE_RUN, "reg", "query", key, "/s", tries=2)
    except AssertionError:
        return None
    return sorted(line.strip() for line in out.decode("cp932", "replace").splitlines() if line.strip())


def on_drive_c(path):
    return os.path.join(DRIVE_C, *path[3:].split("\\"))


def state():
    """Every file and folder of drive C: but the temporary ones, where an uninstaller's copy stays till a restart;
    the system's list of installed programs, the vendor's key and the user's settings."""
    tree = set()
    for root, dirs, files in os.walk(DRIVE_C):
        dirs[:] = [d for d in dirs if d.lower() != "temp"]
        tree.update(os.path.join(os.path.relpath(root, DRIVE_C), name) for name in dirs + files)
    return [tree, reg_query(UNINSTALL_KEYS), reg_query(VENDOR), reg_query(SETTINGS)]


class ZipTest(unittest.TestCase):
    def test_holds_the_stripped_program_its_libraries_the_command_readme_and_the_page(self):
        with zipfile.ZipFile(ZIP) as archive:
            self.assertEqual(sorted(archive.namelist()), RELEASE_FILES)
            for name in set(PROGRAM_FILES) - {"README.txt"}:
                data = archive.read(name)  # the COFF header's symbol table: where, and how many symbols
                pe = struct.unpack_from("<I", data, 0x3C)[0]
                self.assertEqual(struct.unpack_from("<II", data, pe + 12), (0, 0), name + " carries symbols")


class InstallerTest(VarnokTestCase):
    def install(self, folder, option=""):
        """Installs silently (into its default folder unless option is /D=), then starts the program and closes its
        window as log-off does (WM_CLOSE), which makes it save its settings; the uninstall entry."""
        wine_command_line(r"Z:%s /S%s" % (INSTALLER.replace("/", "\\"), option))
        self.assertEqual(sorted(os.listdir(on_drive_c(folder))), INSTALLED_FILES)
        entry = reg_query(ENTRY)
        self.assertIn('UninstallString    REG_SZ    "%s\\Uninstall.exe"' % folder, entry)
        app = self.start(on_drive_c(folder))
        probe("post", TITLE, hex(0x0010), 0, 0)
        app.wait_exit()
        self.assertEqual(app.proc.returncode, 0)
        return entry

    def uninstall(self, folder, before):
        """Uninstalls silently and waits until drive C: and the machine's keys are as before, the user's settings
        kept. The uninstaller copies itself to a temporary folder, starts the copy and returns; the copy removes the
        Start menu's folder last, and the next step must not start before that."""
        before = before[:3] + [reg_query(SETTINGS)]
        self.assertIsNotNone(before[3], "the program saved no settings")
        run(WINE_RUN, on_drive_c(folder + r"\Uninstall.exe"), "/S")
        differences = lambda: [sorted(now ^ was) if isinstance(now, set) else now
                               for now, was in zip(state(), before) if now != was]
        wait_until(lambda: not differences(), lambda: "the uninstaller to restore what it changed: %s" % differences())

    def test_installs_starts_and_uninstalls_in_the_default_folder_and_in_one_with_spaces_and_japanese(self):
        self.addCleanup(run, WINE_RUN, "reg", "delete", SETTINGS, "/f")
        before = state()
        entry = self.install(FOLDER)
        self.assertIn("DisplayName    REG_SZ    Varnok", entry)
        # The command runs from the folder, on the libraries installed beside it.
        command = run(WINE_RUN, on_drive_c(FOLDER + r"\hali.exe"), "--version")
        self.assertEqual(command.decode().strip(), "hali " + os.environ["VARNOK_PRODUCT_VERSION"])
        for link, target in (("Varnok", "Varnok.exe"), ("Varnok web page", r"web\index.html")):
            with open(os.path.join(START_MENU, link + ".lnk"), "rb") as f:  # the target, in the link's ANSI path
                self.assertIn(("%s\\%s\0" % (FOLDER, target)).encode(), f.read())
        self.assertEqual(sorted("web/" + name for name in os.listdir(on_drive_c(FOLDER + r"\web"))), PAGE_FILES)
        self.assertEqual(self.install(FOLDER), entry)  # installing over an installation repairs it
        self.uninstall(FOLDER, before)

        folder = r"C:\Program Files\ヴァルノク 試験 版\Varnok"
        parent = os.path.dirname(on_drive_c(folder))
        self.addCleanup(shutil.rmtree, parent, ignore_errors=True)
        self.install(folder, " /D=" + folder)
        self.uninstall(folder, [before[0] | {os.path.relpath(parent, DRIVE_C)}] + before[1:])  # the parent stays


if __name__ == "__main__":
    unittest.main()
