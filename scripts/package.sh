#!/bin/sh
# Makes the portable release package Rominado-<version>.zip: the program built in release form (optimised,
# stripped, no time stamp) in a build folder of its own, the help page when the build has put one beside the
# program with the pictures of the windows it shows (taken from this program under Wine), the read-me and the
# licence, all under ASCII names (make_zip.py says why). The same commit gives the same bytes.
#
#     scripts/package.sh [OUTPUT_FOLDER]      (default: dist/ in the tree; prints the zip's path)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${ROMINADO_BUILD_DIR:-$root/build}"
release="$build/release"
out="${1:-$root/dist}"

# The version, from the one header that the version resource and the about box read too.
version_part() {
    sed -n "s/^#define ROMINADO_VERSION_$1 \"\{0,1\}\([^\"]*\)\"\{0,1\}\$/\1/p" "$root/res/Version.h"
}
version="$(version_part MAJOR).$(version_part MINOR)$(version_part LETTER)"
case "$version" in
    [0-9]*.[0-9]*) ;;
    *) echo "package: no version in res/Version.h" >&2; exit 1 ;;
esac

# Every date the package holds is the commit's.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct) ||
        { echo "package: no commit to date the package by; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH

cmake -S "$root" -B "$release" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DROMINADO_GTEST_SOURCE= >/dev/null
cmake --build "$release" --target Rominado e2e_driver -j "$(nproc 2>/dev/null || echo 2)" >&2
exe="$release/Rominado.exe"

# Users install nothing, and no DLL comes from the program's folder: the program imports only the DLLs that
# packaging/imports.txt names.
allowed=$(grep -v '^#' "$root/packaging/imports.txt")
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    echo "$allowed" | grep -qxi "$dll" ||
        { echo "package: the program imports $dll, which Windows may load from the program's folder" >&2; exit 1; }
done

# The help page's pictures of the windows, taken from this very program on a virtual display of their own, so
# that no other window lies over them. They are taken again only when the program or the taking changed: the
# same program packed again gives the same bytes.
take_pictures() {
    taker="$root/tests/e2e/helppictures_test.sh"
    stamp=$(cat "$exe" "$taker" "$root/tests/e2e/lib.sh" | sha256sum | cut -d' ' -f1)
    [ "$(cat "$pictures/stamp" 2>/dev/null)" != "$stamp" ] || return 0
    rm -rf "$pictures"
    env -u DISPLAY ROMINADO_EXE="$exe" E2E_DRIVER="$release/e2e_driver.exe" E2E_OUT="$release/e2e" \
        WINEPREFIX="${WINEPREFIX:-$build/wineprefix}" sh "$taker" "$pictures" >&2 ||
        { echo "package: could not take the pictures of the windows for the help page" >&2; exit 1; }
    echo "$stamp" >"$pictures/stamp"
}

help="$release/Rominado.html"
pictures="$release/help-pictures"
if [ -f "$help" ]; then
    take_pictures
    set -- "binary:Rominado.html=$help"
    for picture in main edit settings about; do set -- "$@" "binary:help/$picture.png=$pictures/$picture.png"; done
else
    set --
    echo "package: no help page at $help; packaging without it" >&2
fi

mkdir -p "$out"
zip="$out/Rominado-$version.zip"
rm -f "$zip"
python3 "$root/packaging/make_zip.py" "$zip" --epoch "$SOURCE_DATE_EPOCH" --folder Rominado --version "$version" \
    "binary:Rominado.exe=$exe" "$@" \
    "text:README.txt=$root/packaging/readme.ja.txt" \
    "text:LICENSE.txt=$root/packaging/LICENSE.txt"
echo "$zip"
