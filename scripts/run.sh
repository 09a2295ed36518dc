#!/bin/sh
# Installs what is missing, builds the Windows program and starts it under Wine in the Japanese locale.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${DISPLAY:-}" ]; then
    echo "run: no X display. Run it on a virtual one:  xvfb-run -a -s '-screen 0 1024x768x24' scripts/run.sh" >&2
    echo "     (then see it with: DISPLAY=:99 import -window root shot.png, using xvfb-run -n 99)" >&2
    exit 1
fi
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/windows" -j "$(nproc 2>/dev/null || echo 2)" --target Rominado
exec "$root/scripts/wine-run.sh" "$root/build/windows/Rominado.exe" "$@"
