#!/bin/sh
# The package's file types beside the system's: every sample kind but .BIN
# resolves to Plotwise's type, a Windows cursor, a random .bin and plain
# .csv and .tsv files keep the system's. Skipped (77) without the tools.
xml="$1"; samples="$2"
command -v update-mime-database >/dev/null && command -v gio >/dev/null || exit 77
[ -f /usr/share/mime/packages/freedesktop.org.xml ] || exit 77
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$tmp/mime/packages/"
cp "$xml" "$tmp/mime/packages/plotwise.xml"
update-mime-database "$tmp/mime" >/dev/null 2>&1 || exit 1
printf '\0\0\2\0\1\0\40\40\0\0\0\0\0\0' > "$tmp/cursor.cur"
printf 'a,b\n1,2\n' > "$tmp/plain.csv"
printf 'a\tb\n1\t2\n' > "$tmp/plain.tsv"
head -c 300 /dev/zero > "$tmp/random.bin"
status=0
check() {
    got=$(XDG_DATA_HOME="$tmp" XDG_DATA_DIRS="$tmp" gio info -a standard::content-type "$1" |
          sed -n 's/.*standard::content-type: //p')
    [ "$got" = "$2" ] || { echo "$1: $got, expected $2"; status=1; }
}
for f in "$samples"/*.* "$samples"/console/RESULT/*/*.tsv; do
    case $(echo "${f##*.}" | tr 'A-Z' 'a-z') in
        nrcur|ncur) check "$f" application/x-plotwise-nrcur ;;
        spcur|nracd|spacd|cur|quernacur|csv|tsv)
            check "$f" "application/x-plotwise-$(echo "${f##*.}" | tr 'A-Z' 'a-z')" ;;
    esac
done
check "$tmp/cursor.cur" image/x-win-bitmap
check "$tmp/plain.csv" text/csv
check "$tmp/plain.tsv" text/tab-separated-values
check "$tmp/random.bin" application/octet-stream
exit $status
