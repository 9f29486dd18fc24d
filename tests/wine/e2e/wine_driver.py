"""Drives the real launcher.exe under Wine and Xvfb as a user would: registry through
`wine reg`, windows through xdotool, pixels from screenshots of the X root window.

Runs inside the session that tools/wine-session.sh sets up (WINEPREFIX and DISPLAY set,
a persistent wineserver). Everything a test starts is ended by its own pid."""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import unittest

from common import BLACK, DEADLINE, Environment, run, wait_for  # noqa: F401 (re-exported)
from screen import (Screenshot, click, find_windows, geometry, key,  # noqa: F401
                    type_text, wait_window, wait_window_gone, window_pid)

SETTINGS_KEY = r"HKCU\Software\Cindermoor\Launcher\Program Settings"
CLASS_KEY = r"HKLM\Software\Classes\tribes"
VOICE_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\roger.exe"
GAME_KEYS = (r"HKLM\Software\Dynamix\Starsiege Tribes",
             r"HKLM\Software\Wow6432Node\Dynamix\Starsiege Tribes")
MAIN_TITLE = ".: Cindermoor :."
LOCATOR_TITLE = "Location of Tribes.exe"
MESSAGE_TITLE = "Cindermoor Launcher"  # the program's own messages; the quit window shares it

PICTURE_YELLOW = (231, 209, 0)
DARK_OLIVE = (64, 64, 0)

# Everything the suite puts into the prefix lives under this folder.
ROOT_NAME = "cm-e2e"
ROOT_WIN = "C:\\" + ROOT_NAME
LAUNCHER_WIN = ROOT_WIN + r"\Cindermoor\launcher.exe"
VOICE_WIN = ROOT_WIN + r"\Roger Wilco"
GAME_WIN = ROOT_WIN + r"\Games\Tribes"
# A Linux desktop without applications, so that Mumble is found only where a test gives one.
NO_APPLICATIONS_WIN = ROOT_WIN + r"\no-applications"


def host_path(windows_path):
    """A C:\\ path inside the prefix as a Linux path."""
    assert windows_path[:3].upper() == "C:\\", windows_path
    return os.path.join(Environment.prefix, "drive_c", *windows_path[3:].split("\\"))


# ---------------------------------------------------------------- registry

def reg_import(lines):
    """Applies .reg lines in one Wine start: "[-KEY]" deletes a key, "[KEY]" then
    '"name"="value"' writes values."""
    path = host_path(ROOT_WIN + r"\setup.reg")
    with open(path, "w", encoding="utf-16") as file:
        file.write("Windows Registry Editor Version 5.00\r\n\r\n")
        for line in lines:
            file.write(_long_root(line) + "\r\n")
    run(["wine", "reg", "import", ROOT_WIN + r"\setup.reg"])


def _long_root(line):
    return (line.replace("[HKCU\\", "[HKEY_CURRENT_USER\\")
            .replace("[-HKCU\\", "[-HKEY_CURRENT_USER\\")
            .replace("[HKLM\\", "[HKEY_LOCAL_MACHINE\\")
            .replace("[-HKLM\\", "[-HKEY_LOCAL_MACHINE\\"))


def reg_string(value):
    return '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'


def export_text(key):
    """A key with its sub-keys as .reg text, which keeps text outside ASCII exact (the
    console listing of `reg query` does not); "" when the key does not exist."""
    path = host_path(r"C:\export.reg")
    # reg says when the key is missing; a failure without those words is a Wine start that
    # ended before reg ran (about one in a few thousand): that must not read as a missing key.
    for _ in range(3):
        result = run(["wine", "reg", "export", key, r"C:\export.reg", "/y"], check=False)
        if result.returncode == 0:
            break
        if "Unable to find" in result.stdout:
            return ""
    else:
        raise AssertionError(f"reg export {key} failed ({result.returncode}): {result.stderr}")
    with open(path, encoding="utf-16") as file:
        text = file.read()
    os.remove(path)
    return text


def reg_values(key):
    """The values of one key as {name: data} ("" names the default value; strings without
    their quotes); None when the key does not exist."""
    sections = export_text(key).split("\n\n[")
    if len(sections) < 2:
        return None
    values = {}
    for line in filter(None, sections[1].splitlines()[1:]):
        name, _, data = line.partition("=")
        name = "" if name == "@" else _unquote(name)
        values[name] = _unquote(data) if data.startswith('"') else data
    return values


def _unquote(text):
    return text[1:-1].replace('\\"', '"').replace("\\\\", "\\")


def settings():
    return reg_values(SETTINGS_KEY) or {}


def table_text(language, key):
    """A text as the program's table for that language has it (line breaks as shown)."""
    table = os.path.join(os.path.dirname(__file__), "..", "..", "..", "src", "text", "languages",
                         language + ".txt")
    with open(table, encoding="utf-8") as file:
        for line in file:
            name, equals, text = line.partition("=")
            if equals and name.strip() == key:
                return text.strip().replace("\\r", "\r").replace("\\n", "\n")
    raise KeyError(key)


# ---------------------------------------------------------------- processes

class Launcher:
    """One run of launcher.exe from inside the prefix, ended by pid when the test ends."""

    def __init__(self, link=None, cwd_win=None, log_win=None, through_shell=False,
                 program_win=LAUNCHER_WIN, env=None):
        if env is None:
            env = dict(os.environ, XDG_DATA_DIRS=host_path(NO_APPLICATIONS_WIN))
        env = dict(env)
        if log_win:
            env["CINDERMOOR_STANDIN_LOG"] = log_win
        # Through the shell the link takes the road of a click: the registered class's
        # command line with the link in place of %1; the pid is then the shell's.
        program = ["start"] if through_shell else [program_win]
        args = ["wine"] + program + ([link] if link is not None else [])
        cwd = host_path(cwd_win) if cwd_win else host_path(ROOT_WIN)
        self.process = subprocess.Popen(args, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pid = self.process.pid

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, what="the launcher to end"):
        wait_for(lambda: not self.running(), what)

    def stop(self):
        if self.running():
            os.kill(self.pid, signal.SIGKILL)
            self.process.wait(timeout=DEADLINE)


def loaded_libraries(pid):
    """The file names (lower case) of the DLLs a Wine process has mapped."""
    with open(f"/proc/{pid}/maps") as file:
        return {line.split("/")[-1].strip().lower() for line in file if line.strip().endswith(".dll")}


def process_ended(pid):
    """True once the process is gone (a zombie of ours counts as gone)."""
    try:
        with open(f"/proc/{pid}/stat") as file:
            return file.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


def stop_leftovers():
    """Ends, by pid, any program this suite put into the prefix that is still running
    (a launcher started through the protocol class, a stand-in that hangs)."""
    marker = "\\" + ROOT_NAME + "\\"
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) == os.getpid():
            continue
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as file:
                cmdline = file.read().decode("utf-8", "replace")
            with open(f"/proc/{entry}/environ", "rb") as file:
                environ = file.read().decode("utf-8", "replace").split("\0")
        except OSError:
            continue
        if marker in cmdline and "WINEPREFIX=" + Environment.prefix in environ:
            try:
                os.kill(int(entry), signal.SIGKILL)
            except ProcessLookupError:
                pass


# ---------------------------------------------------------------- the prefix's folders

def install_programs():
    """Copies the launcher and the stand-ins into the prefix, as an installed user has them."""
    shutil.rmtree(host_path(ROOT_WIN), ignore_errors=True)
    for folder, program in ((r"\Cindermoor", "launcher.exe"), (r"\Roger Wilco", "roger.exe"),
                            (r"\Games\Tribes", "tribes.exe")):
        target = host_path(ROOT_WIN + folder)
        os.makedirs(target, exist_ok=True)
        shutil.copy2(os.path.join(Environment.bin_dir, program), target)
    os.makedirs(host_path(ROOT_WIN + r"\logs"), exist_ok=True)
    os.makedirs(host_path(NO_APPLICATIONS_WIN), exist_ok=True)


def mumble_applications():
    """A data folder whose desktop entry opens mumble:// links: with it Mumble is there."""
    folder = host_path(ROOT_WIN + r"\mumble-data")
    os.makedirs(os.path.join(folder, "applications"), exist_ok=True)
    with open(os.path.join(folder, "applications", "voice.desktop"), "w") as file:
        file.write("[Desktop Entry]\nType=Application\nExec=mumble %u\n"
                   "MimeType=x-scheme-handler/mumble;\n")
    return folder


def window_controls(title):
    """What the controls of the window with this title say and where they stand:
    {id: (visible, (left, top, right, bottom), text)}, places in its client pixels."""
    result = run(["wine", os.path.join(Environment.bin_dir, "window_texts.exe"), title])
    controls = {}
    for line in filter(None, result.stdout.split("\n")):
        control, visible, place, text = line.split("\t", 3)
        controls[int(control)] = (visible == "1", tuple(map(int, place.split(","))), text)
    return controls


def read_log(log_win):
    """The stand-ins' log as lists of (program, folder, show command, tail)."""
    try:
        with open(host_path(log_win), encoding="utf-8") as file:
            text = file.read()
    except FileNotFoundError:
        return []
    return [tuple(line.split("\t", 3)) for line in text.split("\n") if line]


class LauncherTest(unittest.TestCase):
    """Base for the suite's tests: a clean registry and log per test, and everything it
    started ended when it finishes, whatever the outcome."""

    def setUp(self):
        self.launchers = []
        self.log_win = ROOT_WIN + "\\logs\\" + self.id().split(".")[-1] + ".log"
        if os.path.exists(host_path(self.log_win)):
            os.remove(host_path(self.log_win))
        self.addCleanup(self._stop_all)

    def _stop_all(self):
        for launcher in self.launchers:
            launcher.stop()
        stop_leftovers()

    def prepare(self, voice_client=True, settings=None, game_key=None):
        """Resets every key the launcher reads or writes, then writes the given state."""
        lines = ["[-" + SETTINGS_KEY + "]", "[-" + CLASS_KEY + "]", "[-" + VOICE_KEY + "]"]
        lines += ["[-" + key + "]" for key in GAME_KEYS]
        if voice_client:
            lines += ["[" + VOICE_KEY + "]", '"Path"=' + reg_string(VOICE_WIN)]
        if settings:
            lines.append("[" + SETTINGS_KEY + "]")
            lines += [reg_string(name) + "=" + reg_string(value)
                      for name, value in settings.items()]
        if game_key:
            lines += ["[" + GAME_KEYS[1] + "]", '"Path"=' + reg_string(game_key)]
        reg_import(lines)

    def start(self, link=None, cwd_win=None, through_shell=False, program_win=LAUNCHER_WIN,
              env=None):
        launcher = Launcher(link, cwd_win, self.log_win, through_shell, program_win, env)
        self.launchers.append(launcher)
        return launcher

    def log_lines(self, count):
        return wait_for(lambda: len(read_log(self.log_win)) >= count and read_log(self.log_win),
                        f"{count} line(s) in the stand-ins' log")


def main():
    """Runs the calling module's tests; --bin names the folder that holds the built programs."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True)
    options, rest = parser.parse_known_args()
    missing = [name for name in ("DISPLAY", "WINEPREFIX") if not os.environ.get(name)]
    if missing:
        # CI runs this inside tools/wine-session.sh; a run without it has tested nothing.
        sys.exit("e2e: " + " and ".join(missing) + " not set: run inside tools/wine-session.sh")
    Environment.bin_dir = os.path.abspath(options.bin)
    Environment.prefix = os.path.abspath(os.environ["WINEPREFIX"])
    Environment.shots = os.path.join(os.path.dirname(Environment.bin_dir), "e2e-shots")
    install_programs()
    unittest.main(module="__main__", argv=[sys.argv[0]] + rest, verbosity=2)
