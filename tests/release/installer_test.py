"""The x64 installer under Wine, run silently as a package manager runs it, once per mode, each
mode in a fresh prefix of its own: what it installs and registers, that a link then reaches
the stand-in game through the installed program, installing again, odd folders, a running
program, and what uninstalling leaves."""

import filecmp
import getpass
import os
import shutil
import signal
import subprocess
import sys
import unittest

from release import BUILD, dist_file, version

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "wine", "e2e"))
from common import DEADLINE, Environment, run, wait_for  # noqa: E402
import wine_driver as wd  # noqa: E402

NAME = "Cindermoor Launcher"
APPS_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\CindermoorLauncher"
CLASS_KEY = r"Software\Classes\tribes"
SETTINGS_KEY = r"HKCU\Software\Cindermoor\Launcher\Program Settings"
SETUP_WIN = r"C:\setup.exe"
GAME_WIN = r"C:\Games\Tribes"
LOG_WIN = r"C:\standins.log"
ODD_FOLDER = "C:\\Spiele\\Cindermoor Stärter \u65e5\u672c"
# Under Wine the installed program makes itself the Linux desktop's link handler: in the build
# folder, never in the desktop settings of whoever runs the tests.
XDG = os.path.join(BUILD, "release-tests", "xdg")
HANDLER_FILES = [os.path.join(XDG, "data", "applications", "cindermoor-launcher" + extension)
                 for extension in (".desktop", ".sh")]
EXIT_PROGRAM_RUNNING = 3
EXIT_BAD_FOLDER = 4

_display = None


def setUpModule():
    # The program's windows need an X server; a private headless one, ended with the module.
    global _display
    read_end, write_end = os.pipe()
    _display = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        os.environ["DISPLAY"] = ":" + pipe.readline().strip()
    os.environ.update(WINEDEBUG="-all", LC_ALL="C.UTF-8", CINDERMOOR_STANDIN_LOG=LOG_WIN,
                      WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d",
                      XDG_DATA_HOME=os.path.join(XDG, "data"),
                      XDG_CONFIG_HOME=os.path.join(XDG, "config"))


def tearDownModule():
    _display.kill()
    _display.wait(timeout=DEADLINE)


def shell_quoted(text):
    return "'" + text.replace("'", "'\\''") + "'"


def unlock(path):
    subprocess.run(["chattr", "-i", path], capture_output=True)


class Prefix:
    """A fresh Wine prefix inside the build folder, with the installer and the stand-in game."""

    def __init__(self, name):
        self.path = os.path.join(BUILD, "release-tests", name)
        unlock(os.path.join(self.path, "drive_c", "Locked"))  # left by a run that was killed
        shutil.rmtree(self.path, ignore_errors=True)
        os.makedirs(self.path)
        os.environ["WINEPREFIX"] = Environment.prefix = self.path
        run(["wineserver", "-p"])
        run(["wineboot", "-i"], timeout=120)
        shutil.copy2(dist_file("x64-setup.exe"), wd.host_path(SETUP_WIN))
        os.makedirs(wd.host_path(GAME_WIN))
        shutil.copy2(os.path.join(BUILD, "x86_64", "bin", "tribes.exe"), wd.host_path(GAME_WIN))

    def close(self):
        # Ends this prefix's own server and whatever still runs in it, nothing else.
        run(["wineserver", "-k"], check=False)


class InstallerTest:
    """The tests of one mode; a subclass says which, by its options and folders."""
    OPTIONS = []
    ROOT = OTHER_ROOT = ""  # the registry store of the mode, and the other one
    DEFAULT_FOLDER = ""
    SHORTCUT = ""  # in the prefix, relative to drive_c

    @classmethod
    def setUpClass(cls):
        cls.prefix = Prefix(cls.__name__)

    @classmethod
    def tearDownClass(cls):
        cls.prefix.close()

    def setUp(self):
        os.environ["WINEPREFIX"] = Environment.prefix = self.prefix.path
        self.started = []
        self.addCleanup(self.stop_started)

    def stop_started(self):
        """Ends what the test started: our own child processes, or a pid of a window."""
        for started in self.started:
            if isinstance(started, subprocess.Popen):
                started.kill()
                started.wait(timeout=DEADLINE)
            elif not wd.process_ended(started):
                os.kill(started, signal.SIGKILL)
                wait_for(lambda: wd.process_ended(started), "a stopped program to end")
        self.started = []

    # ---------------------------------------------------------------- driving it

    def setup(self, folder=None):
        """Runs the installer silently; its exit code. Through cmd so that /D= reaches it
        unquoted, blanks and all, as NSIS wants it."""
        command = " ".join([SETUP_WIN, "/S"] + self.OPTIONS + ([f"/D={folder}"] if folder else []))
        return run(["wine", "cmd", "/c", command], timeout=60, check=False).returncode

    def install(self, folder=None):
        self.assertEqual(self.setup(folder), 0)
        return folder or self.default_folder()

    def uninstall(self, folder, started_as=None):
        """As Apps & features does: uninstall.exe copies itself away and returns at once,
        so wait for the folder to go and for the setting it removes last. started_as: another
        spelling of the folder to start it by."""
        program = (started_as or folder) + r"\uninstall.exe"
        self.assertEqual(run(["wine", program, "/S"]).returncode, 0)
        wait_for(lambda: not os.path.exists(wd.host_path(folder)), "the program's folder to go")
        wait_for(lambda: "Installed" not in (wd.reg_values(SETTINGS_KEY) or {}),
                 "the uninstaller to finish")

    def default_folder(self):
        return self.DEFAULT_FOLDER.replace("%USER%", getpass.getuser())

    def on_drive_c(self, relative):
        relative = relative.replace("%USER%", getpass.getuser())
        return os.path.join(self.prefix.path, "drive_c", relative)

    def batch(self, command, wait=True):
        """Runs one command line exactly as written, as the shell or a package manager passes
        it (NSIS wants /D= and _?= unquoted, blanks and all; Wine would quote such an argument).
        Returns its exit code, or with wait=False at once."""
        with open(wd.host_path(r"C:\command.bat"), "w", encoding="ascii", newline="\r\n") as file:
            file.write("@" + command + "\n@exit /b %errorlevel%\n")
        args = ["wine", "cmd", "/c", r"C:\command.bat"]
        if wait:
            return run(args, timeout=60, check=False).returncode
        self.started.append(subprocess.Popen(args, stdin=subprocess.DEVNULL,
                                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))

    def open_link(self, link):
        """Opens a link as a click does. Wine's shell reads only machine-wide classes, so for
        a per-user class its command line is run as Windows' shell would run it."""
        if self.ROOT == "HKLM":
            run(["wine", "start", link], check=False)
        else:
            command = wd.reg_values(rf"HKCU\{CLASS_KEY}\shell\open\command")[""]
            self.batch(command.replace("%1", link), wait=False)

    def start_program(self, folder):
        process = subprocess.Popen(["wine", folder + r"\launcher.exe"], stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started.append(process)
        wd.wait_window(wd.MAIN_TITLE, process.pid, "the main window")

    def write_settings(self, **values):
        for name, value in values.items():
            run(["wine", "reg", "add", SETTINGS_KEY, "/v", name, "/t", "REG_SZ", "/d", value, "/f"])

    # ---------------------------------------------------------------- what is there

    def entries_named_ours(self):
        """How many Apps entries, in either store, show our name."""
        uninstall_key = APPS_KEY.rsplit("\\", 1)[0]
        return sum(wd.export_text(root + "\\" + uninstall_key).count(
            f'"DisplayName"="{NAME}"') for root in ("HKLM", "HKCU"))

    def classes_pointing_at(self, folder):
        commands = {root: wd.reg_values(rf"{root}\{CLASS_KEY}\shell\open\command") or {}
                    for root in ("HKLM", "HKCU")}
        return [root for root, values in commands.items()
                if folder + r"\launcher.exe" in values.get("", "")]

    @staticmethod
    def read(path):
        with open(path, "rb") as file:
            return file.read()

    def assert_installed(self, folder):
        for name in ("launcher.exe", "uninstall.exe"):
            self.assertTrue(os.path.isfile(wd.host_path(folder + "\\" + name)), name)
        self.assertTrue(os.path.isfile(self.on_drive_c(self.SHORTCUT)))
        program = f'"{folder}\\launcher.exe"'
        expected = {
            APPS_KEY: {"DisplayName": NAME, "DisplayVersion": version(), "Publisher": "Cindermoor",
                       "DisplayIcon": program + ",0", "InstallLocation": folder,
                       "UninstallString": f'"{folder}\\uninstall.exe"',
                       "QuietUninstallString": f'"{folder}\\uninstall.exe" /S',
                       "NoModify": "dword:00000001", "NoRepair": "dword:00000001"},
            CLASS_KEY: {"": "URL: Tribes Protocol", "URL Protocol": ""},
            CLASS_KEY + r"\DefaultIcon": {"": program + ",0"},
            CLASS_KEY + r"\shell\open\command": {"": program + " %1"},
        }
        for key, values in expected.items():
            with self.subTest(key=key):
                actual = wd.reg_values(self.ROOT + "\\" + key)
                size = actual.pop("EstimatedSize", None) if key == APPS_KEY else None
                self.assertEqual(actual, values)
                if key == APPS_KEY:
                    self.assertGreater(int(size.split(":")[1], 16), 100)  # KB: the program's
        settings = wd.reg_values(SETTINGS_KEY)
        self.assertEqual((settings["Installed"], settings["Path"]), ("1", folder))

    def assert_nothing_in_other_mode(self, folder):
        for key in (APPS_KEY, CLASS_KEY):
            self.assertIsNone(wd.reg_values(self.OTHER_ROOT + "\\" + key), key)
        other_shortcut = USER_SHORTCUT if self.SHORTCUT == COMMON_SHORTCUT else COMMON_SHORTCUT
        self.assertFalse(os.path.exists(self.on_drive_c(other_shortcut)))

    def assert_removed(self, folder):
        self.assertFalse(os.path.exists(wd.host_path(folder)))
        self.assertFalse(os.path.exists(self.on_drive_c(self.SHORTCUT)))
        self.assertEqual(self.entries_named_ours(), 0)
        self.assertEqual(self.classes_pointing_at(folder), [])

    # ---------------------------------------------------------------- the tests

    def test_install_registers_links_that_reach_the_game(self):
        folder = self.install()
        self.assert_installed(folder)
        self.assert_nothing_in_other_mode(folder)

        self.write_settings(TribesPath=GAME_WIN, RogerWilcoLaunch="0")
        if os.path.exists(wd.host_path(LOG_WIN)):
            os.remove(wd.host_path(LOG_WIN))
        self.open_link("tribes://10.0.0.1:28001/p=secret")
        wait_for(lambda: wd.read_log(LOG_WIN), "the stand-in game")
        self.assertEqual(wd.read_log(LOG_WIN),
                         [("tribes.exe", GAME_WIN, "1", "+connect 10.0.0.1:28001 +password secret")])
        quit_window = wd.wait_window(wd.MESSAGE_TITLE, what="the quit window")
        self.started.append(wd.window_pid(quit_window))
        self.stop_started()
        self.uninstall(folder)

    def test_install_again_replaces_the_copy_in_place_and_keeps_settings(self):
        folder = self.install(ODD_FOLDER)
        program = wd.host_path(folder + r"\launcher.exe")
        with open(program, "wb") as file:
            file.write(b"an older program")
        self.write_settings(TribesPath=GAME_WIN)

        self.install()  # no /D=: the installed copy's folder, not the usual one
        self.assert_installed(folder)
        self.assertFalse(os.path.exists(wd.host_path(self.default_folder())))
        self.assertEqual(self.entries_named_ours(), 1)
        built = os.path.join(BUILD, "x86_64", "bin", "launcher.exe")
        self.assertTrue(filecmp.cmp(program, built, shallow=False))
        self.assertEqual(wd.reg_values(SETTINGS_KEY)["TribesPath"], GAME_WIN)
        self.uninstall(folder)

    def test_uninstall_leaves_nothing_of_ours_and_keeps_settings(self):
        for folder in (self.default_folder(), ODD_FOLDER):
            with self.subTest(folder=folder):
                self.install(folder)
                self.assert_installed(folder)
                self.write_settings(TribesPath=GAME_WIN)
                self.uninstall(folder)
                self.assert_removed(folder)
                settings = wd.reg_values(SETTINGS_KEY)
                self.assertEqual(settings.get("TribesPath"), GAME_WIN)
                self.assertNotIn("Installed", settings)

    def test_uninstall_started_by_the_unix_spelling_of_the_folder_removes_everything(self):
        # As a Linux file manager starts either program: through drive Z:, the Unix root.
        folder = self.default_folder()
        z_spelling = "Z:" + wd.host_path(folder).replace("/", "\\")
        for program_as, uninstaller_as in ((folder, z_spelling), (z_spelling, folder)):
            with self.subTest(program=program_as, uninstaller=uninstaller_as):
                shutil.rmtree(XDG, ignore_errors=True)
                self.install(folder)
                self.write_settings(TribesPath=GAME_WIN)  # else it asks for the game first
                self.start_program(program_as)  # Installed is "1": start-up writes the handler
                wait_for(lambda: all(map(os.path.exists, HANDLER_FILES)), "the Linux handler")
                self.stop_started()
                self.uninstall(folder, started_as=uninstaller_as)
                self.assert_removed(folder)
                self.assertEqual([os.path.exists(path) for path in HANDLER_FILES], [False, False])

    def test_uninstall_spares_a_class_another_program_took_over(self):
        folder = self.install()
        command = rf"{self.ROOT}\{CLASS_KEY}\shell\open\command"
        other = r'"C:\Other\tribes-handler.exe" %1'
        run(["wine", "reg", "add", command, "/ve", "/t", "REG_SZ", "/d", other, "/f"])
        self.uninstall(folder)
        self.assertEqual(wd.reg_values(command), {"": other})
        run(["wine", "reg", "delete", rf"{self.ROOT}\{CLASS_KEY}", "/f"])

    def test_uninstall_removes_the_linux_desktop_handler_only_while_it_starts_this_copy(self):
        folder = ODD_FOLDER + r"\Tom's"  # the script quotes blanks, quotes and other scripts
        drive_z = os.path.join(self.prefix.path, "dosdevices", "z:")
        cases = [("this copy", None, None, True),
                 ("another copy", folder + r"\launcher.exe", r"C:\Other\launcher.exe", True),
                 ("another prefix", self.prefix.path, "/elsewhere/prefix", True),
                 ("a prefix without a Z: drive", None, None, False)]
        for case, ours, other, z_drive in cases:
            with self.subTest(case=case):
                shutil.rmtree(XDG, ignore_errors=True)
                if not z_drive:  # Wine then names Unix folders "\??\unix\..."
                    os.rename(drive_z, drive_z + ".away")
                    self.addCleanup(os.rename, drive_z + ".away", drive_z)
                self.install(folder)
                self.write_settings(TribesPath=GAME_WIN)  # else it asks for the game first
                self.start_program(folder)  # Installed is "1": start-up writes the handler
                wait_for(lambda: all(map(os.path.exists, HANDLER_FILES)), "the Linux handler")
                self.stop_started()
                if ours:
                    with open(HANDLER_FILES[1], encoding="utf-8") as file:
                        script = file.read()
                    self.assertIn(shell_quoted(ours), script)
                    with open(HANDLER_FILES[1], "w", encoding="utf-8") as file:
                        file.write(script.replace(shell_quoted(ours), shell_quoted(other)))
                self.uninstall(folder)
                self.assertEqual([os.path.exists(path) for path in HANDLER_FILES],
                                 [other is not None] * 2)

    def test_running_program_stops_install_and_uninstall_without_changes(self):
        folder = self.install()
        program = wd.host_path(folder + r"\launcher.exe")
        before = os.stat(program).st_mtime_ns
        self.write_settings(TribesPath=GAME_WIN)
        self.start_program(folder)
        self.assertEqual(self.setup(), EXIT_PROGRAM_RUNNING)
        # _?= keeps the uninstaller in place, so its exit code is the one that counts.
        in_place = f'"{folder}\\uninstall.exe" /S _?={folder}'
        self.assertEqual(self.batch(in_place), EXIT_PROGRAM_RUNNING)
        self.assertEqual(os.stat(program).st_mtime_ns, before)
        self.assert_installed(folder)
        self.stop_started()
        self.uninstall(folder)

    def test_unusable_folders_are_refused_and_nothing_is_installed(self):
        os.makedirs(wd.host_path(r"C:\Taken"), exist_ok=True)
        open(wd.host_path(r"C:\Taken\file"), "w").close()
        folders = [r"C:\Taken\file", r"Q:\Games\Cindermoor", r"relative\folder"]
        if self.lock(r"C:\Locked"):
            folders += [r"C:\Locked", r"C:\Locked\Cindermoor"]  # not writable, not creatable
        before = self.entries_named_ours(), os.path.exists(wd.host_path(self.default_folder()))
        for folder in folders:
            with self.subTest(folder=folder):
                self.assertEqual(self.setup(folder), EXIT_BAD_FOLDER)
                after = self.entries_named_ours(), os.path.exists(wd.host_path(self.default_folder()))
                self.assertEqual(after, before)
        self.assertTrue(os.path.isfile(wd.host_path(r"C:\Taken\file")))
        self.assertEqual(os.listdir(wd.host_path(r"C:\Taken")), ["file"])

    def test_another_programs_files_refuse_the_folder_and_ours_do_not(self):
        folder = r"C:\Tools"  # not C:\Games, which holds the stand-in game
        path = wd.host_path(folder)
        other_program = self.read(wd.host_path(r"C:\windows\system32\notepad.exe"))  # Wine's
        our_program = self.read(os.path.join(BUILD, "x86_64", "bin", "launcher.exe"))  # portable
        cases = [({"launcher.exe": other_program, "uninstall.exe": b"MZ"}, EXIT_BAD_FOLDER),
                 ({"uninstall.exe": b"no version record"}, EXIT_BAD_FOLDER),
                 ({"launcher.exe": our_program}, 0)]
        for files, code in cases:
            with self.subTest(files=sorted(files), code=code):
                shutil.rmtree(path, ignore_errors=True)
                os.makedirs(path)
                for name, content in files.items():
                    with open(os.path.join(path, name), "wb") as file:
                        file.write(content)
                self.assertEqual(self.setup(folder), code)
                if code:
                    self.assertEqual(self.entries_named_ours(), 0)
                    self.assertNotIn("Installed", wd.reg_values(SETTINGS_KEY) or {})
                    self.assertEqual({name: self.read(os.path.join(path, name))
                                      for name in os.listdir(path)}, files)
                else:
                    self.assert_installed(folder)
                    self.uninstall(folder)

    def lock(self, folder):
        """Makes a folder that nothing can be written into, not even by root, who ignores
        permissions: the immutable attribute. False where the file system or the container
        does not allow that."""
        path = wd.host_path(folder)
        os.makedirs(path, exist_ok=True)
        if subprocess.run(["chattr", "+i", path], capture_output=True).returncode:
            return False
        self.addCleanup(unlock, path)
        return True


COMMON_SHORTCUT = f"ProgramData/Microsoft/Windows/Start Menu/Programs/{NAME}.lnk"
USER_SHORTCUT = f"users/%USER%/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/{NAME}.lnk"


class AllUsers(InstallerTest, unittest.TestCase):
    ROOT, OTHER_ROOT = "HKLM", "HKCU"
    DEFAULT_FOLDER = rf"C:\Program Files\{NAME}"
    SHORTCUT = COMMON_SHORTCUT


class CurrentUser(InstallerTest, unittest.TestCase):
    OPTIONS = ["/CurrentUser"]
    ROOT, OTHER_ROOT = "HKCU", "HKLM"
    DEFAULT_FOLDER = rf"C:\users\%USER%\AppData\Local\Programs\{NAME}"
    SHORTCUT = USER_SHORTCUT


if __name__ == "__main__":
    unittest.main(verbosity=2)
