"""What every part of the end-to-end driver shares: the session's folders, deadlines and
running a helper program."""

import subprocess
import tempfile
import time

DEADLINE = 20.0  # Wine program starts are sometimes slow: wait long, poll often.
BLACK = (0, 0, 0)


class Environment:
    """The session's prefix and the built programs; filled by main()."""
    bin_dir = ""
    prefix = ""
    shots = ""


def run(args, timeout=DEADLINE, check=True):
    # Output through files, not pipes: a Wine desktop process started by the program inherits
    # its output handles and outlives it, and reading a pipe would wait for that.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        returncode = subprocess.run(args, stdout=out, stderr=err, timeout=timeout).returncode
        out.seek(0)
        err.seek(0)
        result = subprocess.CompletedProcess(args, returncode, _text(out.read()), _text(err.read()))
    if check and result.returncode != 0:
        raise AssertionError(f"{args} failed ({result.returncode}): {result.stderr.strip()}")
    return result


def _text(data):
    return data.decode("utf-8", errors="replace")


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
