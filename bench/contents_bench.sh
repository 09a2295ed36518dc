#!/bin/sh
# Line counting: the contents reader in count mode under Wine against the native `wc -l` on the same 200 MiB
# file, in Shift_JIS, UTF-8 and UTF-16. Prints both medians of each and their ratio as
# "ratio count/wc MEASURED TARGET", "ratio count-utf8/wc ..." and "ratio count-utf16/wc ...".
#   bench/contents_bench.sh [runs]   after a Windows build (ROMINADO_BUILD_DIR as for scripts/test.sh)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${ROMINADO_BUILD_DIR:-$root/build}"
export WINEPREFIX="$build/wineprefix"
runs=${1:-5}
data="$build/bench-data/contents"
mkdir -p "$data"
windows_data=$(printf 'Z:%s' "$data" | tr / '\\')

for encoding in sjis utf8 utf16; do
    "$root/scripts/wine-run.sh" "$build/windows/bench/contents_bench.exe" "$windows_data" "$runs" "$encoding" |
        tr -d '\r' | tee "$data/reader-$encoding.out"
    reader=$(sed -n 's/^count-mode-median //p' "$data/reader-$encoding.out")

    times=""
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s.%N)
        lines=$(wc -l <"$data/lines-$encoding.txt")
        stop=$(date +%s.%N)
        t=$(awk -v a="$start" -v b="$stop" 'BEGIN { printf "%.3f", b - a }')
        echo "wc -l run $((i + 1)): $t s ($lines lines)"
        times="$times$t\n"
        i=$((i + 1))
    done
    wc_median=$(printf "$times" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    printf 'median count mode (Wine, %s): %s s\nmedian wc -l (native):    %s s\n' "$encoding" "$reader" "$wc_median"
    case $encoding in
    sjis) name=count/wc target=2.5 ;;
    utf8) name=count-utf8/wc target=2.5 ;;
    *) name=count-utf16/wc target=3.0 ;;
    esac
    awk -v n="$name" -v t="$target" -v a="$reader" -v b="$wc_median" 'BEGIN { printf "ratio %s %.3f %s\n", n, a / b, t }'
done
