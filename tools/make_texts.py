#!/usr/bin/env python3
"""Turns the language tables of src/text/languages/ into C++ for the program and an NSIS
include for the installers.

Each table is `key = text` lines (UTF-8, `#` comments); `\\r`, `\\n` and `\\\\` are escapes and
`{name}` is a place the program fills. English is the table of record: a key another table
lacks is written as missing (the text tests name it), and a key English lacks, or a line that
is no `key = text`, stops the build."""

import argparse
import pathlib
import re
import sys

KEY = re.compile(r"^[a-z0-9_]+(\.[a-z0-9_]+)+$")
PLACE = re.compile(r"\{([a-z_]+)\}")
# What the installer script holds in each place when it shows a text.
# Windows' numbers of the character sets a language's letters may need.
CHARSETS = {"DEFAULT": 1, "EASTEUROPE": 238, "RUSSIAN": 204, "GREEK": 161, "TURKISH": 162,
            "BALTIC": 186}
NSIS_PLACES = {"name": "${NAME}", "folder": "$INSTDIR", "drive": "$0", "file": "$0",
               "problem": "$0"}


def fail(message):
    sys.exit(f"make_texts: {message}")


def read_list(folder):
    languages = []
    for number, line in enumerate((folder / "languages.txt").read_text("utf-8").splitlines(), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        fields = line.split()
        if len(fields) != 4 or fields[3] not in CHARSETS:
            fail(f"languages.txt:{number}: expected a tag, a language id, an NSIS name and a "
                 f"character set")
        languages.append((fields[0], int(fields[1], 16), fields[2], CHARSETS[fields[3]]))
    if not languages or languages[0][0] != "en":
        fail("languages.txt must list English first")
    return languages


def unescape(text, where):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\":
            pair = text[i:i + 2]
            if pair not in ("\\r", "\\n", "\\\\"):
                fail(f"{where}: unknown escape {pair!r}")
            out.append({"\\r": "\r", "\\n": "\n", "\\\\": "\\"}[pair])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def read_table(path):
    table = {}
    for number, line in enumerate(path.read_text("utf-8").splitlines(), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        where = f"{path.name}:{number}"
        key, equals, text = line.partition("=")
        key, text = key.strip(), text.strip()
        if not equals or not KEY.match(key):
            fail(f"{where}: expected `key = text` with a lowercase dotted key")
        if key in table:
            fail(f"{where}: {key} is there twice")
        table[key] = unescape(text, where)
    return table


def cpp_literal(text):
    """Every byte outside printable ASCII as an octal escape, so no compiler guesses a charset."""
    out = []
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if char in '"\\?':
            out.append("\\" + char)
        elif 32 <= byte < 127:
            out.append(char)
        else:
            out.append(f"\\{byte:03o}")
    return '"' + "".join(out) + '"'


def nsis_literal(text, where):
    def place(match):
        if match.group(1) not in NSIS_PLACES:
            fail(f"{where}: the installer has nothing for {{{match.group(1)}}}")
        return NSIS_PLACES[match.group(1)]
    text = text.replace("$", "$$").replace('"', '$\\"').replace("\r", "$\\r").replace("\n", "$\\n")
    return '"' + PLACE.sub(place, text) + '"'


def write_if_changed(path, content):
    path.parent.mkdir(parents=True, exist_ok=True)
    if not path.exists() or path.read_text("utf-8") != content:
        path.write_text(content, "utf-8")


def header(languages, keys):
    lines = ["// Made by tools/make_texts.py from src/text/languages/: do not edit.",
             "#pragma once", "", "#include <cstddef>", "#include <string_view>", "",
             "namespace cindermoor::text_tables {", "",
             "inline constexpr std::string_view kKeys[] = {"]
    lines += [f'    "{key}",' for key in keys]
    lines += ["};", f"inline constexpr std::size_t kKeyCount = {len(keys)};", "",
              "struct LanguageTable {", "  std::string_view tag;",
              "  int windowsPrimaryLanguage;",
              "  int windowsCharacterSet;",
              "  // One text per key, in kKeys' order; null where the table lacks the key.",
              "  const char* const* texts;", "};",
              f"inline constexpr std::size_t kLanguageCount = {len(languages)};",
              "extern const LanguageTable kLanguages[kLanguageCount];", "",
              "}  // namespace cindermoor::text_tables", ""]
    return "\n".join(lines)


def tables(languages, keys, texts):
    lines = ["// Made by tools/make_texts.py from src/text/languages/: do not edit.",
             '#include "text_tables.h"', "", "namespace cindermoor::text_tables {",
             "namespace {", ""]
    for tag, *_ in languages:
        name = "k" + tag.replace("-", "")
        lines.append(f"const char* const {name}[kKeyCount] = {{")
        for key in keys:
            text = texts[tag].get(key)
            lines.append(f"    {cpp_literal(text) if text is not None else 'nullptr'},")
        lines += ["};", ""]
    lines += ["}  // namespace", "", "const LanguageTable kLanguages[kLanguageCount] = {"]
    for tag, windows, _, charset in languages:
        lines.append(f'    {{"{tag}", 0x{windows:02x}, {charset}, k{tag.replace("-", "")}}},')
    lines += ["};", "", "}  // namespace cindermoor::text_tables", ""]
    return "\n".join(lines)


def nsis(languages, keys, texts):
    lines = ["; Made by tools/make_texts.py from src/text/languages/: do not edit.",
             "; NSIS's own pages speak through its language files; the first is the default."]
    lines += [f'!insertmacro MUI_LANGUAGE "{name}"' for _, _, name, _ in languages]
    lines.append("")
    for tag, _, name, _ in languages:
        for key in keys:
            if key.startswith("installer."):
                text = texts[tag].get(key)
                if text is None:
                    fail(f"{tag}.txt lacks {key}, which the installer shows")
                lines.append(f"LangString {key.replace('.', '_')} ${{LANG_{name.upper()}}} "
                             f"{nsis_literal(text, f'{tag}.txt: {key}')}")
    lines += ["", "; The launcher's Language setting, when it names one of these, chooses too.",
              "!macro LanguageFromSetting setting"]
    for tag, _, name, _ in languages:
        lines.append(f'  StrCmp ${{setting}} "{tag}" 0 +2')
        lines.append(f"    StrCpy $LANGUAGE ${{LANG_{name.upper()}}}")
    lines += ["!macroend", ""]
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True, type=pathlib.Path)
    parser.add_argument("--cpp", type=pathlib.Path, help="folder for text_tables.h and .cpp")
    parser.add_argument("--nsis", type=pathlib.Path, help="the installer's include to write")
    args = parser.parse_args()
    languages = read_list(args.source)
    texts = {tag: read_table(args.source / f"{tag}.txt") for tag, *_ in languages}
    keys = list(texts["en"])
    for tag, table in texts.items():
        for key in table.keys() - texts["en"].keys():
            fail(f"{tag}.txt has {key}, which English has not")
    if args.cpp:
        write_if_changed(args.cpp / "text_tables.h", header(languages, keys))
        write_if_changed(args.cpp / "text_tables.cpp", tables(languages, keys, texts))
    if args.nsis:
        write_if_changed(args.nsis, "\ufeff" + nsis(languages, keys, texts))


if __name__ == "__main__":
    main()
