#!/bin/sh
# Whole-process comparison: plotwise-cli scan of 10,000 keyed curve files
# against the scan floor (list, sort, then open, one 4 KiB read, fstat and
# close per file) from ../shared/bench, timed in one hyperfine run.
#
# Usage: bench/scan_compare.sh [BUILD] [FILES]   (default build-bench, 10000)
# Needs: hyperfine, cc, python3-numpy.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
files=${2:-10000}
shared=$root/../shared/bench
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cc -O2 -o "$work/floor_scan" "$shared/floor_scan.c"
/usr/bin/python3 "$shared/gen_folder.py" "$work/curves" --count "$files" --seed 3 >/dev/null
hyperfine -N --warmup 2 --runs 15 --export-json "$work/times.json" \
    -n floor "$work/floor_scan $work/curves" \
    -n plotwise "$build/cli/plotwise-cli scan $work/curves"
/usr/bin/python3 - "$work/times.json" <<'PY'
import json, sys
runs = {r["command"]: r["median"] for r in json.load(open(sys.argv[1]))["results"]}
ratio = runs["plotwise"] / runs["floor"]
verdict = "ok" if ratio <= 1.5 else "MISSED"
print(f"plotwise scan / floor: {runs['plotwise'] * 1000:.0f} ms / {runs['floor'] * 1000:.0f} ms"
      f" = {ratio:.2f} (target <= 1.5) {verdict}")
PY
