# Output options end to end: chosen in the settings window and applied, they shape what a drop copies
# (quoted, "/" between names, a comma between lines, no line end after the last) with the second bytes 0x5C
# of 表 and ソ intact. After a restart the settings window shows them again and a drop copies the same bytes.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

MEMO=100 BTN_SET=107 CHK_FALL=111
SETTINGS="設定画面"
# The settings window's controls.
BTN_CLOCE=2 BT_SETN=203 CMB_QUOTING=206 CMB_SEPARATOR=209 CHK_NO_LAST_END=212 CMB_SLASHES=215 CMB_ORDER=224
ALWAYS=1 COMMA=3 SLASH=1

ensure_display
files="$E2E_OUT/output-files"
rm -rf "$files"
mkdir -p "$files"
touch "$files/表.txt" "$files/ソ 一覧.txt" "$files/能力.doc"

# What the drop must copy: each path as Wine names it, with "/" between names (the Linux path as it stands),
# quoted, in the locale's order, joined by commas, nothing after the last.
expected="$E2E_OUT/output-expected.bin"
for name in 表.txt "ソ 一覧.txt" 能力.doc; do printf 'Z:%s\n' "$files/$name" | iconv -f UTF-8 -t CP932; done |
    "$WINE_RUN" "$E2E_DRIVER" locale-sort | LC_ALL=C tr -d '\r' | LC_ALL=C sed 's/.*/"&"/' | LC_ALL=C tr '\n' ',' |
    LC_ALL=C sed 's/,$//' >"$expected"
od -An -tx1 "$expected" | tr -d '\n' | grep -q ' 95 5c' || fail "the expected bytes hold no 表 (95 5C)"

# Drops the three files and waits until the clipboard holds what is expected; saves what it held.
drop_and_check() {
    drag_onto_memo "$TITLE" $MEMO "$files/表.txt" "$files/ソ 一覧.txt" "$files/能力.doc"
    waited=0
    until driver clipboard >"$E2E_OUT/$1.bin" 2>/dev/null && cmp -s "$expected" "$E2E_OUT/$1.bin"; do
        [ "$waited" -lt 300 ] || { screenshot "$1"; fail "$2: the clipboard holds $(od -c "$E2E_OUT/$1.bin" | head -5)"; }
        sleep 0.1
        waited=$((waited + 1))
    done
}

open_settings() {
    driver click "$TITLE" $BTN_SET || fail "could not press 設定(&O)"
    driver wait-window "$SETTINGS" 10 || fail "the settings window did not appear"
}

start_for_drops output-first "$TITLE" $CHK_FALL
open_settings
driver select "$SETTINGS" $CMB_QUOTING $ALWAYS || fail "could not choose quoting"
driver select "$SETTINGS" $CMB_SEPARATOR $COMMA || fail "could not choose the comma"
driver click "$SETTINGS" $CHK_NO_LAST_END || fail "could not check the last line end"
driver select "$SETTINGS" $CMB_SLASHES $SLASH || fail "could not choose slashes"
screenshot output-settings
# 適用 asks about the shortcuts in a modal box: the click returns once the box is answered.
driver click "$SETTINGS" $BT_SETN &
clicker_pid=$!
driver answer-box "$SETTINGS" 20 >/dev/null || fail "no confirmation after 適用"
wait_exit "$clicker_pid" 20 "the click on 適用"
driver click "$SETTINGS" $BTN_CLOCE || fail "could not close the settings window"

drop_and_check output-first-drop "the first drop"
driver close "$TITLE" || fail "could not ask the main window to close"
wait_program_exit 30

start_program output-second
driver wait-window "$TITLE" 60 || fail "the main window did not appear again"
open_settings
for pair in "$CMB_QUOTING $ALWAYS" "$CMB_SEPARATOR $COMMA" "$CHK_NO_LAST_END 1" "$CMB_SLASHES $SLASH" "$CMB_ORDER 0"; do
    set -- $pair
    [ "$(driver choice "$SETTINGS" "$1" | tr -d '\r')" = "$2" ] || fail "after a restart control $1 does not show $2"
done
screenshot output-settings-again
driver click "$SETTINGS" $BTN_CLOCE || fail "could not close the settings window"
drop_and_check output-second-drop "the drop after a restart"

driver close "$TITLE" || fail "could not ask the main window to close"
wait_program_exit 30
kill "$holder_pid" 2>/dev/null || true
echo "output options applied, copied byte for byte and kept across a restart; screenshots in $E2E_OUT"
