#!/usr/bin/python3
"""Runs every benchmark and prints one table of figures against their goals.

Usage: bench_table.py BUILD [--quick] [--before OTHER_BUILD]

The in-process benchmarks (plotwise-*-bench) print rows "what<TAB>figure<TAB>
goal<TAB>verdict"; other lines of theirs are shown as notes. The whole-process
comparisons are timed here, interleaved round by round, and reported as the
ratio of medians from the same run, since absolute times on a shared machine
vary from run to run: render against gnuplot and matplotlib, scan against the
scan floor, convert on two cores against one. A peer that is not installed is
skipped with a note. With --before, the same runs of an earlier build are
timed in the same rounds, for before-and-after figures.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
rows, notes = [], []


def row(what, figure, goal="", verdict=""):
    rows.append((what, figure, goal, verdict))


def timed(commands, rounds, env=None):
    """Median seconds of each named command, run in turn round after round."""
    times = {name: [] for name, _ in commands}
    for r in range(rounds + 1):
        for name, argv in commands:
            start = time.perf_counter()
            done = subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, env=env)
            elapsed = time.perf_counter() - start
            if done.returncode != 0:
                raise RuntimeError("%s failed: %s" % (name, done.stderr.decode(errors="replace")))
            if r:  # the first round warms the caches
                times[name].append(elapsed)
    return {name: statistics.median(t) for name, t in times.items()}


def generate(folder, count, samples=0, seed=1):
    subprocess.run([sys.executable, os.path.join(HERE, "gen_curves.py"), folder, "--count",
                    str(count), "--samples", str(samples), "--seed", str(seed)], check=True)


def in_process(build):
    for name in ("plotwise-plot-bench", "plotwise-bench", "plotwise-table-bench",
                 "plotwise-export-bench"):
        out = subprocess.run([os.path.join(build, "bench", name)], check=True,
                             stdout=subprocess.PIPE, text=True).stdout
        for line in out.splitlines():
            fields = line.split("\t")
            if len(fields) == 4:
                row(*fields)
            elif line.strip():
                notes.append(line)


def verdict(ok):
    return "ok" if ok else "MISSED"


def render(cli, work, rounds, before=None):
    folder = os.path.join(work, "render")
    generate(folder, 86, 4000, seed=7)
    files = sorted(os.path.join(folder, f) for f in os.listdir(folder))
    small = os.path.join(work, "small")
    generate(small, 1, 10, seed=5)
    # Each build's runs start with the light one, so that neither build's render
    # follows a peer's second of work (the machine is slower for a moment after it).
    commands = [
        ("version", [cli, "--version"]),
        ("plotwise", [cli, "render", folder, "-o", os.path.join(work, "p.png"), "--check", "all",
                      "--scale", "5", "--hs", "1100"]),
        ("no curve", [cli, "render", small, "-o", os.path.join(work, "e.png"), "--check", "all"]),
    ]
    if before:
        commands += [("version before", [before, "--version"]),
                     ("plotwise before", [before] + commands[1][1][1:]),
                     ("no curve before", [before] + commands[2][1][1:])]
    if shutil.which("gnuplot"):
        commands.append(("gnuplot", [os.path.join(HERE, "peer_gnuplot.sh"),
                                     os.path.join(work, "g.png")] + files))
    else:
        notes.append("gnuplot not installed (Debian: gnuplot-nox): its comparison is skipped")
    try:
        subprocess.run([sys.executable, "-c", "import matplotlib"], check=True,
                       stderr=subprocess.DEVNULL)
        commands.append(("matplotlib", [sys.executable, os.path.join(HERE, "peer_matplotlib.py"),
                                        os.path.join(work, "m.png")] + files))
    except subprocess.CalledProcessError:
        notes.append("matplotlib not installed (Debian: python3-matplotlib): its comparison is skipped")
    t = timed(commands, rounds)
    ms = lambda s: "%.1f ms" % (s * 1000)
    was = lambda name: " (before: %s)" % ms(t[name + " before"]) if before else ""
    row("render 86 x 4000 samples, 800 x 500 PNG" + was("plotwise"), ms(t["plotwise"]))
    row("render of one 10-sample curve (fixed cost)" + was("no curve"), ms(t["no curve"]))
    row("--version (start without Qt)" + was("version"), ms(t["version"]))
    for peer in ("gnuplot", "matplotlib"):
        if peer in t:
            speedup = t[peer] / t["plotwise"]
            earlier = " (before: %.1fx)" % (t[peer] / t["plotwise before"]) if before else ""
            row("render: %s (%s) / plotwise%s" % (peer, ms(t[peer]), earlier), "%.1fx" % speedup,
                ">= 12x", verdict(speedup >= 12))


def scan(cli, work, rounds, count, before=None):
    floor = os.path.join(work, "scan_floor")
    subprocess.run(["cc", "-O2", "-o", floor, os.path.join(HERE, "scan_floor.c")], check=True)
    folder = os.path.join(work, "scan")
    generate(folder, count, seed=3)
    commands = [("floor", [floor, folder]), ("plotwise", [cli, "scan", folder])]
    if before:
        commands.append(("before", [before, "scan", folder]))
    t = timed(commands, rounds)
    ratio = t["plotwise"] / t["floor"]
    earlier = ", before: %.2fx" % (t["before"] / t["floor"]) if before else ""
    row("scan %d files / scan floor (%.0f / %.0f ms%s)" % (count, t["plotwise"] * 1000,
                                                            t["floor"] * 1000, earlier),
        "%.2fx" % ratio, "<= 1.5x", verdict(ratio <= 1.5))


def convert(cli, work, rounds, count, before=None):
    folder = os.path.join(work, "convert")
    generate(folder, count, 4000, seed=11)
    builds = [("", cli)] + ([(" before", before)] if before else [])
    commands = []
    for tag, program in builds:
        argv = [program, "convert", folder, "--format", "png"]
        commands.append(("two cores" + tag, argv))
        if shutil.which("taskset"):
            commands.append(("one core" + tag, ["taskset", "-c", "0"] + argv))
    if not shutil.which("taskset"):
        notes.append("taskset missing (util-linux): convert on one core is skipped")
    t = timed(commands, rounds)
    for tag, _ in builds:
        two = count / t["two cores" + tag]
        row("convert %d files to PNG, two cores%s" % (count, tag), "%.0f files/s" % two,
            ">= 650 files/s", verdict(two >= 650))
        if "one core" + tag in t:
            one = count / t["one core" + tag]
            row("convert: two cores / one core (%.0f files/s)%s" % (one, tag), "%.2fx" % (two / one),
                ">= 1.7x", verdict(two / one >= 1.7))


def main(argv):
    if not argv:
        sys.stderr.write(__doc__)
        return 2
    build = os.path.abspath(argv[0])
    quick = "--quick" in argv
    before = None
    if "--before" in argv and argv.index("--before") + 1 < len(argv):
        before = os.path.join(os.path.abspath(argv[argv.index("--before") + 1]), "cli", "plotwise-cli")
    cli = os.path.join(build, "cli", "plotwise-cli")
    in_process(build)
    with tempfile.TemporaryDirectory() as work:
        render(cli, work, 3 if quick else 7, before)
        scan(cli, work, 3 if quick else 11, 2000 if quick else 10000, before)
        convert(cli, work, 2 if quick else 7, 100 if quick else 400, before)
    width = [max(len(r[i]) for r in rows + [("what", "figure", "goal", "")]) for i in range(4)]
    line = lambda r: "  ".join(r[i].ljust(width[i]) for i in range(4)).rstrip()
    print("machine: %d cores, %s" % (os.cpu_count() or 0, os.uname().machine))
    print(line(("what", "figure", "goal", "")))
    print(line(tuple("-" * w for w in width)))
    for r in rows:
        print(line(r))
    for note in notes:
        print("note: " + note)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
