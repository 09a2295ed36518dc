# A program in a folder deeper than 260 bytes keeps its settings: moved and closed, it opens at the same place
# next time. Data.INI goes beside the program, or to the user's application data (ロミナード\Data.INI) where
# that folder cannot take it; never to the drive's root.
. "$(dirname "$0")/lib.sh"

# The user's copy of the settings in the test's Wine prefix: absent before, removed after, so that no other
# test starts from it.
prefix="${WINEPREFIX:-$E2E_ROOT/build/wineprefix}"
user_copy="$prefix/drive_c/users/$(id -un)/AppData/Roaming/ロミナード"
rm -rf "$user_copy"
trap 'rm -rf "$user_copy"; cleanup' EXIT

ensure_display
dir="$E2E_OUT/deepfolder"
rm -rf "$dir"
for i in 1 2 3 4 5 6; do dir="$dir/a-folder-with-a-rather-long-name-number-$i"; done
mkdir -p "$dir"
[ "$(printf %s "$dir" | wc -c)" -gt 260 ] || fail "the folder is not deep enough: $dir"
cp "$ROMINADO_EXE" "$dir/Rominado.exe"
ROMINADO_EXE="$dir/Rominado.exe"

start_program deepfolder-first
driver wait-window "$TITLE" 60 || fail "the main window did not appear"
driver move "$TITLE" 10 20 || fail "could not move the main window"
close_program
if [ -f "$dir/Data.INI" ]; then kept="$dir/Data.INI"; else kept="$user_copy/Data.INI"; fi
grep -q '^FormLeft=10' "$kept" 2>/dev/null || fail "the settings were kept neither beside the program nor in $user_copy"

start_program deepfolder-second
driver wait-window "$TITLE" 60 || fail "the main window did not appear again"
[ "$(driver window-rect "$TITLE" | tr -d '\r' | cut -d' ' -f1,2)" = "10 20" ] ||
    fail "the second start is not at left 10, top 20"
close_program
echo "a program $(printf %s "$dir" | wc -c) bytes deep keeps its settings in $kept"
