#!/bin/sh
# Installs what is missing, builds the Windows program and starts it under Wine in the Japanese locale.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    echo "run: no X display. Run it on a virtual one:" >&2
    echo "     xvfb-run -n 99 -f /tmp/rominado.xauth -s '-screen 0 1024x768x24' scripts/run.sh" >&2
    echo "     and see it from a second shell: DISPLAY=:99 XAUTHORITY=/tmp/rominado.xauth import -window root shot.png" >&2
    exit 1
fi
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/windows" -j "$(nproc 2>/dev/null || echo 2)" --target Rominado
exec "$root/scripts/wine-run.sh" "$root/build/windows/Rominado.exe" "$@"
