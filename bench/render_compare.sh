#!/bin/sh
# Whole-process comparison: plotwise-cli render of 86 curves of 4000 samples
# to an 800 x 500 PNG against the gnuplot and matplotlib scripts an engineer
# would use instead (../shared/bench), timed in one hyperfine run.
#
# Usage: bench/render_compare.sh [BUILD]   (default build-bench)
# Needs: hyperfine, gnuplot-nox, python3-matplotlib, python3-numpy.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
shared=$root/../shared/bench
cli=$build/cli/plotwise-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

/usr/bin/python3 "$shared/gen_folder.py" "$work/curves" --count 86 --samples 4000 --seed 7 >/dev/null
set -- "$work"/curves/*
hyperfine -N --warmup 1 --runs 5 --export-json "$work/times.json" \
    -n plotwise "$cli render $work/curves -o $work/plotwise.png --check all --scale 5 --hs 1100" \
    -n gnuplot "$shared/peer_render_gnuplot.sh $work/gnuplot.png $*" \
    -n matplotlib "/usr/bin/python3 $shared/peer_render_mpl.py $work/mpl.png $*"
/usr/bin/python3 - "$work/times.json" <<'PY'
import json, sys
runs = {r["command"]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
ours = runs["plotwise"]
for peer in ("gnuplot", "matplotlib"):
    ratio = ours / runs[peer]
    verdict = "ok" if ratio <= 0.1 else "MISSED"
    print(f"plotwise / {peer}: {ours * 1000:.0f} ms / {runs[peer] * 1000:.0f} ms = {ratio:.3f} "
          f"(target <= 0.1) {verdict}")
PY
