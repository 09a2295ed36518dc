# Esc inside one huge line: a real drop of a 32 GiB file without a line end in all-lines mode, then a real Esc
# key while it is read. The reading ends soon after, and the text area ends with the abort mark; a reading that
# heard Esc only at a line's end would read on to the file's end and never write the mark.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

ensure_display
folder="$E2E_OUT/longline"
fresh_folder "$folder"
# Sparse: made at once, taking no room; it reads as NUL bytes, which the text area shows as spaces. Zeros of a
# sparse file read at over a gigabyte a second: 32 GiB keep the reading going well past the Esc.
truncate -s 32G "$folder/one-line.txt"
trap 'rm -rf "$folder"; cleanup' EXIT

start_for_drops longline "$TITLE" $CHK_FALL
driver click "$TITLE" $RDO_SHOW || fail "could not choose the contents mode"
driver click "$TITLE" $RDO_LINE_ALL || fail "could not choose all lines"
# The keyboard goes to the window the user clicked in.
xdotool mousemove $(driver center "$TITLE" $MEMO | tr -d '\r') click 1

drag_onto_memo "$TITLE" $MEMO "$folder/one-line.txt"
driver wait-enabled "$TITLE" $RDO_FULL 0 30 || fail "the drop did not start"
sleep 1
# The drag may have left the keyboard elsewhere: the user clicks in the text area again before pressing Esc.
xdotool mousemove $(driver center "$TITLE" $MEMO | tr -d '\r') click 1
waited=0
until [ "$(driver focus "$TITLE" | tr -d '\r')" = "$MEMO" ]; do
    [ "$waited" -lt 100 ] || fail "the text area did not take the keyboard"
    sleep 0.1 && waited=$((waited + 1))
done
driver wait-enabled "$TITLE" $RDO_FULL 0 0 || fail "the file was read to its end before Esc could be pressed"
xdotool key Escape
driver wait-enabled "$TITLE" $RDO_FULL 1 30 || { screenshot longline-failed; fail "the reading did not end after Esc"; }
# The line read so far went in cut to the longest line the text area takes, and the user is told.
notice=$(driver answer-box "$TITLE" 30) || fail "the cut line was not told"
printf '%s\n' "$notice" | grep -q "切り詰め" || fail "the notice does not tell of the cut line: $notice"

driver text "$TITLE" $MEMO >"$E2E_OUT/longline-text.bin" || fail "the text area could not be read"
last=$(tail -c 64 "$E2E_OUT/longline-text.bin" | tr -d '\r' | grep -v '^ *$' | tail -n 1)
[ "$last" = "[中断]" ] ||
    fail "the text ($(wc -c <"$E2E_OUT/longline-text.bin") bytes) does not end with the abort mark: '$last'"
rm -f "$E2E_OUT/longline-text.bin"
screenshot longline

close_program
echo "Esc inside a line of 32 GiB ended the reading with [中断]"
