# Walk options end to end: an exclusion mask and the ASCII tree form chosen in the settings window shape what a
# drop of a folder copies: the folder's path, then its entries drawn below it, with the excluded folder and
# files left out.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

SETTINGS="設定画面"
# The settings window's controls: cancel, apply, the mask box and the tree list (its third entry: ASCII).
BTN_CLOCE=2 BT_SETN=203 EDT_MASKS=235 CMB_TREE=242

ensure_display
root="$E2E_OUT/walkoptions-files"
fresh_folder "$root" "$root/表/node_modules/m" "$root/表/ソ"
touch "$root/表/a.txt" "$root/表/b.tmp" "$root/表/node_modules/m/x.js" "$root/表/ソ/能.txt" "$root/表/ソ/c.TMP"

expected="$E2E_OUT/walkoptions-expected.bin"
{
    windows_path "$root/表"
    printf '\r\n+-- a.txt\r\n`-- ソ\r\n    `-- 能.txt\r\n'
} | iconv -f UTF-8 -t CP932 >"$expected"

start_for_drops walkoptions "$TITLE" $CHK_FALL
driver click "$TITLE" $BTN_SET || fail "could not press 設定(&O)"
driver wait-window "$SETTINGS" 10 || fail "the settings window did not appear"
driver set-text "$SETTINGS" $EDT_MASKS 'node_modules\;*.tmp' || fail "could not type the masks"
driver select "$SETTINGS" $CMB_TREE 2 || fail "could not choose the ASCII tree"
# 適用 asks about the shortcuts in a modal box: the click returns once the box is answered.
driver click "$SETTINGS" $BT_SETN &
clicker_pid=$!
driver answer-box "$SETTINGS" 20 >/dev/null || fail "no confirmation after 適用"
wait_exit "$clicker_pid" 20 "the click on 適用"
driver click "$SETTINGS" $BTN_CLOCE || fail "could not close the settings window"

drag_onto_memo "$TITLE" $MEMO "$root/表"
waited=0
until driver clipboard >"$E2E_OUT/walkoptions-drop.bin" 2>/dev/null && cmp -s "$expected" "$E2E_OUT/walkoptions-drop.bin"; do
    [ "$waited" -lt 300 ] || fail "the clipboard holds $(od -c "$E2E_OUT/walkoptions-drop.bin" | head -8)"
    sleep 0.1 && waited=$((waited + 1))
done
close_program
kill "$holder_pid" 2>/dev/null || true
echo "masks and the tree form applied: the folder drawn as a tree without the excluded entries"
