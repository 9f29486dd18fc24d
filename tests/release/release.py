"""Where the release tests find the build: BUILD_DIR as tools/run-tests.sh and
tools/package.sh use it, else the worktree's build folder."""

import os

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
BUILD = os.path.abspath(os.environ.get("BUILD_DIR") or os.path.join(ROOT, "build"))


def version():
    """The version CMake wrote into the build: the one the packages must carry."""
    with open(os.path.join(BUILD, "x86_64", "version.txt"), encoding="utf-8") as file:
        return file.read().strip()


def dist_file(suffix):
    """A download in build/dist, e.g. dist_file("x64.zip")."""
    return os.path.join(BUILD, "dist", f"CindermoorLauncher-{version()}-{suffix}")
