#!/bin/sh
# Runs every benchmark under Wine and ends with one line per ratio, "ratio NAME MEASURED TARGET".
#   bench/run.sh [runs]           every ratio, each a median of runs (default 3)
#   bench/run.sh --scale          the checks at scale instead: a drop of 1,000,000 entries, count mode over
#                                 10,000,000 lines, 名昇順 over 2,000,000 lines; times and peak memory
#   bench/run.sh --answers        how long the program goes without answering a message at 1,000,000 lines:
#                                 every edit operation's own work, the text area's fill in parts against one
#                                 call, and a drop of 500,000 entries with Esc pressed as its lines go in
# Builds what it needs after the test command's set-up (ROMINADO_BUILD_DIR as for scripts/test.sh), starts a
# virtual display when there is none, and stops everything it started. Measure on an idle machine: the
# ratios move with load.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${ROMINADO_BUILD_DIR:-$root/build}"
export ROMINADO_BUILD_DIR="$build"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
scale=""
answers=""
runs=3
case "${1:-}" in
--scale) scale=1 ;;
--answers) answers=1 ;;
"") ;;
*) runs=$1 ;;
esac

data="$build/bench-data"
mkdir -p "$data"
windows_data=$(printf 'Z:%s' "$data" | tr / '\\')
log="$data/run.log"
: >"$log"

xvfb_pid=""
stop_all() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop_all EXIT INT TERM

if [ -z "${DISPLAY:-}" ]; then
    . "$root/scripts/xvfb.sh"
    start_xvfb "$data"
fi

cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" --target walk_bench drop_bench contents_bench fill_bench edit_bench exclude_bench \
    -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
# One wineserver for every benchmark, started before the first so that its start-up is in no measurement.
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null || true
"$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1 </dev/null || true

# Makes folder/tree of entries entries natively, laid out as the benchmarks lay theirs out (10 folders of 10
# folders of files, a third of the names Japanese), with the marker that tells them it is made: through Wine a
# million entries take over half an hour, here seconds.
make_tree() {
    folder=$1
    entries=$2
    [ -e "$folder/ready" ] && return 0
    rm -rf "$folder/tree"
    awk -v root="$folder/tree" 'BEGIN {
        for (d = 0; d < 100; d++) printf "%s/d%d/d%02d\n", root, int(d / 10), d
    }' | xargs mkdir -p
    awk -v root="$folder/tree" -v files=$((entries - 110)) 'BEGIN {
        for (f = 0; f < files; f++) {
            d = int(f * 100 / files)
            name = (f % 3 == 0) ? sprintf("表計算ソ%07d.txt", f) : sprintf("file%07d.dat", f)
            printf "%s/d%d/d%02d/%s\n", root, int(d / 10), d, name
        }
    }' | xargs touch
    touch "$folder/ready"
}

# The first argument names the program; the programs take their own arguments after it.
run_bench() {
    program=$1
    shift
    printf '== %s %s\n' "$program" "$*" | tee -a "$log"
    "$root/scripts/wine-run.sh" "$build/windows/bench/$program.exe" "$@" 2>&1 </dev/null | tr -d '\r' | tee -a "$log"
}

if [ -n "$answers" ]; then
    uptime | tee -a "$log"
    run_bench edit_bench stretch 1000000
    run_bench edit_bench textarea 1000000
    make_tree "$data/rwb500k" 500000
    run_bench drop_bench "$windows_data\\rwb500k" 1 500000
    exit 0
fi

if [ -n "$scale" ]; then
    # Each finishes and stays within about three times its output; that abort works within one pacing period
    # at any size is the unit tests' to show.
    uptime | tee -a "$log"
    make_tree "$data/rwb1m" 1000000
    run_bench drop_bench "$windows_data\\rwb1m" 1 1000000
    run_bench contents_bench "$windows_data\\rcb" 1 10000000
    run_bench edit_bench 2000000 1
    exit 0
fi

uptime | tee -a "$log"
run_bench walk_bench "$windows_data\\rwb" "$runs"
# The same tree twice, once with a node_modules of 100,000 files that the mask leaves out.
make_tree "$data/rxw" 20000
make_tree "$data/rxm" 20000
if [ ! -e "$data/rxm/node_modules-ready" ]; then
    mkdir -p "$data/rxm/tree/node_modules/pkg"
    (cd "$data/rxm/tree/node_modules/pkg" && seq -f 'm%06g.js' 1 100000 | xargs touch)
    touch "$data/rxm/node_modules-ready"
fi
run_bench exclude_bench "$windows_data\\rxm\\tree" "$windows_data\\rxw\\tree" "$runs"
run_bench drop_bench "$windows_data\\rwb" "$runs"
echo "== count mode against wc -l" | tee -a "$log"
sh "$root/bench/contents_bench.sh" "$runs" | tee -a "$log"
run_bench fill_bench fill "$windows_data\\rfb" "$runs"
run_bench fill_bench many "$windows_data\\rfb" "$runs"
run_bench edit_bench 1000000 "$runs"
uptime | tee -a "$log"

echo "== ratios (NAME MEASURED TARGET), medians of $runs runs"
grep '^ratio ' "$log"
