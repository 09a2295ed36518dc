#!/bin/bash
# Runs a test program under Wine (scripts/wine-run.sh) for ctest. Very rarely (once in some thousands of starts)
# Wine ends a program before the program's own code runs: a failure code and no output at all, the loader's
# reasons being silenced with the rest of Wine's log. Such a start is reported and made once more. A program
# that wrote anything is never run again, so a test that fails, crashes or hangs fails as it would without this.
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for attempt in 1 2; do
    "$here/wine-run.sh" "$@" | tee "$out"
    rc=${PIPESTATUS[0]}
    if [ "$rc" = 0 ] || [ -s "$out" ]; then
        exit "$rc"
    fi
    echo "wine-test.sh: start $attempt of $1 ended with code $rc before the program wrote anything" >&2
done
exit "$rc"
