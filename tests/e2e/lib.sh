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

TITLE="ロミナード"  # the main window's title
# The main window's controls, by id.
MEMO=100 PNL_TOP=101 BTN_EDIT=105 BTN_FONT=106 BTN_SET=107 BTN_VER=108 BTN_HELP=109
CHK_GET=110 CHK_FALL=111 RDO_FULL=112 RDO_NAME=113 RDO_SHOW=114 RDO_LINE_CNT=119 RDO_LINE_ALL=120

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
    . "$E2E_ROOT/scripts/xvfb.sh"
    start_xvfb "$E2E_OUT"
}

# Starts the program in the background; its output goes to a log, never to the test's output.
start_program() {
    log="$E2E_OUT/$1.log"
    shift
    "$WINE_RUN" "$ROMINADO_EXE" "$@" >"$log" 2>&1 </dev/null &
    program_pid=$!
}

# fresh_folder DIR [FOLDER...]: DIR made afresh and empty, then the folders FOLDER made (DIR's subfolders).
fresh_folder() {
    rm -rf "$1"
    mkdir -p "$@"
}

# Asks the main window to close and waits for the program to end by itself.
close_program() {
    driver close "$TITLE" || fail "could not ask the main window to close"
    wait_program_exit 30
}

driver() {
    "$WINE_RUN" "$E2E_DRIVER" "$@" </dev/null
}

# start_for_drops NAME TITLE CHECKBOX: starts the program beside a process that keeps the Wine session (started
# with the first program), waits for its window TITLE and checks the recursion box CHECKBOX.
start_for_drops() {
    if [ -z "$holder_pid" ]; then
        driver hold >/dev/null 2>&1 &
        holder_pid=$!
    fi
    start_program "$1"
    driver wait-window "$2" 60 || fail "the main window did not appear"
    driver click "$2" "$3" || fail "could not turn recursion on"
}

windows_path() {  # a Linux path as Wine shows it (UTF-8)
    printf 'Z:%s' "$1" | tr '/' '\\'
}

# sorted_windows_paths FIND-ARGUMENTS: the paths find gives below $E2E_OUT, as Wine shows them, one a line, in
# the order of the system's collation: the lines a drop of them copies.
sorted_windows_paths() {
    (cd "$E2E_OUT" && find "$@") | while read -r p; do windows_path "$E2E_OUT/$p"; echo; done |
        "$WINE_RUN" "$E2E_DRIVER" locale-sort | tr -d '\r'
}

# wait_exit PID LIMIT WHAT: waits for a process the test started to end, within LIMIT seconds (else fails
# saying WHAT did not end); sets exit_code to its exit code. Runs in the test's own shell: only the parent can
# reap the process, and an unreaped one still answers kill -0.
wait_exit() {
    waited=0
    while kill -0 "$1" 2>/dev/null && ! zombie "$1"; do
        [ "$waited" -lt "$(($2 * 10))" ] || fail "$3 did not end within $2 s"
        sleep 0.1
        waited=$((waited + 1))
    done
    exit_code=0
    wait "$1" || exit_code=$?
}

# Waits for the program to end by itself, within a time limit; sets program_exit to its exit code.
wait_program_exit() {
    wait_exit "$program_pid" "$1" "the program"
    program_exit=$exit_code
    program_pid=""
}

# 300 folders of 400 empty files each, made afresh under $1: a drop long enough to press Esc during it.
make_big_tree() {
    rm -rf "$1"
    /usr/bin/python3 - "$1" <<'PY'
import os, sys
root = sys.argv[1]
for f in range(300):
    d = os.path.join(root, "d%03d" % f)
    os.makedirs(d)
    for i in range(400):
        open(os.path.join(d, "f%03d.txt" % i), "w").close()
PY
}

zombie() {
    [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" = Z ]
}

screenshot() {
    import -display "$DISPLAY" -window root "$E2E_OUT/$1.png"
}
