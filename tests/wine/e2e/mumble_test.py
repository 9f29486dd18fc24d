"""Debian's Mumble and Mumble server, with a link served by the launcher under Wine without a
Windows mumble class: the Mumble link goes to the Linux desktop's opener, and the
named player arrives in the channel the own-server settings name."""

import os

import wine_driver as wd
from mumble_world import MumbleClient, MumbleServer, World

# A blank in the channel, ":" and "@" in the password: the link carries them percent-encoded.
CHANNELS = ["Lobby", "Lobby/Team 1"]
PASSWORD = "se:cret@1"
PLAYER = "player1"


class MumbleTest(wd.LauncherTest):

    def setUp(self):
        super().setUp()
        world = World()
        self.addCleanup(world.remove)
        self.server = MumbleServer(world, CHANNELS, PASSWORD)
        self.addCleanup(self.server.stop)
        self.client = MumbleClient(world)
        self.addCleanup(self.client.stop)

    def test_a_served_link_brings_the_named_player_into_the_own_servers_channel(self):
        self.prepare(settings={"TribesPath": wd.GAME_WIN, "VoiceClient": "Mumble",
                               "VoiceName": PLAYER, "UseTWRW": "0",
                               "Server": f"127.0.0.1:{self.server.port}",
                               "Channel": CHANNELS[1], "Password": PASSWORD})
        # The system's applications, where Debian's mumble.desktop is.
        data_dirs = os.environ.get("XDG_DATA_DIRS") or "/usr/local/share:/usr/share"
        self.start("tribes://10.0.0.1:28001/", env=self.client.env(
            dict(os.environ, XDG_DATA_DIRS=data_dirs)))
        self.assertEqual(self.log_lines(1),
                         [("tribes.exe", wd.GAME_WIN, "1", "+connect 10.0.0.1:28001")])
        self.server.wait_moved(PLAYER, "Team 1", self.client.answer_questions)


if __name__ == "__main__":
    wd.main()
