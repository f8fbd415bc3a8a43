#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes hi-score tables exported the way the registry editor exports them,
encoded with Python's own codecs, for the store tests to load and save.

For each export <name>.reg it writes:
  <name>.reg    the file as the registry editor would write it;
  <name>.table  the table it holds: per rank "<score> <name as code page 932, in hex>";
  <name>.after  the file after a game of NEW_SCORE entered NEW_NAME at rank 1:
                the six values rewritten where they stand, nothing else changed.
And newcomer.table: "<NEW_SCORE> <NEW_NAME as code page 932, in hex>", what the
player scores and types.

Usage: make_exports.py <output folder>
"""

import pathlib
import sys

KEY = "[HKEY_CURRENT_USER\\Zunpeko]"
NEW_NAME = "新ソ\\予"  # a trail byte 0x5C and a real backslash
NEW_SCORE = 65000  # beats every table here


def quoted(text):
    """A string value as the registry editor writes it: only a backslash or a
    quote character is escaped, whatever bytes its characters take."""
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def table_lines(table):
    lines = []
    for rank, (score, _) in enumerate(table, 1):
        lines.append(f'"HSC{rank}"=dword:{score:08x}')
    for rank, (_, name) in enumerate(table, 1):
        lines.append(f'"SName{rank}"={quoted(name)}')
    return lines


class Export:
    def __init__(self, name, header, table, before=(), inside=(), after=(),
                 newline="\r\n", encoding="cp932", bom=b""):
        self.name = name
        self.header = header
        self.table = table
        self.before = list(before)  # lines before our key's section
        self.inside = list(inside)  # other values in our section, after ours
        self.after = list(after)  # lines after our section
        self.newline = newline
        self.encoding = encoding
        self.bom = bom

    def render(self, table):
        lines = [self.header, ""] + self.before + [KEY] + table_lines(table)
        lines += self.inside + [""] + self.after
        text = self.newline.join(lines) + self.newline
        return self.bom + text.encode(self.encoding)

    def write(self, folder):
        (folder / self.name).write_bytes(self.render(self.table))
        rows = [f"{score} {name.encode('cp932').hex()}" for score, name in self.table]
        (folder / (self.name + ".table")).write_text("\n".join(rows) + "\n")
        entered = [(NEW_SCORE, NEW_NAME)] + self.table[:2]
        (folder / (self.name + ".after")).write_bytes(self.render(entered))


PLAIN = [(300, "ずんだ"), (200, "ぴくろ"), (100, "餅")]
FOREIGN_BEFORE = [
    "; 会社のパソコンから書き出した",
    "[HKEY_CURRENT_USER\\Software\\Alpha]",
    '"Path"="C:\\\\Program Files\\\\Alpha"',
    '"Count"=dword:00000003',
    "",
    "[HKEY_CURRENT_USER\\Software\\Alpha\\表示]",
    '@="既定"',
    '"Blob"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\',
    "  17,18,19,1a",
    "",
]
FOREIGN_AFTER = [
    "[HKEY_CURRENT_USER\\Zunpeko\\Options]",
    '"Sound"=dword:00000001',
    "",
    "; 以下は別のソフト",
    "[HKEY_CURRENT_USER\\Software\\Omega]",
    '"Multi"=hex(7):61,00,62,00,00,00',
    '"Name"="ソフト表示"',
    "",
]

EXPORTS = [
    Export("regedit4-crlf.reg", "REGEDIT4", PLAIN),
    Export("regedit4-lf.reg", "REGEDIT4", PLAIN, newline="\n"),
    Export("comment-and-keys.reg", "REGEDIT4", [(5000, "太郎"), (4000, "ﾊﾅｺ"), (10, "Mr. X")],
           before=FOREIGN_BEFORE, inside=['"Volume"=dword:00000050'], after=FOREIGN_AFTER),
    Export("trail-backslash.reg", "REGEDIT4",
           [(900, "表ソ能"), (800, "十予"), (700, '"ソ\\十"')],
           before=['[HKEY_CURRENT_USER\\Software\\Path]', '"Dir"="C:\\\\表\\\\ソ"', ""]),
    Export("version5-utf16.reg", "Windows Registry Editor Version 5.00",
           [(3000, "ずんだ"), (2000, "表示"), (1000, "ソ\\十")],
           before=["; Émile's 😀 export", "[HKEY_CURRENT_USER\\Software\\Ünïcode]",
                   '"Text"="naïve ☃"', '"Expand"=hex(2):25,00,41,00,25,00,00,00', ""],
           after=FOREIGN_AFTER, encoding="utf-16-le", bom=b"\xff\xfe"),
    Export("regedit4-utf8bom.reg", "REGEDIT4", [(3000, "ずんだ"), (2000, "ﾊﾅｺ"), (1000, "表示")],
           before=['[HKEY_CURRENT_USER\\Software\\Ünïcode]', '"Text"="naïve ☃"', ""],
           encoding="utf-8", bom=b"\xef\xbb\xbf"),
]


def main():
    folder = pathlib.Path(sys.argv[1])
    for export in EXPORTS:
        export.write(folder)
    (folder / "newcomer.table").write_text(f"{NEW_SCORE} {NEW_NAME.encode('cp932').hex()}\n")


if __name__ == "__main__":
    main()
