#!/usr/bin/env python3
"""Differential test of the settings lookup: our reader (profile_lookup built for Linux) against
the system's GetPrivateProfileStringA (profile_lookup.exe under Wine, Japanese locale), for one
generated file per case and encoding. Where Wine is known to answer otherwise than Windows, whose
answer our reader gives, the case names its rule; so do two open cases, where our reader keeps to
the rules but Wine answers otherwise and Windows is unknown; any other difference fails.
Usage: profile_diff.py OURS WINDOWS_EXE WINE_RUN PREFIX"""
import subprocess, sys, tempfile
from pathlib import Path

A253 = "a" * 253
FOLDER = ()  # a folder where the file would be
# (rule, file text, section, key, rule of an expected difference). Text as bytes: Shift-JIS only.
CASES = [
    (1, "[DATA]\r\nKEY=1\r\n", "DATA", "KEY", 0), (1, "[DATA]\rKEY=1\r", "DATA", "KEY", 0),
    (1, "\r\n\n[DATA]\n\r\r\n\nA=0\r\r\nKEY=1", "DATA", "KEY", 0),
    (2, "[DATA]\n \t\vKEY \t= \v7 8\t\v \n", "DATA", "KEY", 0), (2, "[DATA]\nMY KEY=9", "DATA", "MY KEY", 0),
    (2, "[DATA]\nKEY=\f7\f", "DATA", "KEY", 2), (2, "[DATA]\n\fKEY=7", "DATA", "KEY", 2),
    (2, "[DATA]\nKEY=7\x1a\n", "DATA", "KEY", 2), (2, "[DATA]\nKEY=\u3000X\u3000", "DATA", "KEY", 0),
    (3, "[ \tDATA\t ]\nKEY=1", "DATA", "KEY", 0), (3, "  [DATA]\nKEY=1", "DATA", "KEY", 0),
    (3, "[DATA]KEY=7\n", "DATA", "KEY", 0), (3, "[DATA] ; settings\nKEY=7", "DATA", "KEY", 0),
    (4, "[DATA\nKEY=1", "DATA", "KEY", 4), (4, "[DA]TA]\nKEY=1", "DA", "KEY", 4),
    (4, "[ゾ]]\nKEY=1", "ゾ", "KEY", 4), (5, "[data]\nKEY=1", "DATA", "KEY", 0),
    (5, "[ア]\nKEY=1", "ア", "KEY", 0), (5, "[ャ]\nKEY=1", "ア", "KEY", 0),
    (6, "[DATA]\nA=1\n[X]\n[data]\nKEY=2", "DATA", "KEY", 0),
    (7, "KEY=1\n[DATA]\n", "DATA", "KEY", 0), (7, "DATA]\nKEY=1", "DATA", "KEY", 0),
    (8, "[DATA]\nK=EY=7", "DATA", "K", 0), (8, "[DATA]\nKEY==7", "DATA", "KEY", 0),
    (8, "[DATA]\nkey=7", "DATA", "KEY", 0), (8, "[DATA]\n表=7", "DATA", "表", 0),
    (8, "[DATA]\nャ=7", "DATA", "ア", 0), (9, "[DATA]\nKEY=1\nkey=2", "DATA", "KEY", 0),
    (10, "[DATA]\nKEY\nKEY=5", "DATA", "KEY", 0), (11, "[DATA]\nKEY=", "DATA", "KEY", 0),
    (11, "[DATA]\nKEY=   \n", "DATA", "KEY", 0), (12, "[DATA]\n;KEY=1\n  ;KEY=2\nKEY=3", "DATA", "KEY", 0),
    (12, "[DATA]\n#B=9", "DATA", "#B", 0), (12, "[DATA]\nKEY=7 ; note", "DATA", "KEY", 0),
    (12, "[DATA]\n;K=1", "DATA", ";K", 12),
    *[(13, "[DATA]\nKEY=" + v, "DATA", "KEY", 0) for v in
      ['  "  7  "  ', "'7'", "\"'7'\"", '""', '"', "\"7'", '"7" x', '7"8"9']],
    (14, None, "DATA", "KEY", 0), (14, FOLDER, "DATA", "KEY", 0), (14, "", "DATA", "KEY", 0), (14, " \t\n\v\r\n", "DATA", "KEY", 0),
    (14, "[DATA]\n[X]\n", "DATA", "KEY", 0), (14, "[X]\nKEY=1", "DATA", "KEY", 0),
    (14, "[DATA]\nKEYS=1\nKE=1", "DATA", "KEY", 0),
    (15, "[DATA]\nKEY=" + "7" * 300, "DATA", "KEY", 0), (15, "[DATA]\nKEY=" + A253 + "ソ", "DATA", "KEY", 0),
    (15, "[DATA]\nKEY=\"" + A253 + "ソ\"", "DATA", "KEY", 0),
    # Open: Wine reads a Shift-JIS file as UTF-16 and turns a bad lead byte and the byte after it
    # (even a line end) into one "・"; the rules keep the lead byte as a character of its own.
    (15, b"[DATA]\nKEY=" + A253.encode() + b"\x83!", "DATA", "KEY", 15),
    (16, "[DATA]\n" + "x" * 100000 + "=1\nKEY=2", "DATA", "KEY", 0),
    (16, "[DATA]\nKEY\0junk=9", "DATA", "KEY", 0), (16, "[DATA]\nKEY=7\0junk", "DATA", "KEY", 0),
    (16, "[DA\0TA]\nKEY=1", "DA", "KEY", 0),
    (17, "[DATA]\nKEY=ソ表ｱﾝ\\~", "DATA", "KEY", 0), (19, "[DATA]\nKEY=€①", "DATA", "KEY", 0),
    # Open: Wine gives one "?" per UTF-16 unit, two for an emoji; our reader one per character.
    (19, "[DATA]\nKEY=😀", "DATA", "KEY", 19),
]
# A text that Shift-JIS cannot hold is written in the others only.
ENCODINGS = {"Shift-JIS": lambda t: t.encode("cp932"),
             "UTF-8": lambda t: b"\xef\xbb\xbf" + t.encode("utf-8"),
             "UTF-16LE": lambda t: t.encode("utf-16-le").join([b"\xff\xfe", b""]),
             "UTF-16BE": lambda t: t.encode("utf-16-be").join([b"\xfe\xff", b""])}


def answers(command, directory, queries):
    out = subprocess.run(command, input=queries, cwd=directory, capture_output=True, text=True,
                         check=True, timeout=120).stdout.split()
    return [bytes.fromhex(line.rstrip("-")) for line in out]


def main(ours, windows, wine_run, prefix):
    with tempfile.TemporaryDirectory() as directory:
        rows, queries = [], []
        for number, (rule, text, section, key, expected) in enumerate(CASES):
            for encoding, encode in ENCODINGS.items():
                if not isinstance(text, str) and encoding != "Shift-JIS":
                    continue
                name = f"{number}-{encoding}.ini"
                try:
                    content = text if not isinstance(text, str) else encode(text)
                except UnicodeEncodeError:
                    continue
                if text is FOLDER:
                    Path(directory, name).mkdir()
                elif text is not None:
                    Path(directory, name).write_bytes(content)
                rows.append((rule, number, encoding, expected))
                queries.append(" ".join(x.hex() for x in
                                        (name.encode(), section.encode("cp932"), key.encode("cp932"))))
        queries = "\n".join(queries) + "\n"
        mine = answers([ours], directory, queries)
        theirs = answers([wine_run, prefix, windows], directory, queries)
    failures = expected_seen = 0
    for (rule, number, encoding, expected), a, b in zip(rows, mine, theirs, strict=True):
        if (a != b) != bool(expected):
            failures += 1
            print(f"FAIL rule {rule}, case {number}, {encoding}: ours {a[-12:]!r}, Wine {b[-12:]!r}")
        elif expected:
            expected_seen += 1
            print(f"expected (rule {expected}), case {number}, {encoding}: "
                  f"ours {a[-12:]!r}, Wine {b[-12:]!r}")
    print(f"{len(rows)} lookups, {expected_seen} expected differences, {failures} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*[str(Path(arg).resolve()) for arg in sys.argv[1:]]))
