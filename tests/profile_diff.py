#!/usr/bin/env python3
"""Our reader (profile_lookup for Linux) against GetPrivateProfileStringA (profile_lookup.exe under
Wine, Japanese locale), one file per case and encoding. Args: OURS WINDOWS_EXE WINE_RUN PREFIX"""
import subprocess, sys, tempfile
from pathlib import Path

A253, FOLDER, MISSING = "a" * 253, (), None
V = "[DATA]\nKEY="
# By rule: file texts looked up as DATA/KEY, or (text, section, key). Bytes: Shift-JIS files only.
ALIKE = {
    1: ["[DATA]\r\nKEY=1\r\n", "[DATA]\rKEY=1\r", "\r\n\n[DATA]\n\r\r\n\nA=0\r\r\nKEY=1"],
    2: [V + " \t\v7 8\t\v \n", ("[DATA]\n \tMY KEY \v= 9", "DATA", "MY KEY"), V + "\u3000X\u3000"],
    3: ["[ \tDATA\t ]\nKEY=1", "  [DATA]\nKEY=1", "[DATA]KEY=7\n", "[DATA] ; settings\nKEY=7"],
    5: ["[data]\nKEY=1", ("[ア]\nKEY=1", "ア", "KEY"), ("[ャ]\nKEY=1", "ア", "KEY")],
    6: ["[DATA]\nA=1\n[X]\n[data]\nKEY=2"], 7: ["KEY=1\n[DATA]\n", "DATA]\nKEY=1"],
    8: [("[DATA]\nK=EY=7", "DATA", "K"), V + "=7", "[DATA]\nkey=7", ("[DATA]\n表=7", "DATA", "表"),
        ("[DATA]\nャ=7", "DATA", "ア")], 9: ["[DATA]\nKEY=1\nkey=2"], 10: ["[DATA]\nKEY\nKEY=5"],
    11: [V, V + "\t "],
    12: ["[DATA]\n;KEY=1\n  ;KEY=2\nKEY=3", ("[DATA]\n#B=9", "DATA", "#B"), V + "7 ; note"],
    13: [V + v for v in ['  "  7  "  ', "'7'", "\"'7'\"", '""', '"', "\"7'", '"7" x', '7"8"9']],
    14: [MISSING, FOLDER, "", " \t\n\v\r\n", "[DATA]\n[X]\n", "[X]\nKEY=1", "[DATA]\nKEYS=1\nKE=1"],
    15: [V + "7" * 300, V + A253 + "ソ", V + '"' + A253 + 'ソ"'],
    16: ["[DATA]\n" + "x" * 100000 + "=1\nKEY=2", "[DATA]\nKEY\0junk=9", V + "7\0junk",
         ("[DA\0TA]\nKEY=1", "DA", "KEY")], 17: [V + "ソ表ｱﾝ\\~"], 19: [V + "€①"],
}
# Wine answers otherwise than Windows, whose answer our reader gives.
DIFFERENT = {
    2: [V + "\f7\f", "[DATA]\n\fKEY=7", V + "7\x1a\n"],
    4: ["[DATA\nKEY=1", ("[DA]TA]\nKEY=1", "DA", "KEY"), ("[ゾ]]\nKEY=1", "ゾ", "KEY")],
    12: [("[DATA]\n;K=1", "DATA", ";K")],
    # Open, Windows unknown: Wine reads the file as UTF-16 and makes a bad lead byte and the byte
    # after it (even a line end) one "・", where the rule keeps the lead byte; Wine gives one "?"
    # per UTF-16 unit, two for an emoji, our reader one per character.
    15: [V.encode() + A253.encode() + b"\x83!"], 19: [V + "😀"],
}
# A text that Shift-JIS cannot hold is written in the others only.
ENCODINGS = {"Shift-JIS": lambda t: t.encode("cp932"),
             "UTF-8": lambda t: b"\xef\xbb\xbf" + t.encode("utf-8"),
             "UTF-16LE": lambda t: b"\xff\xfe" + t.encode("utf-16-le"),
             "UTF-16BE": lambda t: b"\xfe\xff" + t.encode("utf-16-be")}


def answers(command, directory, queries):
    # Output to a file, not a pipe: a Wine process left running must not hold the answers back.
    with tempfile.TemporaryFile() as out:
        try:
            subprocess.run(command, input=queries, cwd=directory, stdout=out, check=True,
                           timeout=120)
        except subprocess.TimeoutExpired:
            sys.exit(f"{Path(command[-1]).name} gave no answer within 120 s")
        out.seek(0)
        return [bytes.fromhex(line.decode().rstrip("-")) for line in out.read().split()]


def main(ours, windows, wine_run, prefix):
    scratch = tempfile.TemporaryDirectory()
    rows, queries = [], []
    for expected, table in ((False, ALIKE), (True, DIFFERENT)):
        for rule, case in ((rule, case) for rule, cases in table.items() for case in cases):
            text, section, key = case if isinstance(case, tuple) and case else (case, "DATA", "KEY")
            # Anything but text (bytes, a folder, no file) is looked up once.
            for encoding, encode in ENCODINGS.items() if isinstance(text, str) else [("", None)]:
                try:
                    content = encode(text) if encode else text
                except UnicodeEncodeError:
                    continue
                path = Path(scratch.name, f"{len(rows)}.ini")
                if text is FOLDER:
                    path.mkdir()
                elif content is not None:
                    path.write_bytes(content)
                rows.append((rule, expected, f"{text!r:.40} {encoding}"))
                queries += [s.encode("cp932") for s in (path.name, section, key)]
    queries = b"\n".join(queries) + b"\n"
    pairs = zip(answers([ours], scratch.name, queries),
                answers([wine_run, prefix, windows], scratch.name, queries), strict=True)
    failures = 0
    for (rule, expected, what), (mine, wine) in zip(rows, pairs, strict=True):
        failures += (mine != wine) != expected
        if mine != wine or expected:
            verdict = "expected" if (mine != wine) == expected else "FAIL"
            print(f"{verdict}: rule {rule}, {what}: ours {mine[-12:]!r}, Wine {wine[-12:]!r}")
    print(f"{len(rows)} lookups, {failures} unexpected")
    return min(failures, 1)


if __name__ == "__main__":
    sys.exit(main(*[str(Path(arg).resolve()) for arg in sys.argv[1:]]))
