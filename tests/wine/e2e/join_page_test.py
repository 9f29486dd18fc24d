"""The join page in a real headless Chromium, driven through its DevTools protocol on a pipe."""

import json
import os
import subprocess
import tempfile
import time

import linux_desktop_test as desktop
import wine_driver as wd
from link_test import GRACE, QUIT_LABEL

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
PAGE = "file://" + os.path.join(ROOT, "web", "join.html") + "#"
INVALID = "This join link is not valid."
HOSTILE = "window.ran=1"  # what a page runs only if its address got in as script

# (address after "#", the browser's language, text the page shows, the link it opens or None)
ADDRESSES = [
    ("10.0.0.1:28001", "en-US", "10.0.0.1:28001", "tribes://10.0.0.1:28001/"),
    ("h.example:1/P=s%2541cret/pr=x", "de", "h.example:1", "tribes://h.example:1/P=s%41cret/pr=x"),
    # Outside the passwords the browser's own encoding is let be, and counted.
    ("h:1/caf%C3%A9 x/p=y", "en", "h:1", "tribes://h:1/caf%C3%A9%20x/p=y"),
    ("h:1/" + "%C3%A9" * 340, "en", INVALID, None),
    ("h:1/P=s;cret/pr=x", "de", "Dieser Beitritts-Link ist ungültig.", None),
    ("h:1/pr=a;quit", "en", INVALID, None),
    # What the browser would change in a password on its way to the game.
    ("h:1/p=%7Bcret%7D", "en", INVALID, None),
    ("h:1/p=a%5Ccret", "en", INVALID, None),
    ("h:1/p=100%25cret", "en", INVALID, None),
    ("h:1/p=a^b|`cret", "en", INVALID, None),
    ("h:1/p=x/../cret", "en", INVALID, None),
    ("h:01/", "en", INVALID, None),
    ("", "de-AT", "Dieser Beitritts-Link ist ungültig.", None),
    ("-h:1", "pt", "Este link para entrar não é válido.", None),
    ("<img src=x onerror=" + HOSTILE + ">", "en", INVALID, None),
    ("javascript:" + HOSTILE, "en", INVALID, None),
    ("h:1/p=a%22onmouseover=%22" + HOSTILE, "en", INVALID, None),
    ("h:1/p=x;+exec evil.cs", "en", INVALID, None),
    ("h:1/pr=x%2Bquit", "en", INVALID, None),
    ("h:1/p=%E0%A4%A", "en", INVALID, None),
    ("h:1/" + "x" * 2040, "en", INVALID, None),
]


class Chromium:
    def __init__(self, test, **env):
        profile = tempfile.mkdtemp(prefix="cm-e2e-chromium-", dir="/tmp")
        os.makedirs(os.path.join(profile, "Default"))
        # A visitor's "Always allow" answer for pages from files; without it Chromium asks.
        with open(os.path.join(profile, "Default", "Preferences"), "w") as file:
            json.dump({"protocol_handler": {"allowed_origin_protocol_pairs": {
                "file://": {"tribes": True}}}}, file)
        commands, self.commands = os.pipe()
        self.replies, replies = os.pipe()
        process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--no-first-run", "--user-data-dir=" + profile, "--remote-debugging-pipe"],
            env=dict(os.environ, **env), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            pass_fds=sorted({3, 4, commands, replies}),
            preexec_fn=lambda: (os.dup2(commands, 3), os.dup2(replies, 4)))
        for fd in (commands, replies):
            os.close(fd)
        test.addCleanup(subprocess.run, ["rm", "-rf", profile])
        test.addCleanup(lambda: (process.kill(), process.wait(), os.close(self.commands),
                                 os.close(self.replies)))
        self.unread, self.last_id = b"", 0

    def call(self, method, session=None, **params):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params}
        os.write(self.commands, json.dumps(dict(message, **({"sessionId": session} if session
                                                           else {}))).encode() + b"\0")
        while True:
            while b"\0" not in self.unread:
                self.unread += os.read(self.replies, 65536)
            reply, self.unread = self.unread.split(b"\0", 1)
            reply = json.loads(reply)
            if reply.get("id") == self.last_id:
                if "error" in reply:
                    raise AssertionError(f"{method}: {reply['error']}")
                return reply["result"]

    def open(self, address, language="en"):
        """A new tab on the page for `address` in a browser set to `language`."""
        target = self.call("Target.createTarget", url="about:blank")["targetId"]
        tab = self.call("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        self.call("Emulation.setUserAgentOverride", tab, userAgent="", acceptLanguage=language)
        self.call("Page.navigate", tab, url=PAGE + address)
        wd.wait_for(lambda: self.value(tab, "document.readyState") == "complete", "the page")
        return tab

    def value(self, tab, expression):
        return self.call("Runtime.evaluate", tab, expression=expression,
                         returnByValue=True)["result"].get("value")

    def press_enter(self, tab):
        self.call("Input.dispatchKeyEvent", tab, type="keyDown", key="Enter", text="\r")
        self.call("Input.dispatchKeyEvent", tab, type="keyUp", key="Enter")


class JoinPageTest(desktop.DesktopHandlerTest):

    def test_join_starts_the_game_connected_to_the_server(self):
        self.install()
        chromium = Chromium(self, CINDERMOOR_STANDIN_LOG=self.log_win)
        tab = chromium.open("10.0.0.1:28001")
        game = ("tribes.exe", wd.GAME_WIN, "1", "+connect 10.0.0.1:28001")
        self.assertEqual(self.log_lines(1), [game])  # opened once as it loaded
        # While that launcher serves the link, Join would only bring it to the front.
        x, y, *_ = wd.geometry(wd.wait_window(wd.MESSAGE_TITLE, what="the quit window"))
        wd.click(x + QUIT_LABEL[0], y + QUIT_LABEL[1])
        wd.wait_window_gone(wd.MESSAGE_TITLE)
        chromium.press_enter(tab)  # on Join, which has the focus
        self.assertEqual(self.log_lines(2), [game] * 2)

    def test_only_links_the_launcher_serves_open_and_nothing_runs(self):
        opened = os.path.join(wd.host_path(wd.ROOT_WIN), "logs", "opened")
        chromium = Chromium(self, CINDERMOOR_XDG_OPEN_LOG=opened,
                            PATH=os.path.join(ROOT, "tools", "stand_in") + ":" + os.environ["PATH"])
        tabs = [chromium.open(address, language) for address, language, *_ in ADDRESSES]
        # Chromium opens one link without a click, then only on one: Enter on every page.
        for tab in tabs:
            chromium.press_enter(tab)
        time.sleep(GRACE)
        for tab, (address, _, shown, _) in zip(tabs, ADDRESSES):
            with self.subTest(address=address[:40]):
                text = chromium.value(tab, "document.body.innerText")
                self.assertIn(shown, text)
                self.assertNotIn("cret", text)
                self.assertEqual(chromium.value(tab, "typeof window.ran"), "undefined")
        with open(opened) as file:
            self.assertEqual(set(file.read().split()), {link for *_, link in ADDRESSES if link})


if __name__ == "__main__":
    wd.main()
