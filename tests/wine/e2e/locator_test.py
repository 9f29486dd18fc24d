"""The game locator window: browsing to the game's folder and storing it."""

import collections
import os
import shutil

import wine_driver as wd
from wine_driver import LauncherTest

BROWSE_WIN = wd.ROOT_WIN + r"\browse"
TARGET_WIN = BROWSE_WIN + r"\Tribes"
CHANGE_CENTRE = (40, 133)          # the main window's change button, client pixels
LOCATOR_OK = (27, 24)              # OK bitmap at (8, 8), 38 x 33
FOLDER_LIST = (8, 40, 201, 201)    # client pixels: left, top, width, height
FILE_LIST = (208, 40, 201, 197)
LIST_BORDER = 3                    # the sunken edge, and a pixel to spare


class LocatorTest(LauncherTest):

    def setUp(self):
        super().setUp()
        # The launcher starts in "browse", whose only sub-folder holds the game.
        shutil.rmtree(wd.host_path(BROWSE_WIN), ignore_errors=True)
        os.makedirs(wd.host_path(TARGET_WIN))
        shutil.copy2(os.path.join(wd.Environment.bin_dir, "tribes.exe"), wd.host_path(TARGET_WIN))
        self.prepare(settings={"TribesPath": wd.GAME_WIN})

    def open_locator(self):
        launcher = self.start(cwd_win=BROWSE_WIN)
        main = wd.wait_window(wd.MAIN_TITLE, launcher.pid)
        left, top, _, _ = wd.Screenshot().client_rect(main)
        wd.click(left + CHANGE_CENTRE[0], top + CHANGE_CENTRE[1])
        locator = wd.wait_window(wd.LOCATOR_TITLE, launcher.pid)
        x, y, width, height = wd.geometry(locator)
        self.assertEqual((width, height), (417, 273))
        self.origin = (x, y)
        return launcher

    def client_click(self, point, double=False):
        wd.click(self.origin[0] + point[0], self.origin[1] + point[1], double=double)

    def inner_pixels(self, shot, area):
        left, top, width, height = area
        return [shot.pixel(self.origin[0] + i, self.origin[1] + j)
                for j in range(top + LIST_BORDER, top + height - LIST_BORDER)
                for i in range(left + LIST_BORDER, left + width - LIST_BORDER)]

    def highlighted_rows(self, shot):
        """The client rows of the folder list's highlighted entry: the rows along one column
        in the list's most common colour other than black and text yellow."""
        left, top, width, height = FOLDER_LIST
        column = left + width - 20  # right of any name
        rows = {j: shot.pixel(self.origin[0] + column, self.origin[1] + j)
                for j in range(top + LIST_BORDER, top + height - LIST_BORDER)}
        colours = collections.Counter(c for c in rows.values() if c != wd.BLACK)
        self.assertTrue(colours, "no highlighted entry in the folder list")
        band = colours.most_common(1)[0][0]
        chosen = [j for j, colour in rows.items() if colour == band]
        return chosen[0], chosen[-1]

    def test_ok_untouched_stores_the_current_folder(self):
        launcher = self.open_locator()
        self.client_click(LOCATOR_OK)
        wd.wait_window(wd.MAIN_TITLE, launcher.pid, "the main window to show again")
        wd.wait_window_gone(wd.LOCATOR_TITLE, launcher.pid)
        self.assertEqual(wd.settings().get("TribesPath"), BROWSE_WIN)

    def test_open_the_game_folder_and_store_it(self):
        launcher = self.open_locator()
        shot = wd.Screenshot(save_as="locator-window.png")
        self.assertEqual(set(self.inner_pixels(shot, FILE_LIST)), {wd.BLACK},
                         "the file list shows a file in a folder without the game")
        first, last = self.highlighted_rows(shot)
        # The current folder "browse" is highlighted; its one sub-folder is the next entry.
        self.client_click((FOLDER_LIST[0] + 60, last + (last - first) // 2 + 2), double=True)
        shot = wd.wait_for(
            lambda: (lambda s: s if set(self.inner_pixels(s, FILE_LIST)) != {wd.BLACK} else None)(
                wd.Screenshot()),
            "the file list to show the game's program")
        wd.Screenshot(save_as="locator-window-game-folder.png")
        moved = self.highlighted_rows(shot)
        self.assertEqual(moved[0] - first, last - first + 1, "the highlight moved one entry down")

        self.client_click(LOCATOR_OK)
        wd.wait_window(wd.MAIN_TITLE, launcher.pid, "the main window to show again")
        wd.wait_window_gone(wd.LOCATOR_TITLE, launcher.pid)
        self.assertEqual(wd.settings().get("TribesPath"), TARGET_WIN)
        wd.Screenshot(save_as="main-window-after-locator.png")

    def test_a_link_waits_for_the_game_folder_and_is_served_once_it_is_set(self):
        link = "tribes://10.0.0.1:28001/"
        self.prepare(voice_client=False)
        launcher = self.start(link, cwd_win=TARGET_WIN)
        locator = wd.wait_window(wd.LOCATOR_TITLE, launcher.pid)
        message = wd.wait_window(wd.MESSAGE_TITLE, launcher.pid, "the message")
        wd.key("Return", message)
        wd.wait_window_gone(wd.MESSAGE_TITLE, launcher.pid)
        self.origin = wd.geometry(locator)[:2]
        self.client_click(LOCATOR_OK)
        wd.wait_window(wd.MAIN_TITLE, launcher.pid, "the main window to show")
        self.assertEqual(wd.settings().get("TribesPath"), TARGET_WIN)
        self.assertEqual(wd.read_log(self.log_win), [])

        self.start(link)
        self.assertEqual(self.log_lines(1), [("tribes.exe", TARGET_WIN, "1", "+connect 10.0.0.1:28001")])


if __name__ == "__main__":
    wd.main()
