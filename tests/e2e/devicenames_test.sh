# Files named like devices, as a folder from another system holds them (aux.c, com1.txt, nul.txt, con.txt,
# prn.log, lpt1.txt), dropped in the count mode: the drop ends, and each is counted as the file it is. A box
# the drop shows (files passed over) is answered and makes the test fail, saying what it said.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

ensure_display
tree="$E2E_OUT/device-names"
fresh_folder "$tree"
expected="$E2E_OUT/devicenames-expected.txt"
: >"$expected"
total=0
for entry in aux.c:3 com1.txt:2 nul.txt:4 con.txt:1 prn.log:2 lpt1.txt:3 plain.txt:1; do
    name=${entry%:*} lines=${entry#*:}
    i=0
    while [ "$i" -lt "$lines" ]; do
        printf 'line %d of %s\r\n' "$i" "$name" >>"$tree/$name"
        i=$((i + 1))
    done
    printf '%10d行:%s\n' "$lines" "$(windows_path "$tree/$name")" >>"$expected"
    total=$((total + lines))
done
sort -o "$expected" "$expected"

start_for_drops devicenames "$TITLE" $CHK_FALL
driver click "$TITLE" $RDO_SHOW || fail "could not choose the contents mode"
driver click "$TITLE" $RDO_LINE_CNT || fail "could not choose the count mode"

memo_text() { driver text "$TITLE" $MEMO | tr -d '\r'; }

drag_onto_memo "$TITLE" $MEMO "$tree"
# Within 60 s the drop ends with its total line; a closing notice is answered so the program can be closed.
notices="$E2E_OUT/devicenames-notices.txt"
: >"$notices"
waited=0
until memo_text | grep -q 'Ｔｏｔａｌ'; do
    [ "$waited" -lt 120 ] || { screenshot devicenames-hung; fail "the drop did not end within 60 s"; }
    driver answer-box "$TITLE" 0.1 >>"$notices" || true
    sleep 0.5
    waited=$((waited + 1))
done
sleep 1
driver answer-box "$TITLE" 0.5 >>"$notices" || true

memo_text >"$E2E_OUT/devicenames-memo.txt"
grep -v 'Ｔｏｔａｌ' "$E2E_OUT/devicenames-memo.txt" | sort | cmp -s - "$expected" || {
    echo "expected:" >&2
    cat "$expected" >&2
    echo "got:" >&2
    cat "$E2E_OUT/devicenames-memo.txt" >&2
    [ ! -s "$notices" ] || { echo "the drop told:" >&2; cat "$notices" >&2; }
    driver close "$TITLE" || true
    fail "the files named like devices were not counted as files"
}
[ ! -s "$notices" ] || fail "the drop showed a box: $(cat "$notices")"
[ "$(tail -n 1 "$E2E_OUT/devicenames-memo.txt")" = "$(printf '%10d行:Ｔｏｔａｌ' "$total")" ] ||
    fail "the total line is not $total"

close_program
kill "$holder_pid" 2>/dev/null || true
echo "files named like devices counted as files"
