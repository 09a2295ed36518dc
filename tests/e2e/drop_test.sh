# Real drops: an X drag-and-drop of a folder tree onto the text area, recursion on. The clipboard then holds
# every non-hidden entry, in the locale's order; a second drop appends; Esc stops the drop of a large set
# of folders and keeps what was collected. Screenshots in full-path and in file-contents mode.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

ensure_display
tree="$E2E_OUT/drop-tree"
fresh_folder "$tree" "$tree/資料/sub" "$tree/ソース"
touch "$tree/一覧表" "$tree/Readme.TXT" "$tree/readme.txt" "$tree/資料/報告.doc" "$tree/資料/sub/ｶﾅ.txt" \
      "$tree/ソース/main.c" "$tree/.hidden" "$tree/資料/.secret"

start_for_drops drop "$TITLE" $CHK_FALL

# The expected lines: every entry but the hidden ones (Wine hides dot files), the two names that differ only in
# case each, in the order of the system's collation.
expected="$E2E_OUT/drop-expected.txt"
sorted_windows_paths drop-tree ! -name '.*' >"$expected"

drag_onto_memo "$TITLE" $MEMO "$tree"
wait_lines "$TITLE" $MEMO "$(wc -l <"$expected")"
driver clipboard | iconv -f CP932 -t UTF-8 | tr -d '\r' >"$E2E_OUT/drop-clipboard.txt"
cmp "$expected" "$E2E_OUT/drop-clipboard.txt" || fail "the clipboard after one drop is not the expected list"
screenshot drop-full-path

drag_onto_memo "$TITLE" $MEMO "$tree/資料"
wait_lines "$TITLE" $MEMO "$(($(wc -l <"$expected") + 4))"
driver clipboard | iconv -f CP932 -t UTF-8 | tr -d '\r' >"$E2E_OUT/drop-clipboard2.txt"
head -n "$(wc -l <"$expected")" "$E2E_OUT/drop-clipboard2.txt" | cmp - "$E2E_OUT/drop-clipboard.txt" ||
    fail "the second drop did not append below the first"

# Esc while many folders are walked: the drop stops early and what was collected stays.
big="$E2E_OUT/drop-big"
make_big_tree "$big"
before=$(driver text "$TITLE" $MEMO | tr -cd '\n' | wc -c)
driver press-while-busy "$TITLE" $RDO_FULL $MEMO 27 120 >/dev/null &
presser_pid=$!
drag_onto_memo "$TITLE" $MEMO "$big"/d*
wait "$presser_pid" || fail "the drop of the large set did not start or end"
after=$(driver text "$TITLE" $MEMO | tr -cd '\n' | wc -c)
total=$((before + 300 * 401))
[ "$after" -gt "$before" ] || fail "nothing collected before the abort was kept"
[ "$after" -lt "$total" ] || fail "Esc did not stop the drop ($after lines)"

driver click "$TITLE" $RDO_SHOW
driver click "$TITLE" $CHK_GET
screenshot drop-contents-mode

close_program
kill "$holder_pid" 2>/dev/null || true
rm -rf "$big"
echo "drops, append and abort as expected; screenshots in $E2E_OUT"
