# The edit window on the real program: a file holding a 10,000-byte line, dropped in file-contents mode with
# all lines, then "名昇順": the long line comes back whole. A screenshot of the edit window.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

BTN_SORT_NAME=130

ensure_display
file="$E2E_OUT/long-line.txt"
long=$(head -c 10000 /dev/zero | tr '\0' 'x')
printf 'zz\r\n%s\r\nmm\r\n' "$long" >"$file"

driver hold >/dev/null 2>&1 &
holder_pid=$!
start_program edit
driver wait-window "$TITLE" 60 || fail "the main window did not appear"
driver click "$TITLE" $RDO_SHOW
driver click "$TITLE" $RDO_LINE_ALL
drag_onto_memo "$TITLE" $MEMO "$file"
wait_lines "$TITLE" $MEMO 3

driver click "$TITLE" $BTN_EDIT
driver wait-window "編集" 30 || fail "the edit window did not appear"
screenshot edit-window
driver click "編集" $BTN_SORT_NAME
printf 'mm\r\n%s\r\nzz\r\n' "$long" >"$E2E_OUT/edit-expected.txt"
waited=0
until driver text "$TITLE" $MEMO | cmp -s - "$E2E_OUT/edit-expected.txt"; do
    [ "$waited" -lt 300 ] || fail "the sorted text is not the three lines with the long one whole"
    sleep 0.1
    waited=$((waited + 1))
done

close_program
echo "the 10,000-byte line came through the sort whole; screenshot $E2E_OUT/edit-window.png"
