"""Runs the window-font cases of the Windows UI tests as a player's Wine would: in a prefix
made by `wineboot` alone, with only the fonts a plain Debian desktop has (DejaVu), at 96 and
at 144 DPI. Each case runs in a process of its own, since the first request for the window
face decides what the process gets for it.

Uses the DISPLAY of the calling session; the prefix and its wineserver are its own."""

import argparse
import os
import subprocess
import sys

CASES = (
    "WindowFontTest.WineOwnFaceStandsInWhenTheSystemLacksIt",
    "MainWindowLabelsTest.EveryTextFitsInWineOwnFace",
    "MainWindowLabelsTest.EveryTextFitsWhenNoWineFontIsFound",
)
DPIS = (96, 144)
# The system's own rules (which face stands in for "sans-serif"), but only DejaVu's fonts.
FONTS_CONF = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>{cache}</cachedir>
</fontconfig>
"""


def wine_environment(work):
    conf = os.path.join(work, "fonts.conf")
    with open(conf, "w", encoding="utf-8") as out:
        out.write(FONTS_CONF.format(cache=os.path.join(work, "fontconfig-cache")))
    env = dict(os.environ)
    env.update(WINEPREFIX=os.path.join(work, "wineprefix"), FONTCONFIG_FILE=conf,
               WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d")
    return env


def run(command, env, timeout=180):
    return subprocess.run(command, env=env, timeout=timeout, stdin=subprocess.DEVNULL,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def set_dpi(dpi, env):
    """LogPixels is read when the prefix's wineserver starts: write it, then end the server."""
    run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
         "/t", "REG_DWORD", "/d", str(dpi), "/f"], env)
    run(["wineserver", "-k"], env)
    run(["wineserver", "-w"], env)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tests", required=True, help="the Windows UI test program")
    parser.add_argument("--work", required=True, help="a folder of this test's own")
    args = parser.parse_args()
    work = os.path.abspath(args.work)  # Wine takes only an absolute WINEPREFIX
    os.makedirs(work, exist_ok=True)
    env = wine_environment(work)
    if not os.path.exists(os.path.join(env["WINEPREFIX"], "system.reg")):
        booted = run(["wineboot", "-i"], env, timeout=300)
        if booted.returncode != 0:
            print("wineboot failed:\n" + booted.stdout)
            return 1
    # Last, the first case again in a prefix without a Z: drive, as a hardened one is: Wine
    # then names its own folders "\\??\\unix\\...".
    runs = [(dpi, case, True) for dpi in DPIS for case in CASES] + [(DPIS[-1], CASES[0], False)]
    drive_z = os.path.join(env["WINEPREFIX"], "dosdevices", "z:")
    failures = []
    try:
        for number, (dpi, case, z_drive) in enumerate(runs):
            if number == 0 or dpi != runs[number - 1][0]:
                set_dpi(dpi, env)
            if not z_drive:
                os.rename(drive_z, drive_z + ".away")
            try:
                result = run(["wine", os.path.abspath(args.tests), "--gtest_filter=" + case],
                             dict(env, CINDERMOOR_EXPECTED_DPI=str(dpi)))
            finally:
                if not z_drive:
                    os.rename(drive_z + ".away", drive_z)
            name = f"{case} at {dpi} DPI" + ("" if z_drive else " without a Z: drive")
            print(f"{name}: " + ("passed" if result.returncode == 0 else "FAILED"))
            if result.returncode != 0:
                failures.append(name)
                print(result.stdout)
    finally:
        run(["wineserver", "-k"], env)
    print(f"window fonts: {len(runs) - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
