"""The servers window as a player meets it, against stand-in game servers and a master on
loopback: links served show in Recent with their live answers, a favourite is kept, All servers
lists what the master lists, and Enter joins."""

import json
import os
import subprocess
import sys

import wine_driver as wd
from wine_driver import LauncherTest

SERVERS_TITLE = "Cindermoor Servers"
STAND_IN = os.path.join(os.path.dirname(__file__), "..", "..", "..", "tools", "stand_in",
                        "game_servers.py")
SERVER_LIST_ID = 103
# Client pixels at 96 DPI: the main window's Servers button, (8, 8) and 72 x 33; the All
# servers option, (184, 8) and 112 x 17.
SERVERS_BUTTON = (44, 24)
ALL_SERVERS_OPTION = (200, 16)
EMPTY_GROUND = (500, 16)
NAMES = ["Alpha Pit", "Beta Base", "Gamma Gorge"]


def server_rows(title=SERVERS_TITLE):
    """The server list's rows as lists of their column texts."""
    result = wd.run(["wine", os.path.join(wd.Environment.bin_dir, "window_texts.exe"), title,
                     "rows"], check=False)
    rows = [line.split("\t") for line in result.stdout.split("\n") if line]
    return [row[2:] for row in rows if row[0] == str(SERVER_LIST_ID)]


class ServersTest(LauncherTest):

    def stand_ins(self):
        folder = wd.host_path(wd.ROOT_WIN)
        config, ready = os.path.join(folder, "servers.json"), os.path.join(folder, "ready.json")
        if os.path.exists(ready):
            os.remove(ready)
        servers = [{"name": name, "map": "Map " + name[0], "max_players": 16,
                    "players": [{"name": "Ann", "team": 0, "score": 7, "ping": 40}]}
                   for name in NAMES]
        with open(config, "w", encoding="utf-8") as file:
            json.dump({"servers": servers}, file)
        process = subprocess.Popen([sys.executable, STAND_IN, "--config", config, "--ready", ready,
                                    "--lifetime", "250"], stdin=subprocess.DEVNULL)
        self.addCleanup(process.wait)
        self.addCleanup(process.kill)
        wd.wait_for(lambda: os.path.exists(ready), "the stand-in servers")
        with open(ready, encoding="utf-8") as file:
            return json.load(file)

    def serve(self, port):
        """A link served as a click serves it; its launcher is ended once the game started."""
        launcher = self.start(f"tribes://127.0.0.1:{port}/")
        wd.wait_for(lambda: f"127.0.0.1:{port}" in wd.settings().get("RecentServers", ""),
                    f"Recent to hold port {port}")
        launcher.stop()

    def open_servers_window(self, launcher, first=False):
        main = wd.wait_window(wd.MAIN_TITLE, launcher.pid)
        if first:  # what the servers window needs comes with it
            libraries = wd.loaded_libraries(launcher.pid)
            self.assertNotIn("ws2_32.dll", libraries)
            self.assertNotIn("comctl32.dll", libraries)
        left, top, _, _ = wd.Screenshot().client_rect(main)
        wd.click(left + SERVERS_BUTTON[0], top + SERVERS_BUTTON[1])
        return wd.wait_window(SERVERS_TITLE, launcher.pid)

    def test_recent_live_favourite_kept_all_servers_listed_and_enter_joins(self):
        world = self.stand_ins()
        ports = world["servers"]
        address = [f"127.0.0.1:{port}" for port in ports]
        self.prepare(settings={"TribesPath": wd.GAME_WIN,
                               "MasterServers": f"127.0.0.1:{world['master']}"})
        self.serve(ports[0])
        self.serve(ports[1])
        self.assertEqual(wd.settings()["RecentServers"], f"{address[1]} {address[0]}")

        launcher = self.start()
        window = self.open_servers_window(launcher, first=True)
        # Recent, newest first, each row as its server answered.
        rows = wd.wait_for(lambda: [r for r in server_rows() if r[2]] == server_rows() and
                           len(server_rows()) == 2 and server_rows(), "Recent's answers")
        self.assertEqual([r[0] for r in rows], ["Beta Base", "Alpha Pit"])
        self.assertEqual([r[1:3] for r in rows], [["Map B", "1/16"], ["Map A", "1/16"]])
        self.assertEqual([r[4] for r in rows], [address[1], address[0]])
        libraries = wd.loaded_libraries(launcher.pid)
        self.assertIn("ws2_32.dll", libraries)
        self.assertIn("comctl32.dll", libraries)
        wd.Screenshot(save_as="servers-recent.png")

        wd.key("Insert", window)  # on the selected first row
        wd.wait_for(lambda: wd.settings().get("FavouriteServers") == address[1], "a favourite")

        left, top, _, _ = wd.Screenshot().client_rect(window)
        wd.click(left + ALL_SERVERS_OPTION[0], top + ALL_SERVERS_OPTION[1])
        rows = wd.wait_for(lambda: len(server_rows()) == 3 and all(r[2] for r in server_rows())
                           and server_rows(), "All servers' answers")
        self.assertEqual([r[0] for r in rows], NAMES)
        wd.Screenshot(save_as="servers-all.png")

        # From the option just clicked to the list, then to its third row.
        for name in ("Tab", "Down", "Down", "Return"):
            wd.key(name, window)
        wd.wait_for(lambda: wd.settings().get("RecentServers", "").startswith(address[2]),
                    "the joined server to lead Recent")
        self.assertIn(("tribes.exe", wd.GAME_WIN, "1", f"+connect {address[2]}"),
                      wd.read_log(self.log_win))

        # Back in the window (the joined game's quit window came to the front), closed, and
        # opened again: it opens on the favourite kept.
        left, top, _, _ = wd.Screenshot().client_rect(window)
        wd.click(left + EMPTY_GROUND[0], top + EMPTY_GROUND[1])
        wd.key("Escape", window)
        wd.wait_window_gone(SERVERS_TITLE, launcher.pid)
        self.open_servers_window(launcher)
        rows = wd.wait_for(lambda: len(server_rows()) == 1 and server_rows()[0][2] and
                           server_rows(), "Favourites' answer")
        self.assertEqual(rows[0][0], "Beta Base")
        wd.Screenshot(save_as="servers-favourites.png")


if __name__ == "__main__":
    wd.main()
