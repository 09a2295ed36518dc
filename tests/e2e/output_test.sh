# Output options end to end: chosen in the settings window and applied, they shape what a drop copies
# (quoted, "/" between names, a comma between lines, no line end after the last) with the second bytes 0x5C
# of 表 and ソ intact. After a restart they are read back and a drop copies the same bytes.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

SETTINGS="設定画面"
# The settings window's controls, and the entries of its lists chosen here (quoted always, comma, "/").
BTN_CLOCE=2 BT_SETN=203 CHK_NO_LAST_END=212 CHOICES="206_1 209_3 215_1"

ensure_display
files="$E2E_OUT/output-files"
fresh_folder "$files"
touch "$files/表.txt" "$files/ソ 一覧.txt" "$files/能力.doc"

# Each path as Wine names it ("/" between names), quoted, in the locale's order, joined by commas.
expected="$E2E_OUT/output-expected.bin"
for name in 表.txt "ソ 一覧.txt" 能力.doc; do printf 'Z:%s\n' "$files/$name"; done |
    "$WINE_RUN" "$E2E_DRIVER" locale-sort | LC_ALL=C tr -d '\r' | LC_ALL=C sed 's/.*/"&"/' | LC_ALL=C tr '\n' ',' |
    LC_ALL=C sed 's/,$//' | iconv -f UTF-8 -t CP932 >"$expected"

# Drops the three files and waits until the clipboard holds what is expected; then closes the program.
drop_check_and_close() {
    drag_onto_memo "$TITLE" $MEMO "$files/表.txt" "$files/ソ 一覧.txt" "$files/能力.doc"
    waited=0
    until driver clipboard >"$E2E_OUT/$1.bin" 2>/dev/null && cmp -s "$expected" "$E2E_OUT/$1.bin"; do
        [ "$waited" -lt 300 ] || fail "$1: the clipboard holds $(od -c "$E2E_OUT/$1.bin" | head -5)"
        sleep 0.1 && waited=$((waited + 1))
    done
    close_program
}

start_for_drops output-first "$TITLE" $CHK_FALL
driver click "$TITLE" $BTN_SET || fail "could not press 設定(&O)"
driver wait-window "$SETTINGS" 10 || fail "the settings window did not appear"
for choice in $CHOICES; do driver select "$SETTINGS" ${choice%_*} ${choice#*_} || fail "could not choose $choice"; done
driver click "$SETTINGS" $CHK_NO_LAST_END || fail "could not check the last line end"
# 適用 asks about the shortcuts in a modal box: the click returns once the box is answered.
driver click "$SETTINGS" $BT_SETN &
clicker_pid=$!
driver answer-box "$SETTINGS" 20 >/dev/null || fail "no confirmation after 適用"
wait_exit "$clicker_pid" 20 "the click on 適用"
driver click "$SETTINGS" $BTN_CLOCE || fail "could not close the settings window"
drop_check_and_close output-first-drop
start_program output-second
driver wait-window "$TITLE" 60 || fail "the main window did not appear again"
drop_check_and_close output-second-drop
kill "$holder_pid" 2>/dev/null || true
echo "output options applied, copied byte for byte and kept across a restart"
