#!/bin/sh
# The manual pages render without a warning and list every command of
# plotwise-cli with every option its own help shows.
cli="$1"; pages="$2"; status=0
for page in "$pages/plotwise.1" "$pages/plotwise-cli.1"; do
    out=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || { echo "$page: $out"; status=1; }
done
text=$(MANWIDTH=200 man -l "$pages/plotwise-cli.1" 2>/dev/null)
for command in scan load grid render convert table curve-path; do
    echo "$text" | grep -q -- "plotwise-cli $command" || { echo "missing: $command"; status=1; }
    for option in $("$cli" "$command" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
        echo "$text" | grep -q -- "$option" || { echo "missing: $command $option"; status=1; }
    done
done
exit $status
