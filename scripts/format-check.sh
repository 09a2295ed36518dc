#!/bin/sh
# Fails, naming the files, when a C++ source differs from what clang-format makes of it with the repository's
# .clang-format. Fix with: clang-format -i FILE...
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# The sources of the tree as it stands, tracked or new, without build folders.
files=$(find app bench collect edit platform res shared shell tests text \( -name '*.cpp' -o -name '*.h' \) | sort)
drift=$(clang-format --dry-run $files 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$drift" ]; then
    echo "not formatted (clang-format -i these):" >&2
    echo "$drift" >&2
    exit 1
fi
echo "$(echo "$files" | wc -l) sources formatted"
