#!/bin/sh
# Installs what is missing, builds both builds and runs every tier: unit (native), win32 (under Wine), e2e (the
# program under Wine on a virtual display), and a short fuzz run. Extra arguments go to ctest, e.g. -R '^unit\.'.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

# ROMINADO_BUILD_DIR puts every build folder and the Wine prefix elsewhere (default: build/ in the tree).
build="${ROMINADO_BUILD_DIR:-$root/build}"
export ROMINADO_BUILD_DIR="$build"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
mkdir -p "$build"

xvfb_pid=""
stop_all() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop_all EXIT INT TERM

# One virtual display for the whole run; Wine programs and the e2e tests use it.
. "$root/scripts/xvfb.sh"
start_xvfb "$build"

# One wineserver for the whole run instead of one per Wine program (it may already be up).
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null || true

# Wine's system processes start with the first Wine program and, under the persistent wineserver, outlive it.
# Started by a test or by test discovery they would inherit its output, and ctest or CMake would wait for them
# forever; a holder started first, with its output on /dev/null, starts them and keeps them for the whole run.
cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" --target e2e_driver >/dev/null
"$root/scripts/wine-run.sh" "$build/windows/e2e_driver.exe" hold >/dev/null 2>&1 </dev/null &
"$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1 </dev/null || true

"$root/scripts/build.sh"

ctest --test-dir "$build/native" --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "$@"
