#!/usr/bin/python3
"""Writes a folder of keyed nutrunner curve files (".NRCUR") for the benchmarks.

Usage: gen_curves.py OUTDIR --count N [--samples S] [--seed X]

Every file has ten header lines, the last one "WaveData", then one torque
sample per line, lines ending in CR LF: a run-down at a low torque with a
once-per-turn wobble and noise, then a steep rise to the peak, which is the
last sample. The output depends only on the arguments (file i is the same
whatever N is) and every file's modification time is its cycle time, so two
runs give identical folders. Standard library only.
"""

import argparse
import calendar
import datetime
import math
import os
import random

START = datetime.datetime(2024, 5, 13, 6, 0, 0)
TARGETS = (6.0, 9.5, 12.0, 18.0, 25.0, 32.0, 45.0, 55.0)


def curve(rs, n, peak):
    snug = int(n * rs.uniform(0.6, 0.9))
    prevailing = peak * rs.uniform(0.02, 0.08)
    phase = rs.uniform(0, 2 * math.pi)
    values = []
    for i in range(n):
        if i < snug:
            v = prevailing * (1 + 0.15 * math.sin(i * 2 * math.pi / 720 + phase))
        else:
            u = (i - snug) / max(n - 1 - snug, 1)
            v = prevailing + (peak - prevailing) * u
        values.append(max(v + (rs.random() - 0.5) * 0.01 * peak, 0.0))
    values[0] = 0.0
    values[-1] = peak
    return ["%.2f" % min(v, peak) for v in values]


def curve_file(seed, index, when, samples):
    rs = random.Random(seed * 1000003 + index)
    n = samples or rs.randint(360, 4000)
    peak = round(rs.choice(TARGETS) * rs.uniform(0.98, 1.03), 2)
    header = [
        "SPNO\t1",
        "Date\t" + when.strftime("%Y/%m/%d"),
        "Time\t" + when.strftime("%H:%M:%S"),
        "WaveFormat\t0",
        "Unit\t0",
        "Interval\t0",
        "WavePoint\t%d" % n,
        "YPeak\t%.2f" % peak,
        "XPeak\t%.1f" % ((n - 1) * 0.5),
        "WaveData",
    ]
    return when.strftime("%Y%m%d_%H%M%S") + "_0_01.NRCUR", header + curve(rs, n, peak)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("outdir")
    p.add_argument("--count", type=int, required=True)
    p.add_argument("--samples", type=int, default=0, help="2..9999 (default 360..4000 per file)")
    p.add_argument("--seed", type=int, default=1)
    a = p.parse_args()
    if a.samples and not 2 <= a.samples <= 9999:
        p.error("--samples must be 2..9999")
    os.makedirs(a.outdir, exist_ok=True)
    clock = random.Random(a.seed)
    when = START
    for i in range(a.count):
        when += datetime.timedelta(seconds=clock.randint(8, 45))
        name, lines = curve_file(a.seed, i, when, a.samples)
        path = os.path.join(a.outdir, name)
        with open(path, "wb") as f:
            f.write(("\r\n".join(lines) + "\r\n").encode("ascii"))
        stamp = calendar.timegm(when.timetuple())
        os.utime(path, (stamp, stamp))


if __name__ == "__main__":
    main()
