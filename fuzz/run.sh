#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a number of seconds each, at most
# JOBS at a time, from the seed corpus, then prints one line per target:
# executions, coverage, findings. Exits 1 when any target found something.
#
#     fuzz/run.sh BUILD_DIR SECONDS [JOBS] [TARGET...]
set -euo pipefail
build=$1 seconds=$2 jobs=${3:-2}
shift $(( $# < 3 ? $# : 3 ))
root=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(scan curveload tableload resulttable curvehead language pathcfg console version)
fi

# Longer inputs only where a reader needs them to reach its later rules
# (a result table's second page starts after 1000 lines).
max_len() {
    case $1 in
        resulttable) echo 8192 ;;
        *) echo 4096 ;;
    esac
}

rm -rf "$build/seeds" "$build/logs"
python3 "$root/fuzz/make_seeds.py" "$build/seeds"
mkdir -p "$build/logs"

run_one() {
    local t=$1
    local corpus=$build/corpus/$t findings=$build/findings/$t
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings"
    # Leak checks stay on; a report of any sanitizer ends the run as a finding.
    # A small quarantine keeps freed memory warm: far fewer page faults.
    ASAN_OPTIONS=quarantine_size_mb=16:detect_leaks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz/fuzz_$t" "$corpus" "$build/seeds/$t" \
        -max_total_time="$seconds" -timeout=1 -rss_limit_mb=1024 -malloc_limit_mb=1024 \
        -max_len="$(max_len "$t")" -print_final_stats=1 -artifact_prefix="$findings/" \
        >"$build/logs/$t.log" 2>&1 || true
}
export -f run_one max_len
export build seconds
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}'

status=0
printf '%-12s %14s %10s %10s %9s\n' target executions exec/s coverage findings
for t in "${targets[@]}"; do
    log=$build/logs/$t.log
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    found=$(find "$build/findings/$t" -type f | wc -l)
    if grep -q '^==[0-9]*==ERROR\|^SUMMARY: \|runtime error' "$log" && [ "$found" -eq 0 ]; then found=1; fi
    [ "$found" -eq 0 ] || status=1
    printf '%-12s %14s %10s %10s %9s\n' "$t" "${execs:-?}" "${rate:-?}" "${cov:-?}" "$found"
done
[ $status -eq 0 ] || echo "findings: see $build/findings/ and $build/logs/"
exit $status
