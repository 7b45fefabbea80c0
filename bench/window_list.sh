#!/bin/sh
# Times the window from its start to the curve list of a large folder being
# shown (the caption gets the picture size at the first resize, which follows
# the start-up scan). Runs under a virtual display.
#
# Usage: bench/window_list.sh [BUILD] [FILES]   (default build, 100000)
# Needs: xvfb, xdotool, bc, python3.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
files=${2:-100000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 "$root/bench/gen_curves.py" "$work/curves" --count "$files" --samples 400 --seed 5
cat >"$work/run.sh" <<SH
#!/bin/sh
cd "$work/curves"
start=\$(date +%s.%N)
"$build/app/plotwise" &
pid=\$!
tries=0
while ! xdotool search --name "Image Size" >/dev/null 2>&1; do
    tries=\$((tries + 1)); [ \$tries -lt 3000 ] || break
    sleep 0.02
done
end=\$(date +%s.%N)
kill \$pid
echo "\$end - \$start" | bc
SH
chmod +x "$work/run.sh"
seconds=$(xvfb-run -a -s "-screen 0 1400x1000x24" "$work/run.sh" 2>/dev/null | tail -1)
verdict=$(echo "$seconds <= 3" | bc)
echo "window with the list of $files files: $seconds s (target <= 3 s) $([ "$verdict" = 1 ] && echo ok || echo MISSED)"
