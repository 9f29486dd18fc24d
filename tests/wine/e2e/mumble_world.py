"""The real Mumble programs for end-to-end tests: a Mumble server (murmurd) on 127.0.0.1 with
channels of the test's own, and a Mumble client profile in which Debian's Mumble opens
mumble:// links and joins without the questions a person would answer, so that the server's
log shows it joining.

Everything lives in one temporary folder; every process is ended by its pid: the server as
our child, the client by its profile's HOME in its environment."""

import os
import re
import shutil
import signal
import socket
import sqlite3
import subprocess
import tempfile

from common import run, wait_for
from screen import key

SERVER_DEADLINE = 30.0  # its starts take about a second; much longer only under heavy load
JOIN_DEADLINE = 45.0    # Mumble's first start, its two questions and the connection
SERVER_USER = "mumble-server"  # murmurd started as root switches to this user


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class World:
    """One temporary folder for the server's and the client's files."""

    def __init__(self):
        # Not in the build folder: xdg-open splits data folders at blanks.
        self.folder = tempfile.mkdtemp(prefix="cm-e2e-mumble-", dir="/tmp")
        os.chmod(self.folder, 0o755)  # the server's user must reach its folder inside

    def remove(self):
        shutil.rmtree(self.folder, ignore_errors=True)


class MumbleServer:
    """murmurd in the foreground, as our child, with `channels`: paths such as "Lobby" and
    "Lobby/Team 1", parents first. Its output is its log."""

    def __init__(self, world, channels, password=""):
        self.folder = os.path.join(world.folder, "server")
        os.makedirs(self.folder)
        self.port = free_port()
        self.log_path = os.path.join(self.folder, "murmur.log")
        self.database = os.path.join(self.folder, "murmur.sqlite")
        self.ini = os.path.join(self.folder, "murmur.ini")
        self.process = None
        self._write_ini(password)
        self._write_certificate()
        if os.geteuid() == 0:
            shutil.chown(self.folder, SERVER_USER, SERVER_USER)
        # murmurd makes no channel from its settings: a first start creates the database,
        # the channels go in while it is stopped, and the second start reads them.
        self.start()
        self.stop()
        self._add_channels(channels)
        self.start()

    def _write_ini(self, password):
        lines = [f"database={self.database}", "host=127.0.0.1", f"port={self.port}", "users=10",
                 f"sslCert={self.folder}/cert.pem", f"sslKey={self.folder}/key.pem",
                 # A fixed count spares the key-derivation benchmark of a first start (seconds).
                 "kdfIterations=1000", "bonjour=false", f"serverpassword={password}"]
        with open(self.ini, "w", encoding="utf-8") as file:
            file.write("\n".join(lines) + "\n")

    def _write_certificate(self):
        # Made here in a moment; murmurd would spend seconds making its own.
        run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256",
             "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1",
             "-keyout", os.path.join(self.folder, "key.pem"),
             "-out", os.path.join(self.folder, "cert.pem")])
        for name in ("key.pem", "cert.pem"):
            os.chmod(os.path.join(self.folder, name), 0o644)

    def _add_channels(self, channels):
        ids = {"": 0}  # the root channel
        with sqlite3.connect(self.database) as db:
            for number, path in enumerate(channels, start=1):
                parent, _, name = path.rpartition("/")
                db.execute("INSERT INTO channels (server_id, channel_id, parent_id, name, "
                           "inheritacl) VALUES (1, ?, ?, ?, 1)", (number, ids[parent], name))
                ids[path] = number
        db.close()

    def start(self):
        with open(self.log_path, "ab") as log:
            self.process = subprocess.Popen(["murmurd", "-fg", "-ini", self.ini],
                                            stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        listening = f"Server listening on 127.0.0.1:{self.port}"
        wait_for(lambda: listening in self.log() or self.process.poll() is not None,
                 "the Mumble server to listen", SERVER_DEADLINE)
        if self.process.poll() is not None:
            raise AssertionError("the Mumble server stopped:\n" + self.log()[-2000:])

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=SERVER_DEADLINE)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()

    def log(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as file:
            return file.read()

    def wait_moved(self, name, channel, while_waiting=lambda: None):
        """Waits for the log line saying `name` was moved into `channel` (the channel's own
        name, not its path) and returns it; while_waiting runs at each look."""
        moved = re.compile(r"> Moved " + re.escape(name) + r":\d+\(-?\d+\) to " +
                           re.escape(channel) + r"\[\d+:\d+\]")

        def probe():
            while_waiting()
            return next((line for line in self.log().splitlines() if moved.search(line)), None)
        try:
            return wait_for(probe, f'"{name}" moved to "{channel}" in the server log',
                            JOIN_DEADLINE, interval=0.3)
        except AssertionError as failure:
            raise AssertionError(f"{failure}; the server's log ends:\n" +
                                 "\n".join(self.log().splitlines()[-8:])) from None


class MumbleClient:
    """A Mumble profile of the test's own (HOME and XDG_CONFIG_HOME), whose desktop opens
    mumble:// links with Debian's mumble.desktop, without the audio wizard of a first start."""

    CERTIFICATE_WIZARD = "Certificate Management"
    CERTIFICATE_QUESTION = "Mumble"

    def __init__(self, world):
        self.home = os.path.join(world.folder, "home")
        self.config = os.path.join(self.home, ".config")
        os.makedirs(os.path.join(self.config, "Mumble"))
        with open(os.path.join(self.config, "Mumble", "Mumble.conf"), "w") as file:
            file.write("[General]\nlastupdate=2\n")
        subprocess.run(["xdg-mime", "default", "mumble.desktop", "x-scheme-handler/mumble"],
                       env=self.env(), check=True, timeout=SERVER_DEADLINE)

    def env(self, base=None):
        """The environment for whatever starts Mumble (xdg-open, Wine)."""
        env = dict(os.environ if base is None else base)
        env.update(HOME=self.home, XDG_CONFIG_HOME=self.config)
        return env

    def pids(self):
        """The Linux processes of this profile (Mumble, xdg-open): those running with its HOME.
        Wine's own are left out: a Wine service started on the way belongs to the session."""
        marker = ("HOME=" + self.home).encode()
        found = []
        for entry in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{entry}/environ", "rb") as file:
                    ours = marker in file.read().split(b"\0")
                if ours and "wine" not in os.readlink(f"/proc/{entry}/exe"):
                    found.append(int(entry))
            except OSError:
                continue
        return found

    def answer_questions(self):
        """Answers a first start's questions: no certificate of the user's own (the wizard's
        Cancel), and the server's self-signed certificate accepted (Yes)."""
        for pid in self.pids():
            for window in windows_of(pid):
                title = run(["xdotool", "getwindowname", str(window)], check=False).stdout.strip()
                if title == self.CERTIFICATE_WIZARD:
                    key("Escape", window)
                elif title == self.CERTIFICATE_QUESTION:
                    key("alt+y", window)

    def stop(self):
        for pid in self.pids():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def windows_of(pid):
    result = run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", "."],
                 check=False)
    return [int(w) for w in result.stdout.split()]
