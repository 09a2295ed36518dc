# A real drop of the same three lines saved four ways: Shift_JIS, UTF-8, UTF-8 with a byte order mark and
# UTF-16 (little-endian, with its mark), the second line holding an emoji and the first 不, whose UTF-16 code
# holds the byte of CR. Count mode counts 3 lines in each file; all-lines mode shows the true lines of each,
# the Shift_JIS file with "?" where it holds one for the emoji.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

ensure_display
folder="$E2E_OUT/encodings"
fresh_folder "$folder"
trap 'rm -rf "$folder"; cleanup' EXIT
/usr/bin/python3 - "$folder" <<'PY'
import os, sys
text = "不思議な国の上\r\n二行目\U0001F600\r\n三行目"
for name, encoding in [("1-sjis.txt", "cp932"), ("2-utf8.txt", "utf-8"), ("3-utf8bom.txt", "utf-8-sig"),
                       ("4-utf16.txt", "utf-16")]:
    with open(os.path.join(sys.argv[1], name), "wb") as f:
        f.write(text.encode(encoding, errors="replace"))
PY

memo_text() { driver text "$TITLE" $MEMO | tr -d '\r'; }

start_for_drops encodings "$TITLE" $CHK_FALL
driver click "$TITLE" $RDO_SHOW || fail "could not choose the contents mode"
driver click "$TITLE" $RDO_LINE_CNT || fail "could not choose the count mode"
drag_onto_memo "$TITLE" $MEMO "$folder"
wait_lines "$TITLE" $MEMO 5
expected=$(for name in 1-sjis 2-utf8 3-utf8bom 4-utf16; do
    printf '%10d行:%s\n' 3 "$(windows_path "$folder/$name.txt")"
done
printf '%10d行:Ｔｏｔａｌ' 12)
[ "$(memo_text)" = "$expected" ] || fail "the counts are not 3 in each file: $(memo_text)"

# The lines of the next drop follow the count lines.
driver click "$TITLE" $RDO_LINE_ALL || fail "could not choose all lines"
drag_onto_memo "$TITLE" $MEMO "$folder"
wait_lines "$TITLE" $MEMO 17
expected=$(printf '不思議な国の上\n二行目?\n三行目\n'
    for i in 1 2 3; do printf '不思議な国の上\n二行目\360\237\230\200\n三行目\n'; done)
[ "$(memo_text | tail -n 12)" = "$expected" ] || fail "the lines are not shown as text: $(memo_text)"

close_program
kill "$holder_pid" 2>/dev/null || true
echo "four encodings of three lines counted 3 each and shown as text"
