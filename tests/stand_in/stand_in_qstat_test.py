"""The stand-in game servers and master (tools/stand_in/game_servers.py) read by Debian's
qstat, which reads real ones: what the stand-ins say is what the game says."""

import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

STAND_IN = os.path.join(os.path.dirname(__file__), "..", "..", "tools", "stand_in",
                        "game_servers.py")


class StandIn:
    def __init__(self, config, *args):
        self.folder = tempfile.TemporaryDirectory()
        path = os.path.join(self.folder.name, "config.json")
        with open(path, "w", encoding="utf-8") as f:
            json.dump(config, f)
        ready = os.path.join(self.folder.name, "ready")
        self.process = subprocess.Popen([sys.executable, "-B", STAND_IN, "--config", path,
                                         "--lifetime", "60", "--ready", ready, *args])
        deadline = time.monotonic() + 20
        while not os.path.exists(ready) and time.monotonic() < deadline:
            time.sleep(0.05)
        with open(ready, encoding="utf-8") as f:
            self.ports = json.load(f)

    def close(self):
        self.process.kill()
        self.process.wait()
        self.folder.cleanup()


def quakestat(*args):
    return subprocess.run(["quakestat", "-raw", ",", *args], capture_output=True, text=True,
                          timeout=60, check=True).stdout


class StandInAgainstQstat(unittest.TestCase):
    def test_a_server_reads_as_written(self):
        server = {"name": "Alpha One", "map": "Broadside", "game_type": "CTF", "password": True,
                  "max_players": 24, "teams": [["Blood Eagle", 5], ["Diamond Sword", -2]],
                  "players": [{"name": "Kim", "team": 0, "score": 7, "ping": 120},
                              {"name": "Lee", "team": 1, "score": -3, "ping": 60}]}
        stand_in = StandIn({"servers": [server]})
        self.addCleanup(stand_in.close)
        port = stand_in.ports["servers"][0]
        lines = quakestat("-P", "-R", "-tbs", "127.0.0.1:%d" % port).splitlines()
        self.assertEqual(lines[0].split(",")[:6],
                         ["TBS", "127.0.0.1:%d" % port, "Alpha One", "Broadside", "24", "2"])
        rules = dict(rule.split("=") for rule in lines[1].split(","))
        self.assertEqual((rules["gamename"], rules["needpass"], rules["game"], rules["numteams"]),
                         ("Tribes", "1", "CTF", "2"))
        # name, score, ping, team: the teams first, then the players
        rows = [line.split(",")[:4] for line in lines[2:6]]
        self.assertEqual(rows, [["Blood Eagle", "5", "0", "0"], ["Diamond Sword", "-2", "0", "1"],
                                ["Kim", "7", "120", "0"], ["Lee", "-3", "60", "1"]])

    def test_a_master_lists_every_server_over_its_packets(self):
        stand_in = StandIn({"master": {"per_packet": 60}}, "--count", "130", "--delay", "0-50")
        self.addCleanup(stand_in.close)
        lines = quakestat("-tbm", "127.0.0.1:%d" % stand_in.ports["master"]).splitlines()
        self.assertEqual(lines[0].split(",")[2], "130")
        answered = {line.split(",")[1] for line in lines if line.startswith("TBS,")
                    and line.split(",")[-2].isdigit()}
        self.assertEqual(answered, {"127.0.0.1:%d" % p for p in stand_in.ports["servers"]})


if __name__ == "__main__":
    unittest.main()
