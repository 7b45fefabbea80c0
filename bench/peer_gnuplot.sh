#!/bin/sh
# The gnuplot way to overlay keyed single-spindle curve files in one PNG, as
# a reference for plotwise-cli render. One awk pass reads each file's header
# up to "WaveData" and writes one plot clause per file (X = angle, the last
# sample at XPeak and each earlier one half a degree further left per
# "Interval" code 0, Y = torque); gnuplot reads the samples itself. Y runs
# from 0 to 1.2 times the largest whole peak; 800 x 500 pixels, pngcairo.
#
# Usage: peer_gnuplot.sh OUT.png FILE...
set -eu
if [ $# -lt 2 ]; then
    echo "usage: peer_gnuplot.sh OUT.png FILE..." >&2
    exit 2
fi
out=$1
shift
plot=$(awk -F '\t' -v q="'" '
    function quote(s) { gsub(q, q q, s); return q s q }
    function spacing(code) { code += 0; return code == 1 ? 0.25 : code == 2 ? 0.05 : code == 3 ? 0.025 : 0.5 }
    FNR == 1 { split("", v) }
    { sub(/\r$/, "") }
    toupper(substr($0, 1, 5)) == "WAVED" {
        dx = spacing(v["INTERVAL"])
        if (v["YPEAK"] + 0 > top) top = v["YPEAK"] + 0
        clauses = clauses (clauses == "" ? "" : ", \\\n     ") \
            sprintf("%s skip %d using (%.6f+$0*%g):1 with lines", quote(FILENAME), FNR,
                    v["XPEAK"] - (v["WAVEPOINT"] - 1) * dx, dx)
        nextfile
    }
    { v[toupper($1)] = $2 }
    END {
        if (clauses == "") { print "no curve data" > "/dev/stderr"; exit 1 }
        printf "set yrange [0:%g]\n", (top >= 1 ? int(top) * 1.2 : 1)
        print "plot " clauses
    }
' "$@")
gnuplot <<EOF
set terminal pngcairo size 800,500
set output '$(printf '%s' "$out" | sed "s/'/''/g")'
set grid; set key off; set xlabel "Angle [deg]"; set ylabel "Torque [Nm]"
$plot
EOF
