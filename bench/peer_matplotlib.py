#!/usr/bin/python3
"""The matplotlib way to overlay keyed single-spindle curve files in one PNG,
as a reference for plotwise-cli render: read each file, take the samples
after the "WaveData" line, plot torque over angle (the last sample at the
file's XPeak, each earlier one half a degree further left per "Interval"
code 0) with matplotlib's defaults on the Agg backend, Y from 0 to 1.2 times
the largest whole peak, 800 x 500 pixels.

Usage: peer_matplotlib.py OUT.png FILE...
"""

import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

SPACING = {0: 0.5, 1: 0.25, 2: 0.05, 3: 0.025}


def number(text, default=0.0):
    try:
        return float(text)
    except ValueError:
        return default


def read_curve(path):
    with open(path, "rb") as f:
        lines = f.read().decode("latin-1").splitlines()
    header, start = {}, len(lines)
    for i, line in enumerate(lines):
        fields = line.split("\t")
        if fields[0] == "WaveData":
            start = i + 1
            break
        header[fields[0].upper()] = fields[1] if len(fields) > 1 else ""
    ys = [number(line) for line in lines[start:] if line.strip()]
    dx = SPACING.get(int(number(header.get("INTERVAL", "0"))), 0.5)
    end = number(header.get("XPEAK", ""), (len(ys) - 1) * dx)
    xs = [end - (len(ys) - 1 - i) * dx for i in range(len(ys))]
    return xs, ys, number(header.get("YPEAK", "0"))


def main(argv):
    if len(argv) < 2:
        sys.stderr.write("usage: peer_matplotlib.py OUT.png FILE...\n")
        return 2
    fig = plt.figure(figsize=(8.0, 5.0), dpi=100)
    ax = fig.add_subplot(1, 1, 1)
    top = 0.0
    for path in argv[1:]:
        xs, ys, peak = read_curve(path)
        ax.plot(xs, ys, linewidth=1)
        top = max(top, peak)
    ax.set_ylim(0, int(top) * 1.2 if top >= 1 else 1)
    ax.set_xlabel("Angle [deg]")
    ax.set_ylabel("Torque [Nm]")
    ax.grid(True)
    fig.savefig(argv[0], dpi=100)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
