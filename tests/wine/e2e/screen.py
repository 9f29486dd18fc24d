"""Windows, input and pixels of the X screen that Wine draws on: windows found by title
with xdotool, mouse and keys sent with xdotool, pixels read from screenshots."""

import os
import re
import subprocess
import time

from common import BLACK, DEADLINE, Environment, run, wait_for


# ---------------------------------------------------------------- windows and input

def find_windows(title, pid=None):
    """Visible X windows whose title is exactly `title`, optionally of one process."""
    args = ["xdotool", "search", "--all", "--onlyvisible", "--name", "^" + re.escape(title) + "$"]
    if pid is not None:
        args[3:3] = ["--pid", str(pid)]
    result = run(args, check=False)
    return [int(w) for w in result.stdout.split()]


def wait_window(title, pid=None, what=None):
    try:
        windows = wait_for(lambda: find_windows(title, pid), what or f'the window "{title}"')
    except AssertionError as failure:
        # What is on the screen instead is what tells a slow start from a message in the way.
        Screenshot(save_as="gave-up-" + re.sub(r"\W+", "-", title) + ".png")
        raise AssertionError(f"{failure}; on screen instead: {visible_titles()}") from None
    time.sleep(0.3)  # let it paint
    return windows[0]


def visible_titles():
    ids = run(["xdotool", "search", "--onlyvisible", "--name", "."], check=False).stdout.split()
    return sorted({run(["xdotool", "getwindowname", i], check=False).stdout.strip() for i in ids})


def window_pid(window):
    return int(run(["xdotool", "getwindowpid", str(window)]).stdout)


def wait_window_gone(title, pid=None):
    wait_for(lambda: not find_windows(title, pid), f'the window "{title}" to go')


def geometry(window):
    """(x, y, width, height) of an X window on the screen: for Wine's own-framed windows the
    outer rectangle, for borderless ones the client area."""
    out = run(["xwininfo", "-id", str(window)]).stdout
    number = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
    return (number("Absolute upper-left X"), number("Absolute upper-left Y"),
            number("Width"), number("Height"))


def click(x, y, double=False):
    args = ["xdotool", "mousemove", "--sync", str(x), str(y), "click"]
    if double:
        args += ["--repeat", "2", "--delay", "80"]
    run(args + ["1"])


def type_text(text):
    run(["xdotool", "type", "--delay", "50", text])


def key(name, window=None):
    """Presses a key; with a window, gives that window the keyboard focus first (without a
    window manager a message box is not always handed the focus)."""
    if window is not None:
        run(["xdotool", "windowfocus", "--sync", str(window)], check=False)
    run(["xdotool", "key", name])


# ---------------------------------------------------------------- pixels

class Screenshot:
    """The whole screen at one moment, read pixel by pixel."""

    def __init__(self, save_as=None):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              capture_output=True, timeout=DEADLINE, check=True).stdout
        self.width, self.height, self.pixels = _parse_ppm(data)
        if save_as:
            os.makedirs(Environment.shots, exist_ok=True)
            path = os.path.join(Environment.shots, save_as)
            subprocess.run(["convert", "ppm:-", path], input=data, check=True, timeout=DEADLINE)

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.pixels[offset:offset + 3])

    def client_rect(self, window):
        """The client area of a Wine-framed window: the black area inside the frame, found
        by walking in from the outer edges past the frame's (never all-black) lines."""
        x, y, w, h = geometry(window)
        row = y + 85                  # below the logo, above the install buttons
        column = x + (w * 3) // 4     # a plain stretch of the title bar
        left = self._first_black_after_frame(range(x, x + w), lambda i: (i, row))
        right = self._first_black_after_frame(range(x + w - 1, x - 1, -1), lambda i: (i, row))
        top = self._first_black_after_frame(range(y, y + h), lambda j: (column, j))
        bottom = self._first_black_after_frame(range(y + h - 1, y - 1, -1),
                                               lambda j: (right - 3, j))
        return left, top, right - left + 1, bottom - top + 1

    def _first_black_after_frame(self, positions, point):
        seen_frame = False
        for position in positions:
            is_black = self.pixel(*point(position)) == BLACK
            if seen_frame and is_black:
                return position
            seen_frame = seen_frame or not is_black
        raise AssertionError("no client area found inside the window frame")


def _parse_ppm(data):
    # P6 header: magic, width, height, maxval, each followed by white space.
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        start = position
        while not data[position:position + 1].isspace():
            position += 1
        fields.append(data[start:position])
    assert fields[0] == b"P6" and fields[3] == b"255", fields
    return int(fields[1]), int(fields[2]), data[position + 1:]
