"""The main window as a user meets it: its look, and what its buttons and boxes store."""

import os

import wine_driver as wd
from wine_driver import LauncherTest

# Client positions in pixels (15 twips each).
OK_FRAME_CORNERS = ((283, 14), (313, 32))          # OK bitmap at (280, 8), frame (3,6)-(33,24)
INSTALL_FRAME_CORNERS = ((140, 86), (190, 104))    # at (136, 80), frame (4,6)-(54,24)
UNINSTALL_FRAME_CORNERS = ((132, 87), (206, 105))  # at (96, 72), frame (36,15)-(110,33)
CHANGE_FRAME_CORNERS = ((9, 124), (70, 142))       # at (8, 120), frame (1,4)-(62,22)
SERVERS_FRAME_CORNERS = ((10, 14), (77, 32))       # at (8, 8), frame (2,6)-(69,24)
# The focus cue: dots two pixels outside the frame, where the sum of the bitmap's x and y is even.
INSTALL_FOCUS_DOTS = ((138, 84), (192, 106))       # bitmap (2, 4) and (56, 26)
UNINSTALL_FOCUS_DOTS = ((131, 85), (207, 107))     # bitmap (35, 13) and (111, 35)
INSTALL_CENTRE = (165, 95)
UNINSTALL_CENTRE = (169, 96)
CHANGE_CENTRE = (40, 133)
OK_CENTRE = (298, 23)
OWN_SERVER_CIRCLE = (70, 400)                      # own-server option at (64, 392), 17 px high
SERVER_BOX_INSIDE = (200, 305)                     # server box at (88, 296), 217 x 19
MUMBLE_CIRCLE = (126, 424)                         # Mumble's option at (120, 416)
TEAMSPEAK_CIRCLE = (198, 424)                      # TeamSpeak's option at (192, 416)

# The notices' exact words are the voice clients' table's (tests/host/voice/); here, their start.
ROGER_WILCO_TEXTS = {"Roger Wilco Settings", "Launch RogerWilco on game connection?",
                     "Use Cindermoor RW server.", "Use your own RogerWilco server."}
MUMBLE_TEXTS = {"Mumble Settings", "Launch Mumble on game connection?",
                "Use Cindermoor Mumble server.", "Use your own Mumble server.", "Name:"}
TEAMSPEAK_TEXTS = {"TeamSpeak Settings", "Launch TeamSpeak on game connection?",
                   "Use Cindermoor TeamSpeak server.", "Use your own TeamSpeak server.", "Name:"}


class MainWindowTest(LauncherTest):

    def open_main_window(self, voice_client=True, settings=None):
        all_settings = {"TribesPath": wd.GAME_WIN}
        all_settings.update(settings or {})
        self.prepare(voice_client=voice_client, settings=all_settings)
        launcher = self.start()
        window = wd.wait_window(wd.MAIN_TITLE, launcher.pid)
        shot = wd.Screenshot()
        left, top, width, height = shot.client_rect(window)
        self.origin = (left, top)
        return launcher, window, (width, height)

    def screen(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def client_pixel(self, shot, x, y):
        return shot.pixel(*self.screen(x, y))

    def assert_pixels(self, shot, points, colour):
        for point in points:
            self.assertEqual(self.client_pixel(shot, *point), colour, f"client pixel {point}")

    def click_client(self, x, y, double=False):
        wd.click(*self.screen(x, y), double=double)

    def test_full_window_size_and_colours(self):
        launcher, window, size = self.open_main_window()
        shot = wd.Screenshot(save_as="main-window.png")
        self.assertEqual(size, (328, 513))
        self.assert_pixels(shot, OK_FRAME_CORNERS + INSTALL_FRAME_CORNERS + CHANGE_FRAME_CORNERS +
                           SERVERS_FRAME_CORNERS, wd.PICTURE_YELLOW)
        # Only Install shows at start: where Un-Install's frame would be is black.
        self.assert_pixels(shot, UNINSTALL_FRAME_CORNERS + ((2, 2), (325, 200), (160, 60)),
                           wd.BLACK)
        self.assertEqual(self.client_pixel(shot, *SERVER_BOX_INSIDE), wd.DARK_OLIVE)
        self.assertEqual(self.client_pixel(shot, 300, 344), wd.DARK_OLIVE)  # the password box's far end

    def test_without_voice_client_the_window_is_compact(self):
        launcher, window, size = self.open_main_window(voice_client=False)
        wd.Screenshot(save_as="main-window-compact.png")
        self.assertEqual(size, (328, 206))
        self.assertNotIn("RogerWilcoLaunch", wd.settings())

    def test_with_mumble_alone_the_voice_part_shows_and_says_roger_wilco_is_missing(self):
        self.prepare(voice_client=False, settings={"TribesPath": wd.GAME_WIN})
        launcher = self.start(env=dict(os.environ, XDG_DATA_DIRS=wd.applications_for("mumble")))
        window = wd.wait_window(wd.MAIN_TITLE, launcher.pid)
        shot = wd.Screenshot(save_as="main-window-mumble-only.png")
        self.assertEqual(shot.client_rect(window)[2:], (328, 513))
        self.assertEqual(wd.settings().get("RogerWilcoLaunch"), "1")
        self.assertNotIn("VoiceClient", wd.settings())

    def test_texts_speak_of_the_chosen_voice_client_and_nothing_moves(self):
        launcher, window, _ = self.open_main_window()
        shown = [(wd.window_controls(wd.MAIN_TITLE), ROGER_WILCO_TEXTS, "Roger Wilco")]
        for circle, name, texts in ((MUMBLE_CIRCLE, "Mumble", MUMBLE_TEXTS),
                                    (TEAMSPEAK_CIRCLE, "TeamSpeak", TEAMSPEAK_TEXTS)):
            self.click_client(*circle)
            wd.wait_for(lambda: wd.settings().get("VoiceClient") == name, f'VoiceClient "{name}"')
            wd.Screenshot(save_as=f"main-window-{name.lower()}-chosen.png")
            shown.append((wd.window_controls(wd.MAIN_TITLE), texts, name))
        every_text = ROGER_WILCO_TEXTS | MUMBLE_TEXTS | TEAMSPEAK_TEXTS
        for controls, texts, name in shown:
            visible = {text for seen, _, text in controls.values() if seen}
            self.assertLessEqual(texts, visible)
            self.assertFalse((every_text - texts) & visible)
            notice = f"use the {name} features of Cindermoor Launcher"
            self.assertTrue(any(notice in text for text in visible), notice)
            self.assertEqual({c: place for c, (_, place, _) in shown[0][0].items()},
                             {c: place for c, (_, place, _) in controls.items()})

    def test_install_then_uninstall(self):
        launcher, window, _ = self.open_main_window()
        self.click_client(*INSTALL_CENTRE)
        question = wd.wait_window("Notice!", launcher.pid)
        wd.Screenshot(save_as="install-question.png")
        classes = wd.reg_values(wd.CLASS_KEY)
        self.assertEqual(classes, {"": "URL: Tribes Protocol", "URL Protocol": ""})
        self.assertEqual(wd.reg_values(wd.CLASS_KEY + r"\DefaultIcon"),
                         {"": wd.GAME_WIN + r"\tribes.exe,0"})
        self.assertEqual(wd.reg_values(wd.CLASS_KEY + r"\shell\open\command"),
                         {"": wd.LAUNCHER_WIN + " %1"})
        stored = wd.settings()
        self.assertEqual((stored.get("Installed"), stored.get("UseTWRW"), stored.get("Path")),
                         ("1", "1", wd.ROOT_WIN + r"\Cindermoor"))

        wd.key("n", question)  # the "&No" button's key: no web page
        wd.wait_window_gone("Notice!", launcher.pid)
        shot = wd.wait_for(lambda: self.shot_if(wd.PICTURE_YELLOW, UNINSTALL_FRAME_CORNERS),
                           "Un-Install to show")
        self.assert_pixels(shot, INSTALL_FRAME_CORNERS, wd.BLACK)

        self.click_client(*UNINSTALL_CENTRE)
        wd.wait_for(lambda: wd.reg_values(wd.CLASS_KEY) is None, "the class to be removed")
        wd.wait_for(lambda: "Installed" not in wd.settings(), "Installed to be removed")
        shot = wd.wait_for(lambda: self.shot_if(wd.PICTURE_YELLOW, INSTALL_FRAME_CORNERS),
                           "Install to show again")
        self.assert_pixels(shot, UNINSTALL_FRAME_CORNERS, wd.BLACK)
        self.assertTrue(launcher.running())

    def test_install_uninstall_and_ok_by_keyboard(self):
        launcher, window, _ = self.open_main_window()
        wd.key("Tab", window)  # Servers, first in reading order
        wd.key("Tab")          # the logo
        wd.key("Tab")          # OK
        wd.key("Tab")          # Install
        wd.wait_for(lambda: self.shot_if(wd.PICTURE_YELLOW, INSTALL_FOCUS_DOTS), "Install's focus cue")
        wd.key("Return")
        question = wd.wait_window("Notice!", launcher.pid)
        self.assertEqual(wd.settings().get("Installed"), "1")
        wd.key("n", question)
        wd.wait_window_gone("Notice!", launcher.pid)
        # Un-Install takes Install's place and its focus.
        wd.wait_for(lambda: self.shot_if(wd.PICTURE_YELLOW, UNINSTALL_FRAME_CORNERS +
                                         UNINSTALL_FOCUS_DOTS), "Un-Install focused")
        wd.Screenshot(save_as="main-window-uninstall-focused.png")
        wd.key("space", window)
        wd.wait_for(lambda: wd.reg_values(wd.CLASS_KEY) is None, "the class to be removed")
        wd.wait_for(lambda: self.shot_if(wd.PICTURE_YELLOW, INSTALL_FOCUS_DOTS), "Install focused")
        wd.key("Tab")          # change
        wd.key("Tab")          # the launch box: Enter there is OK
        wd.key("Return")
        launcher.wait_exit("the program to end after Enter")
        self.assertIsNone(wd.reg_values(wd.CLASS_KEY))  # OK brings back no half class

    def shot_if(self, colour, points):
        shot = wd.Screenshot()
        return shot if all(self.client_pixel(shot, *p) == colour for p in points) else None

    def test_ok_reregisters_and_ends(self):
        launcher, window, _ = self.open_main_window()
        # Installed by a copy elsewhere while the window is open.
        wd.reg_import(["[" + wd.CLASS_KEY + "]", '"URL Protocol"=""',
                       "[" + wd.CLASS_KEY + r"\DefaultIcon]", "@=" + wd.reg_string(r"C:\Old,0"),
                       "[" + wd.CLASS_KEY + r"\shell\open\command]",
                       "@=" + wd.reg_string(r"C:\Old\launcher.exe %1")])
        self.click_client(*OK_CENTRE)
        launcher.wait_exit("the program to end after OK")
        self.assertEqual(wd.reg_values(wd.CLASS_KEY + r"\shell\open\command"),
                         {"": wd.LAUNCHER_WIN + " %1"})
        self.assertEqual(wd.reg_values(wd.CLASS_KEY + r"\DefaultIcon"),
                         {"": wd.GAME_WIN + r"\tribes.exe,0"})

    def test_change_shows_the_locator(self):
        launcher, window, _ = self.open_main_window()
        self.click_client(*CHANGE_CENTRE)
        wd.wait_window(wd.LOCATOR_TITLE, launcher.pid)
        wd.wait_window_gone(wd.MAIN_TITLE, launcher.pid)

    def test_own_server_boxes_store_each_keystroke(self):
        launcher, window, _ = self.open_main_window()
        self.click_client(*OWN_SERVER_CIRCLE)
        wd.wait_for(lambda: wd.settings().get("UseTWRW") == "0", 'UseTWRW "0"')
        self.click_client(*SERVER_BOX_INSIDE)
        for typed in ("a", "ab", "abc"):
            wd.type_text(typed[-1])
            wd.wait_for(lambda: wd.settings().get("Server") == typed, f'Server "{typed}"')
        wd.key("BackSpace")
        wd.wait_for(lambda: wd.settings().get("Server") == "ab", 'Server "ab" after a BackSpace')

    def test_windows_language_speaks_unless_the_language_setting_says_english(self):
        german = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_MESSAGES")}
        german.update(LANG="de_DE.UTF-8", XDG_DATA_DIRS=wd.host_path(wd.NO_APPLICATIONS_WIN))
        for language, settings in (("de", {}), ("en", {"Language": "en"})):
            with self.subTest(language=language):
                self.prepare(settings=dict({"TribesPath": wd.GAME_WIN}, **settings))
                launcher = self.start(env=german)
                wd.wait_window(wd.MAIN_TITLE, launcher.pid)
                texts = [text for _, _, text in wd.window_controls(wd.MAIN_TITLE).values()]
                for key in ("main.channel_label", "main.launch_question.roger_wilco"):
                    self.assertIn(wd.table_text(language, key), texts)
                launcher.stop()
        self.prepare(settings={"TribesPath": wd.GAME_WIN})
        self.start("tribes://10.0.0.1:28001", env=german)
        message = wd.wait_window(wd.MESSAGE_TITLE, what="the refused link's message")
        said = "".join(text for _, _, text in wd.window_controls(wd.MESSAGE_TITLE).values())
        self.assertIn(wd.table_text("de", "link.no_slash"), said)
        wd.key("Return", message)


if __name__ == "__main__":
    wd.main()
