# Shared steps of the end-to-end tests: a virtual display, the program under Wine, and cleanup.
# Expects ROMINADO_EXE, E2E_DRIVER and E2E_OUT from ctest.
set -eu

E2E_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WINE_RUN="$E2E_ROOT/scripts/wine-run.sh"
mkdir -p "$E2E_OUT"

# Each test runs its own copy of the program, so that the Data.INI beside it starts absent and is the test's alone.
private_bin="$E2E_OUT/$(basename "$0" .sh)-bin"
rm -rf "$private_bin"
mkdir -p "$private_bin"
cp "$ROMINADO_EXE" "$private_bin/"
ROMINADO_EXE="$private_bin/$(basename "$ROMINADO_EXE")"

xvfb_pid=""
program_pid=""
holder_pid=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$holder_pid" ]; then kill "$holder_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# Uses the display of the test run when there is one (ctest runs these tests alone, so no other test's
# windows lie in the way of drags), else starts a private Xvfb and stops it on exit.
ensure_display() {
    if [ -n "${DISPLAY:-}" ]; then return; fi
    fifo="$E2E_OUT/displayfd.$$"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# Starts the program in the background; its output goes to a log, never to the test's output.
start_program() {
    log="$E2E_OUT/$1.log"
    shift
    "$WINE_RUN" "$ROMINADO_EXE" "$@" >"$log" 2>&1 </dev/null &
    program_pid=$!
}

driver() {
    "$WINE_RUN" "$E2E_DRIVER" "$@" </dev/null
}

# Waits for the program to end by itself, within a time limit; sets program_exit to its exit code.
# Runs in the test's own shell: only the parent can reap the program, and an unreaped one still answers kill -0.
wait_program_exit() {
    limit=$1
    waited=0
    while kill -0 "$program_pid" 2>/dev/null && ! zombie "$program_pid"; do
        [ "$waited" -lt "$((limit * 10))" ] || fail "the program did not end within $limit s"
        sleep 0.1
        waited=$((waited + 1))
    done
    program_exit=0
    wait "$program_pid" || program_exit=$?
    program_pid=""
}

zombie() {
    [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ]
}

screenshot() {
    import -display "$DISPLAY" -window root "$E2E_OUT/$1.png"
}
