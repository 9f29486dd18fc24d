"""Starts that arrive while a launcher already runs: one game per link, one settings window."""

import link_test
import wine_driver as wd
from link_test import GAME_CONNECT, LINK, QUIT_SIZE

OTHER_LINK = "tribes://10.0.0.2:28002/"
OTHER_GAME = ("tribes.exe", wd.GAME_WIN, "1", "+connect 10.0.0.2:28002")


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

    def test_two_starts_at_once_start_one_game(self):
        self.prepare(settings={"TribesPath": wd.GAME_WIN, "RogerWilcoLaunch": "0"})
        starts = [self.start(LINK), self.start(LINK)]
        wd.wait_for(lambda: sum(s.running() for s in starts) == 1, "one of the two to end")
        self.assert_log_stays([GAME_CONNECT])

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
