"""tools/package.sh with a certificate, a throwaway self-signed one made here: every program
it writes verifies against that certificate, the x64 installer installs the signed launcher.exe
and uninstall.exe under Wine, and a wrong password fails with a clear message and leaves no
downloads."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

from release import BUILD, ROOT, version

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "wine", "e2e"))
from common import Environment, run  # noqa: E402
import wine_driver as wd  # noqa: E402

PLACE = os.path.join(BUILD, "release-tests", "signing")
INSTALL_WIN = r"C:\Signed"
ZIPS, SETUPS = ("x64.zip", "x86.zip"), ("x64-setup.exe", "x86-setup.exe")


def make_certificate(password):
    """A self-signed code-signing certificate in a PKCS#12 file; returns (pfx, password file,
    the certificate as CA file). The password file holds a note on its second line: only the
    first line is the password."""
    key, certificate = os.path.join(PLACE, "key.pem"), os.path.join(PLACE, "ca.pem")
    password_file, pfx = os.path.join(PLACE, "password"), os.path.join(PLACE, "signer.pfx")
    with open(password_file, "w", encoding="ascii") as file:
        file.write(password + "\nkept by the release manager\n")
    run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", key,
         "-out", certificate, "-days", "2", "-subj", "/CN=Cindermoor Launcher test signer",
         "-addext", "extendedKeyUsage=codeSigning"], timeout=60)
    run(["openssl", "pkcs12", "-export", "-inkey", key, "-in", certificate, "-out", pfx,
         "-passout", "file:" + password_file], timeout=60)
    return pfx, password_file, certificate


class SigningTest(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        shutil.rmtree(PLACE, ignore_errors=True)
        os.makedirs(PLACE)
        cls.pfx, cls.password_file, cls.ca = make_certificate("right horse battery")

    def package(self, dist, password_file):
        return subprocess.run(
            ["bash", os.path.join(ROOT, "tools", "package.sh"), "--reuse"],
            env=dict(os.environ, BUILD_DIR=BUILD, DIST_DIR=dist, SIGN_PFX=self.pfx,
                     SIGN_PASSWORD_FILE=password_file, SIGN_TIMESTAMP_URL=""),
            stdin=subprocess.DEVNULL, capture_output=True, text=True)

    def assert_signed(self, path):
        result = subprocess.run(["osslsigncode", "verify", "-CAfile", self.ca, "-in", path],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, f"{path}:\n{result.stdout}{result.stderr}")

    def install_under_wine(self, setup):
        """Installs setup silently for the current user in a fresh prefix; the prefix."""
        prefix = os.path.join(PLACE, "prefix")
        os.makedirs(prefix)
        os.environ.update(WINEPREFIX=prefix, WINEDEBUG="-all",
                          WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d")
        Environment.prefix = prefix
        run(["wineserver", "-p"])
        self.addCleanup(run, ["wineserver", "-k"], check=False)
        run(["wineboot", "-i"], timeout=120)
        shutil.copy2(setup, wd.host_path(r"C:\setup.exe"))
        run(["wine", r"C:\setup.exe", "/S", "/CurrentUser", "/D=" + INSTALL_WIN], timeout=60)
        return prefix

    def test_signed_downloads_verify_and_install_the_signed_programs(self):
        dist = os.path.join(PLACE, "dist")
        result = self.package(dist, self.password_file)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        base = os.path.join(dist, f"CindermoorLauncher-{version()}-")
        programs = {}
        for suffix in ZIPS:
            with zipfile.ZipFile(base + suffix) as archive:
                programs[suffix] = archive.extract("launcher.exe", os.path.join(PLACE, suffix))
        for path in [base + suffix for suffix in SETUPS] + list(programs.values()):
            with self.subTest(signed=os.path.relpath(path, PLACE)):
                self.assert_signed(path)
        checked = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=dist,
                                 capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)

        self.install_under_wine(base + "x64-setup.exe")
        for name in ("launcher.exe", "uninstall.exe"):
            with self.subTest(installed=name):
                self.assert_signed(wd.host_path(INSTALL_WIN + "\\" + name))
        with open(wd.host_path(INSTALL_WIN + r"\launcher.exe"), "rb") as installed, \
                open(programs["x64.zip"], "rb") as published:
            self.assertEqual(installed.read(), published.read())

    def test_wrong_password_fails_clearly_and_leaves_no_downloads(self):
        dist = os.path.join(PLACE, "dist-wrong")
        with tempfile.NamedTemporaryFile("w", dir=PLACE) as wrong:
            wrong.write("wrong horse battery\n")
            wrong.flush()
            result = self.package(dist, wrong.name)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("cannot sign launcher.exe", result.stderr)
        self.assertIn("password", result.stderr)
        self.assertEqual([name for name in os.listdir(PLACE) if name.startswith("dist-wrong")],
                         [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
