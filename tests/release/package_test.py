"""What tools/package.sh wrote into build/dist: the portable zips hold the program of the right
machine type with the version record, and the read-me; the checksums verify."""

import os
import re
import struct
import subprocess
import unittest
import zipfile

from release import ROOT, dist_file, version

# Machine type in the file name: the PE header's machine field.
MACHINES = {"x64": 0x8664, "x86": 0x014C}
FIXED_INFO_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def pe_machine(program):
    offset = struct.unpack_from("<I", program, 0x3C)[0]
    if program[offset:offset + 4] != b"PE\0\0":
        return None
    return struct.unpack_from("<H", program, offset + 4)[0]


def fixed_file_version(program):
    """(major, minor) of the version record's numbers; None without a record."""
    start = program.find(FIXED_INFO_SIGNATURE)
    if start < 0:
        return None
    most_significant = struct.unpack_from("<I", program, start + 8)[0]
    return most_significant >> 16, most_significant & 0xFFFF


def version_string(program, name):
    """A value of the version record's string table, e.g. "ProductVersion"."""
    # Resource data starts at an even file offset, so the record's text decodes from byte 0.
    text = program.decode("utf-16-le", errors="replace")
    match = re.search(name + r"\0+([^\0]+)\0", text)
    return match.group(1) if match else None


class PortableZipTest(unittest.TestCase):

    def test_zip_holds_program_of_its_machine_type_and_the_read_me(self):
        with open(os.path.join(ROOT, "installer", "README.txt"), encoding="utf-8") as file:
            read_me = file.read().replace("\n", "\r\n")
        major, minor = (int(part) for part in version().split("."))
        for tag, machine in MACHINES.items():
            with self.subTest(tag=tag), zipfile.ZipFile(dist_file(f"{tag}.zip")) as archive:
                self.assertCountEqual(archive.namelist(), ["launcher.exe", "README.txt"])
                program = archive.read("launcher.exe")
                self.assertEqual(pe_machine(program), machine)
                self.assertEqual(fixed_file_version(program), (major, minor))
                for name in ("FileVersion", "ProductVersion"):
                    self.assertEqual(version_string(program, name), version(), name)
                self.assertEqual(archive.read("README.txt").decode("utf-8"), read_me)

    def test_checksums_cover_the_four_downloads_and_verify(self):
        folder = os.path.dirname(dist_file("x64.zip"))
        with open(os.path.join(folder, "SHA256SUMS"), encoding="utf-8") as file:
            listed = [line.split("  ", 1)[1] for line in file.read().splitlines()]
        self.assertCountEqual(listed, [os.path.basename(dist_file(suffix)) for suffix in
                                       ("x64-setup.exe", "x86-setup.exe", "x64.zip", "x86.zip")])
        result = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=folder,
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)


if __name__ == "__main__":
    unittest.main(verbosity=2)
