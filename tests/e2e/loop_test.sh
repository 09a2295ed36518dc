# Walks that must end: a folder whose symbolic links lead back onto it, dropped with recursion on, ends by
# itself with each entry once (the links are entries, not followed); Esc ends the walk of one dropped folder of
# far more than 1023 entries; the program then closes normally.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

# Runs a step with a time limit: reading the text area waits for the program, which answers only while it
# pumps messages, so a walk that never ends would hold the step for ever.
within() {
    limit=$1
    shift
    "$@" &
    step_pid=$!
    waited=0
    while kill -0 "$step_pid" 2>/dev/null; do
        [ "$waited" -lt "$((limit * 10))" ] || { kill "$step_pid"; return 1; }
        sleep 0.1
        waited=$((waited + 1))
    done
    wait "$step_pid"
}

ensure_display
tree="$E2E_OUT/loop-tree"
fresh_folder "$tree" "$tree/d/資料"
touch "$tree/d/f.txt" "$tree/d/資料/報告.txt"
ln -s . "$tree/d/a"
ln -s . "$tree/d/b"
ln -s .. "$tree/d/資料/up"

start_for_drops loop "$TITLE" $CHK_FALL

# find lists the links as entries and does not follow them: the lines a walk that ends must give.
expected="$E2E_OUT/loop-expected.txt"
sorted_windows_paths loop-tree/d >"$expected"
[ "$(wc -l <"$expected")" -eq 7 ] || fail "the looped tree was not made as meant"

drag_onto_memo "$TITLE" $MEMO "$tree/d"
within 60 wait_lines "$TITLE" $MEMO "$(wc -l <"$expected")" || fail "the walk of the looped folder did not end"
driver clipboard | iconv -f CP932 -t UTF-8 | tr -d '\r' >"$E2E_OUT/loop-clipboard.txt"
cmp "$expected" "$E2E_OUT/loop-clipboard.txt" || fail "the looped folder did not give each entry once"

# One folder of 120,300 entries: Esc is pressed once the walk has pumped past its 1023rd entry, and must still
# end it.
big="$E2E_OUT/loop-big"
make_big_tree "$big"
before=$(driver text "$TITLE" $MEMO | tr -cd '\n' | wc -c)
driver press-past-band "$TITLE" $RDO_FULL $MEMO 27 120 >/dev/null &
presser_pid=$!
drag_onto_memo "$TITLE" $MEMO "$big"
wait "$presser_pid" || fail "the walk of the large folder did not go on pumping past its 1023rd entry"
after=$(driver text "$TITLE" $MEMO | tr -cd '\n' | wc -c)
total=$((before + 1 + 300 * 401))
[ "$after" -lt "$total" ] || fail "Esc did not stop the walk of one large folder"
screenshot loop-after-esc

close_program
[ "$program_exit" -eq 0 ] || fail "the program ended with code $program_exit"
kill "$holder_pid" 2>/dev/null || true
rm -rf "$big" "$tree"
echo "looped folder walked to its end, Esc stopped a long walk after $((after - before)) lines; screenshot in $E2E_OUT"
