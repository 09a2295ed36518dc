#!/bin/sh
# Configures and builds the Windows cross build (build/windows), the fuzz build (build/fuzz) and the native
# build (build/native), whose ctest run covers every tier.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${ROMINADO_BUILD_DIR:-$root/build}"
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S "$root" -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" -j "$jobs"

cmake -S "$root/tests/fuzz" -B "$build/fuzz" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build/fuzz" -j "$jobs"

cmake -S "$root" -B "$build/native" -DROMINADO_WINDOWS_BUILD="$build/windows" \
    -DROMINADO_FUZZ_BUILD="$build/fuzz" >/dev/null
cmake --build "$build/native" -j "$jobs"
