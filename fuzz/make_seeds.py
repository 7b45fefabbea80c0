#!/usr/bin/env python3
"""Builds the seed corpus of every fuzz target from samples/, the hand-made
seeds under tests/fuzz/seeds/ and the regression inputs under
tests/fuzz/regressions/, prefixed with the selector bytes each target reads.

    fuzz/make_seeds.py OUT_DIR      # writes OUT_DIR/<target>/<n>
"""
import hashlib
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SAMPLES = ROOT / "samples"
TESTS = ROOT / "tests" / "fuzz"

# Endings in the order each target's selector byte counts them.
SCAN = [".CUR", ".QUERNACUR", ".BIN", ".CSV", ".NCUR", ".NRCUR", ".NRACD", ".SPCUR", ".SPACD", ".TSV"]
CURVELOAD = [".CUR", ".QUERNACUR", ".CSV", ".BIN", ".NRCUR", ".NCUR", ".NRACD", ".SPCUR", ".SPACD", ".TSV"]
TABLELOAD = [".NRCUR", ".NCUR", ".SPCUR", ".NRACD", ".SPACD"]
TARGETS = ["scan", "curveload", "tableload", "resulttable", "curvehead",
           "language", "pathcfg", "console", "version"]


def samples():
    for path in sorted(SAMPLES.rglob("*")):
        if path.is_file() and "appdata" not in path.parts:
            yield path, path.suffix.upper(), path.read_bytes()


def seeds():
    out = {t: [] for t in TARGETS}
    for path, ending, data in samples():
        if ending in SCAN:
            selector = SCAN.index(ending)
            out["scan"].append(bytes([selector]) + (path.stem.encode() if ending == ".TSV" else data))
        if ending in CURVELOAD and ending != ".TSV":
            for spindle in (1, 3):
                out["curveload"].append(bytes([CURVELOAD.index(ending), spindle, 0]) + data)
        if ending in TABLELOAD:
            multi = ending in (".NRACD", ".SPACD")
            mode = TABLELOAD.index(ending) << 1 | multi
            for rows in ((5, 0x85) if multi else (0, 2)):
                out["tableload"].append(bytes([mode, rows]) + data)
            out["curvehead"].append(bytes([multi]) + data)
        if ending == ".TSV":
            # Show, click the first result, turn a page, click again.
            out["resulttable"].append(bytes([0, 4 + 8, 0, 4 + 16]) + data)
            out["resulttable"].append(bytes([1, 3, 1, 4 + 8]) + data)
        if ending == ".EXE":
            out["version"].append(data)
    for kind in ("seeds", "regressions"):
        for target in TARGETS:
            folder = TESTS / kind / target
            if folder.is_dir():
                out[target] += [p.read_bytes() for p in sorted(folder.iterdir()) if p.is_file()]
    return out


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = pathlib.Path(sys.argv[1])
    for target, inputs in seeds().items():
        folder = root / target
        folder.mkdir(parents=True, exist_ok=True)
        for data in inputs:
            (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


if __name__ == "__main__":
    main()
