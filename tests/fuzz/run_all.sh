#!/bin/sh
# Runs every fuzz target (or the ones named) for SECONDS each, one after the other, on one core. Each keeps
# its corpus in the native build folder, where the short test runs grow it too, and also reads the
# reproducers of past findings from tests/fuzz/seeds. Further libFuzzer options go to every target, e.g.
#     tests/fuzz/run_all.sh 1800 -runs=10000000
# An input that runs longer than 10 s counts as a hang. Findings land in <build>/fuzz-artifacts, each
# target's output in <build>/fuzz-logs. Exits non-zero when a target found something.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build="${ROMINADO_BUILD_DIR:-$root/build}"
seconds=${1:?usage: tests/fuzz/run_all.sh SECONDS [-libFuzzer options] [TARGET...]}
shift
options=
targets=
for a in "$@"; do
    case $a in
        -*) options="$options $a" ;;
        *) targets="$targets $a" ;;
    esac
done
[ -n "$targets" ] ||
    targets="HenkanJ CommandLine LongFileName FileContents Settings PathPieces NetworkForm EditOperations OutputFormat ExclusionMasks ProfileFile"

cmake -S "$root/tests/fuzz" -B "$build/fuzz" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build/fuzz" -j 2 >/dev/null
mkdir -p "$build/fuzz-artifacts" "$build/fuzz-logs"

failed=0
for t in $targets; do
    corpus="$build/native/fuzz-corpus/$t"
    seeds="$root/tests/fuzz/seeds/$t"
    mkdir -p "$corpus"
    [ -d "$seeds" ] || seeds=
    log="$build/fuzz-logs/$t.log"
    # shellcheck disable=SC2086 # options and seeds split on purpose
    if "$build/fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/$t-" $options "$corpus" $seeds >"$log" 2>&1; then
        result=clean
    else
        result="FOUND SOMETHING (see $log)"
        failed=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    echo "$t: ${runs:-?} executions, $result"
done
exit $failed
