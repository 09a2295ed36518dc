# A real drop of a tree whose names code page 932 cannot hold (Korean, accented Latin, an emoji, CJK outside
# JIS), with names ending in a dot or a space and files 300 and 1,000 bytes deep, with names in their code
# page 932 form (the output option that older programs need): one line per entry, each naming an existing
# entry, no "?" stand-in, and the user told what was given by short names.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

ensure_display
tree="$E2E_OUT/wide-tree"
rm -rf "$tree"
/usr/bin/python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
os.makedirs(os.path.join(root, "한국어"))
for name in ["한국어/inner.txt", "café.txt", "note😀.txt", "𠀋丂.txt", "表.txt", "dot.", "space "]:
    open(os.path.join(root, name), "w").close()
deep = os.path.join(root, "deep")
for limit, name in [(300, "f300.txt"), (1000, "f1000.txt")]:
    while len(("Z:" + deep).encode()) < limit - 20:
        deep = os.path.join(deep, "d" * 60)
    os.makedirs(deep, exist_ok=True)
    open(os.path.join(deep, name), "w").close()
PY
entries=$(find "$tree" | wc -l)

printf '[Output]\r\nCodePageNames=1\r\n' >"$(dirname "$ROMINADO_EXE")/Data.INI"
start_for_drops widenames "$TITLE" $CHK_FALL
drop_told_of_aliases "$tree" "$entries"

clip="$E2E_OUT/widenames-clipboard.txt"
driver clipboard >"$clip" || fail "the clipboard holds no text"
lines=$(tr -cd '\n' <"$clip" | wc -c)
[ "$lines" -eq "$entries" ] || fail "$lines lines for $entries entries"
if grep -q '?' "$clip"; then fail "a line holds a ? stand-in"; fi
missing=$(iconv -f CP932 -t UTF-8 "$clip" | "$WINE_RUN" "$E2E_DRIVER" missing) ||
    fail "lines that name nothing: $missing"
grep -q "f1000.txt" "$clip" || fail "the file 1,000 bytes deep has no line"

close_program
kill "$holder_pid" 2>/dev/null || true
rm -rf "$tree"
echo "$lines lines, each naming an existing entry; told: $notice"
