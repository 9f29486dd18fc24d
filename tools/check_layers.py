#!/usr/bin/env python3
"""Checks that the layers under src/ depend one way and that each library's CMake link line
names exactly the libraries whose headers its files include. The build cannot see a stray
include of a header-only part, so this runs with the tests.

Each folder is one library: src/<area> is cm_<area>, src/<area>/win32 is cm_<area>_win32
(the executable's main.cpp counts with its folder), src/win32 is cm_win32."""

import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parent.parent / "src"
# Lowest first: each layer may use only the ones before it.
LAYERS = ["common", "text", "link", "log", "desktop", "state", "servers", "external", "voice", "window_kit", "ui", "launcher"]
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
LINK_LINE = re.compile(r"target_link_libraries\(\s*(cm_\w+)\s+(?:PUBLIC|PRIVATE|INTERFACE)?([^)]*)\)")


def library_of_header(header):
    parts = header.split("/")
    if len(parts) < 2:
        return None  # a resource header beside its file
    if parts[0] == "win32":
        return "cm_win32"
    if parts[0] not in LAYERS:
        return "?" + parts[0]
    return f"cm_{parts[0]}_win32" if parts[1] == "win32" else f"cm_{parts[0]}"


def folders():
    yield "cm_win32", SRC / "win32", None
    for area in LAYERS:
        yield f"cm_{area}", SRC / area, area
        yield f"cm_{area}_win32", SRC / area / "win32", area


def declared_links():
    links = {}
    for cmake in SRC.glob("*/CMakeLists.txt"):
        for name, rest in LINK_LINE.findall(cmake.read_text()):
            links.setdefault(name, set()).update(w for w in rest.split() if w.startswith("cm_"))
    return links


def rank(library):
    area = library[3:].removesuffix("_win32")
    return LAYERS.index(area) if area in LAYERS else -1


def main():
    problems = []
    links = declared_links()
    for library, folder, area in folders():
        if not folder.is_dir():
            continue
        pattern = "**/*" if folder.name == "win32" else "*"
        files = [f for f in folder.glob(pattern) if f.suffix in (".h", ".cpp")]
        used = set()
        for file in files:
            for header in INCLUDE.findall(file.read_text()):
                target = library_of_header(header)
                if target is None or target == library:
                    continue
                where = file.relative_to(SRC.parent)
                if target.startswith("?"):
                    problems.append(f"{where}: includes {header}, which is no library of src/")
                    continue
                portable = not library.endswith("_win32")
                if portable and target.endswith("_win32"):
                    problems.append(f"{where}: portable code includes Windows code {header}")
                if area and rank(target) > rank(library):
                    problems.append(f"{where}: {area} may not use the higher layer of {header}")
                used.add(target)
        declared = links.get(library, set())
        for missing in sorted(used - declared):
            problems.append(f"{library}: includes headers of {missing} but does not link it")
        for extra in sorted(declared - used):
            problems.append(f"{library}: links {extra} but includes none of its headers")
    for problem in problems:
        print(problem)
    print(f"layers: {len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
