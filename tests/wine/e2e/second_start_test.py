"""Starts that arrive while a launcher already runs: one game per link, one settings window."""

import os
import subprocess
import time

import link_test
import wine_driver as wd
from link_test import GAME_CONNECT, LINK, QUIT_SIZE

OTHER_LINK = "tribes://10.0.0.2:28002/"
OTHER_GAME = ("tribes.exe", wd.GAME_WIN, "1", "+connect 10.0.0.2:28002")
TRIES_AT_ONCE = 6
# One start alone brings the game in about 0.3 s here, Wine's process starts included.
GAME_WITHIN = 1.2
# WM_COPYDATA that any program may send to a launcher's hand-over window: (bytes, tag, sender).
# The tags 434D0001-3 are the question, answer and "to the front" of earlier versions.
HAND_OVER_MESSAGES = [
    (0, "434D0001", "probe"), (64, "434D0001", "itself"), (2048, "434D0002", "probe"),
    (4 << 20, "434D0003", "none"), ((4 << 20) + 1, "7", "probe"), (16 << 20, "0", "none"),
]


def probe(*args):
    return [os.path.join(wd.Environment.bin_dir, "hand_over_probe.exe"), *args]


class SecondStartTest(wd.LauncherTest):
    serve = link_test.LinkTest.serve
    quit_window = link_test.LinkTest.quit_window
    assert_log_stays = link_test.LinkTest.assert_log_stays

    def quit_windows(self):
        return [w for w in wd.find_windows(wd.MESSAGE_TITLE) if wd.geometry(w)[2:] == QUIT_SIZE]

    # Which window is in front is not checked: without a window manager, Xvfb's stacking does
    # not follow Wine's.
    def test_same_link_and_plain_start_again_end_without_a_window_of_their_own(self):
        self.serve({"RogerWilcoLaunch": "0"})
        wd.wait_window(wd.MAIN_TITLE, self.start().pid, "the settings window")
        self.start(LINK).wait_exit("the same link's second start to end")
        self.start().wait_exit("the second plain start to end")
        self.assertEqual(len(self.quit_windows()), 1)
        self.assertEqual(len(wd.find_windows(wd.MAIN_TITLE)), 1)
        self.assert_log_stays([GAME_CONNECT])

    # Each try starts both at the same moment; the game must come as soon as for one start.
    def test_two_starts_at_once_start_one_game_as_fast_as_one(self):
        self.prepare(settings={"TribesPath": wd.GAME_WIN, "RogerWilcoLaunch": "0"})
        for attempt in range(TRIES_AT_ONCE):
            with self.subTest(attempt=attempt):
                self._stop_all()
                if os.path.exists(wd.host_path(self.log_win)):
                    os.remove(wd.host_path(self.log_win))
                began = time.monotonic()
                starts = [self.start(LINK), self.start(LINK)]
                self.log_lines(1)
                self.assertLess(time.monotonic() - began, GAME_WITHIN)
                wd.wait_for(lambda: sum(s.running() for s in starts) == 1, "one of the two to end")
                self.assert_log_stays([GAME_CONNECT])

    def test_hand_over_messages_of_any_program_leave_it_serving_and_tell_no_password(self):
        launcher, _ = self.serve({"RogerWilcoLaunch": "0"})
        for size, tag, sender in HAND_OVER_MESSAGES:
            with self.subTest(size=size, tag=tag, sender=sender):
                said = wd.run(["wine"] + probe("send", str(size), tag, sender)).stdout
                self.assertIn("window\tserving 10.0.0.1:28001\t", said)
                self.assertNotIn("secret", said)
                self.assertTrue(launcher.running())
        self.start(LINK).wait_exit("the same link's next start to end")
        self.assertEqual(len(self.quit_windows()), 1)
        self.assert_log_stays([GAME_CONNECT])

    def test_a_hung_window_of_the_launchers_class_slows_no_start(self):
        self.prepare(settings={"TribesPath": wd.GAME_WIN, "RogerWilcoLaunch": "0"})
        hung = subprocess.Popen(["wine"] + probe("hang", "60"), stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, text=True)
        self.addCleanup(lambda: (hung.kill(), hung.wait(), hung.stdout.close()))
        self.assertEqual(hung.stdout.readline().strip(), "ready")
        began = time.monotonic()
        self.start(LINK)
        self.log_lines(1)
        self.assertLess(time.monotonic() - began, GAME_WITHIN, "the game")
        began = time.monotonic()
        self.start(LINK).wait_exit("the same link's next start to end")
        self.assertLess(time.monotonic() - began, GAME_WITHIN, "the next start's end")

    def another_link(self, answer, games):
        self.serve({"RogerWilcoLaunch": "0"})
        second = self.start(OTHER_LINK)
        wd.key(answer, wd.wait_window(wd.MESSAGE_TITLE, second.pid, "the question"))
        wd.wait_for(lambda: len(self.quit_windows()) == len(games), "the quit windows")
        self.assert_log_stays(games)
        self.assertEqual(second.running(), answer == "y")

    def test_another_link_answered_no_keeps_one_game(self):
        self.another_link("n", [GAME_CONNECT])

    def test_another_link_answered_yes_serves_both(self):
        self.another_link("y", [GAME_CONNECT, OTHER_GAME])


if __name__ == "__main__":
    wd.main()
