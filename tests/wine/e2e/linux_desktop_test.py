"""Links clicked on the Linux desktop: Install makes the launcher under Wine the desktop's
tribes:// handler, both openers bring links to it, and Un-Install takes away only what it
added."""

import os
import shutil
import subprocess
import tempfile
import time

import wine_driver as wd
from link_test import GAME_CONNECT, GRACE, QUIT_LABEL, QUIT_SIZE
from main_window_test import INSTALL_CENTRE, UNINSTALL_CENTRE
from wine_driver import LauncherTest

DESKTOP_ID = "cindermoor-launcher.desktop"
# Blanks, a single quote and a non-ASCII letter: everything the script's quoting must carry.
FOLDER_WIN = wd.ROOT_WIN + "\\Cindermoor f\u00fcr 'Tribes'"
# Not "launcher.exe": the desktop's script starts the program by its own file name.
PROGRAM_WIN = FOLDER_WIN + "\\Cindermoor Launcher.exe"
LINK = "tribes://10.0.0.1:28001/p=secret"
USERS_MIMEAPPS = ("# the user's own\n[Default Applications]\ntext/html=firefox.desktop\n\n"
                  "[Added Associations]\nx-scheme-handler/tribes=other.desktop;\n")
USERS_ENTRY = "[Desktop Entry]\nType=Application\nName=Other\nExec=other %u\n"
# Without a desktop environment xdg-open parses the entry itself: the road that splits Exec
# at blanks.
DESKTOP_VARIABLES = ("XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                     "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID")


class DesktopHandlerTest(LauncherTest):
    """Each test on a desktop of its own, where the user had chosen another tribes:// handler."""

    @classmethod
    def setUpClass(cls):
        # Not in the build folder: a checkout may sit in a folder with blanks, and xdg-open
        # splits its list of data folders at blanks, so it would never find the entry there.
        xdg = tempfile.mkdtemp(prefix="cm-e2e-xdg-", dir="/tmp")
        cls.addClassCleanup(shutil.rmtree, xdg, ignore_errors=True)
        cls.applications = os.path.join(xdg, "data", "applications")
        cls.mimeapps = os.path.join(xdg, "config", "mimeapps.list")
        # The launcher inherits these from the session, as it would from the user's desktop.
        os.environ["XDG_DATA_HOME"] = os.path.join(xdg, "data")
        os.environ["XDG_CONFIG_HOME"] = os.path.join(xdg, "config")
        for name in DESKTOP_VARIABLES:
            os.environ.pop(name, None)
        os.makedirs(wd.host_path(FOLDER_WIN), exist_ok=True)
        shutil.copy2(wd.host_path(wd.LAUNCHER_WIN), wd.host_path(PROGRAM_WIN))

    def setUp(self):
        super().setUp()
        shutil.rmtree(os.path.dirname(self.applications), ignore_errors=True)
        shutil.rmtree(os.path.dirname(self.mimeapps), ignore_errors=True)
        os.makedirs(self.applications)
        os.makedirs(os.path.dirname(self.mimeapps))
        write(os.path.join(self.applications, "other.desktop"), USERS_ENTRY)
        write(self.mimeapps, USERS_MIMEAPPS)

    def click_in_main_window(self, point):
        launcher = self.start(program_win=PROGRAM_WIN)
        window = wd.wait_window(wd.MAIN_TITLE, launcher.pid)
        left, top, _, _ = wd.Screenshot().client_rect(window)
        wd.click(left + point[0], top + point[1])
        return launcher

    def install(self):
        self.prepare(settings={"TribesPath": wd.GAME_WIN, "RogerWilcoLaunch": "0"})
        launcher = self.click_in_main_window(INSTALL_CENTRE)
        question = wd.wait_window("Notice!", launcher.pid, "the question after Install")
        wd.key("n", question)
        launcher.stop()

    def open_link(self, opener, link):
        env = dict(os.environ, CINDERMOOR_STANDIN_LOG=self.log_win)
        process = subprocess.Popen(opener + [link], env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # xdg-open waits for the launcher; it ends with it, or is ended here.
        self.addCleanup(lambda: process.poll() is None and process.kill())
        return process


class LinuxDesktopTest(DesktopHandlerTest):

    def test_install_makes_both_openers_bring_links_to_the_launcher(self):
        self.install()
        self.assertEqual(wd.run(["xdg-mime", "query", "default", "x-scheme-handler/tribes"])
                         .stdout.strip(), DESKTOP_ID)
        validation = wd.run(["desktop-file-validate",
                             os.path.join(self.applications, DESKTOP_ID)], check=False)
        self.assertEqual((validation.returncode, validation.stdout), (0, ""))

        for opener in (["xdg-open"], ["gio", "open"]):
            with self.subTest(opener=opener[0]):
                if os.path.exists(wd.host_path(self.log_win)):
                    os.remove(wd.host_path(self.log_win))
                self.open_link(opener, LINK)
                self.assertEqual(self.log_lines(1), [GAME_CONNECT])
                quit_window = wd.wait_window(wd.MESSAGE_TITLE, what="the quit window")
                x, y, width, height = wd.geometry(quit_window)
                self.assertEqual((width, height), QUIT_SIZE)
                wd.Screenshot(save_as=f"desktop-link-{opener[0]}.png")
                wd.click(x + QUIT_LABEL[0], y + QUIT_LABEL[1])
                wd.wait_window_gone(wd.MESSAGE_TITLE)
                # The next quit window opens at the same place; xdotool's synchronous move
                # to where the pointer already is would wait for a motion that never comes.
                wd.run(["xdotool", "mousemove", "0", "0"])

    def test_a_link_is_served_at_once_with_a_private_mimeapps_list(self):
        os.chmod(self.mimeapps, 0o600)  # as dotfile managers keep it
        self.install()
        self.assertEqual(os.stat(self.mimeapps).st_mode & 0o777, 0o600)
        self.assertEqual(desktops_default(), DESKTOP_ID)
        self.open_link(["xdg-open"], LINK)
        self.assertEqual(self.log_lines(1), [GAME_CONNECT])
        window = wd.wait_window(wd.MESSAGE_TITLE, what="the quit window")
        self.assertEqual(wd.geometry(window)[2:], QUIT_SIZE)

    def test_hostile_links_through_the_desktop_start_nothing(self):
        self.install()
        for link in ("tribes://h:1/p=+quit", "tribes://10.0.0.1:28001/p=x +exec evil.cs"):
            with self.subTest(link=link):
                self.open_link(["xdg-open"], link)
                message = wd.wait_window(wd.MESSAGE_TITLE, what="the link's message box")
                pid = wd.window_pid(message)
                self.assertNotEqual(wd.geometry(message)[2:], QUIT_SIZE)
                wd.key("Return", message)
                wd.wait_for(lambda: wd.process_ended(pid), "the program to end")
                time.sleep(GRACE)
                self.assertEqual(wd.read_log(self.log_win), [])

    def test_uninstall_takes_away_only_what_install_added(self):
        self.install()
        self.assertNotEqual(read(self.mimeapps), USERS_MIMEAPPS)

        self.click_in_main_window(UNINSTALL_CENTRE)
        wd.wait_for(lambda: not os.path.exists(os.path.join(self.applications, DESKTOP_ID)),
                    "the desktop entry to go")
        wd.wait_for(lambda: read(self.mimeapps) == USERS_MIMEAPPS,
                    "mimeapps.list to be as the user had it")
        self.assertEqual(os.listdir(self.applications), ["other.desktop"])
        self.assertEqual(read(os.path.join(self.applications, "other.desktop")), USERS_ENTRY)

    def test_uninstall_gives_back_the_default_the_desktop_read_before(self):
        # In a second group, where the desktop reads it; GLib lists only entries whose program
        # is there.
        write(os.path.join(self.applications, "mine.desktop"),
              USERS_ENTRY.replace("Exec=other", "Exec=true"))
        users = USERS_MIMEAPPS + "\n[Default Applications]\nx-scheme-handler/tribes=mine.desktop\n"
        write(self.mimeapps, users)
        self.assertEqual(desktops_default(), "mine.desktop")
        self.install()
        self.assertEqual(desktops_default(), DESKTOP_ID)

        self.click_in_main_window(UNINSTALL_CENTRE)
        wd.wait_for(lambda: read(self.mimeapps) == users, "mimeapps.list to be as the user had it")

    def test_uninstall_leaves_the_handler_of_a_copy_in_another_prefix(self):
        self.install()
        launcher = self.start(program_win=PROGRAM_WIN)
        window = wd.wait_window(wd.MAIN_TITLE, launcher.pid)
        # The copy in another prefix takes the handler over while this window is open (its
        # start-up has put the handler in step already).
        script = os.path.join(self.applications, "cindermoor-launcher.sh")
        write(script, read(script).replace("\nWINEPREFIX='", "\nWINEPREFIX='/elsewhere"))
        ours = {name: read(os.path.join(self.applications, name))
                for name in os.listdir(self.applications)}
        mimeapps = read(self.mimeapps)

        left, top, _, _ = wd.Screenshot().client_rect(window)
        wd.click(left + UNINSTALL_CENTRE[0], top + UNINSTALL_CENTRE[1])
        message = wd.wait_window("Error!", launcher.pid, "the message after Un-Install")
        wd.key("Return", message)
        self.assertEqual({name: read(os.path.join(self.applications, name))
                          for name in os.listdir(self.applications)}, ours)
        self.assertEqual(read(self.mimeapps), mimeapps)

    def test_startup_writes_a_missing_entry_while_installed(self):
        self.install()
        os.remove(os.path.join(self.applications, DESKTOP_ID))
        self.start(program_win=PROGRAM_WIN)
        wd.wait_for(lambda: os.path.exists(os.path.join(self.applications, DESKTOP_ID)),
                    "start-up to write the entry again")


def desktops_default():
    """The default for tribes:// links as GLib (gio open, GTK programs) reads it."""
    first = wd.run(["gio", "mime", "x-scheme-handler/tribes"]).stdout.splitlines()[0]
    return first.rsplit(": ", 1)[-1] if first.startswith("Default application") else None


def read(path):
    with open(path, "rb") as file:
        return file.read().decode("utf-8")


def write(path, text):
    with open(path, "wb") as file:
        file.write(text.encode("utf-8"))


if __name__ == "__main__":
    wd.main()
