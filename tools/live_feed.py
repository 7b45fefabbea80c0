#!/usr/bin/env python3
"""Plays the console of samples/live/: every few seconds it writes a new
result's curve file into live/WAVE/ST02 and then appends the result's line to
live/RESULT/today.tsv, as the console does while the line runs.

Usage:  python3 tools/live_feed.py [--count N] [--every SECONDS] [--samples DIR]

Rerun tools/gen_samples.py to put the live table back as it was.
"""

import argparse
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_samples as g  # noqa: E402


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--count", type=int, default=5)
    ap.add_argument("--every", type=float, default=5.0)
    ap.add_argument("--samples", default=g.DEFAULT_OUT)
    args = ap.parse_args()

    live = os.path.join(os.path.abspath(args.samples), "live")
    table = os.path.join(live, "RESULT", g.LIVE_TABLE)
    with open(table, "rb") as f:
        last = f.read().decode(g.CODEPAGE).rstrip("\r\n").split("\r\n")[-1].split("\t")
    hh, mi, ss = (int(x) for x in last[1].split(":"))
    t = hh * 3600 + mi * 60 + ss
    k = int(last[3])
    rng = g.Rng(800 + k)
    for _ in range(args.count):
        time.sleep(args.every)
        k += 1
        t += 60 + rng.next() % 60
        line, name, lines = g.live_result(rng, k, t)
        curve = os.path.join(live, "WAVE", "ST02", name)
        with open(curve, "wb") as f:
            f.write((g.CRLF.join(lines) + g.CRLF).encode(g.CODEPAGE))
        with open(table, "ab") as f:
            f.write((line + g.CRLF).encode(g.CODEPAGE))
        print("result %d at %s -> %s" % (k, line.split("\t")[1], name), flush=True)


if __name__ == "__main__":
    main()
