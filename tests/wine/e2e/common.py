"""What every part of the end-to-end driver shares: the session's folders, deadlines and
running a helper program."""

import subprocess
import time

DEADLINE = 20.0  # Wine program starts are sometimes slow: wait long, poll often.
BLACK = (0, 0, 0)


class Environment:
    """The session's prefix and the built programs; filled by main()."""
    bin_dir = ""
    prefix = ""
    shots = ""


def run(args, timeout=DEADLINE, check=True):
    result = subprocess.run(args, capture_output=True, timeout=timeout, text=True,
                            errors="replace")
    if check and result.returncode != 0:
        raise AssertionError(f"{args} failed ({result.returncode}): {result.stderr.strip()}")
    return result


def wait_for(probe, what, deadline=DEADLINE, interval=0.1):
    """Polls until probe() returns something true and returns it; fails naming `what`."""
    end = time.monotonic() + deadline
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"gave up after {deadline:.0f} s waiting for {what}")
        time.sleep(interval)
