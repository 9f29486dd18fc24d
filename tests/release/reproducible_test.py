"""The committed HEAD packaged twice, from two fresh clones in two folders, one after the other,
the second under another time zone and umask: every download is the same, byte for byte."""

import filecmp
import os
import shutil
import subprocess
import unittest

from release import BUILD, ROOT


def package_fresh_clone(folder, **environment):
    """Clones HEAD into folder and runs its own tools/package.sh there; its build/dist."""
    subprocess.run(["git", "clone", "--quiet", ROOT, folder], check=True)
    head = subprocess.run(["git", "-C", ROOT, "rev-parse", "HEAD"], capture_output=True,
                          text=True, check=True).stdout.strip()
    subprocess.run(["git", "-C", folder, "checkout", "--quiet", "--detach", head], check=True)
    build = os.path.join(folder, "build")
    # The time must come from the commit, as a release build takes it.
    inherited = {key: value for key, value in os.environ.items() if key != "SOURCE_DATE_EPOCH"}
    result = subprocess.run(["bash", os.path.join(folder, "tools", "package.sh")],
                            env=dict(inherited, BUILD_DIR=build, **environment),
                            stdin=subprocess.DEVNULL, capture_output=True, text=True)
    if result.returncode != 0:
        raise AssertionError(f"package.sh in {folder} failed:\n{result.stdout}{result.stderr}")
    return os.path.join(build, "dist")


class ReproducibleTest(unittest.TestCase):

    def test_two_fresh_clones_package_the_same_bytes(self):
        place = os.path.join(BUILD, "release-tests", "reproducible")
        shutil.rmtree(place, ignore_errors=True)
        first = package_fresh_clone(os.path.join(place, "first"))
        old_umask = os.umask(0o002)
        try:
            second = package_fresh_clone(os.path.join(place, "second", "deeper clone"),
                                         TZ="Pacific/Kiritimati")
        finally:
            os.umask(old_umask)
        names = sorted(os.listdir(first))
        self.assertEqual(names, sorted(os.listdir(second)))
        self.assertEqual(len(names), 5)  # two installers, two zips, SHA256SUMS
        _, differing, unreadable = filecmp.cmpfiles(first, second, names, shallow=False)
        self.assertEqual((differing, unreadable), ([], []))
        shutil.rmtree(place)


if __name__ == "__main__":
    unittest.main(verbosity=2)
