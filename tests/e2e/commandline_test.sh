# Started with arguments, the program shows no window, leaves the long form of each argument on the clipboard,
# one line each ending in CR LF, in argument order, and ends without touching Data.INI. A clipboard that another
# program holds is reported.
. "$(dirname "$0")/lib.sh"

ensure_display

# A private copy of the program, so that Data.INI beside it belongs to this test alone.
work="$E2E_OUT/commandline"
fresh_folder "$work" "$work/bin" "$work/tree/Long Folder Name" "$work/tree/表"
cp "$ROMINADO_EXE" "$work/bin/Rominado.exe"
: >"$work/tree/Long Folder Name/Mixed Case File.Txt"
tree=$(printf 'Z:%s' "$work/tree" | tr / '\\')

# The clipboard lives as long as the Wine session: keep a program of this test running while it is read.
"$WINE_RUN" "$E2E_DRIVER" hold >/dev/null 2>&1 </dev/null &
holder_pid=$!
trap 'kill "$holder_pid" 2>/dev/null || true; cleanup' EXIT

long="$tree\\Long Folder Name\\Mixed Case File.Txt"
short=$(driver short-name "$long" | tr -d '\r') || fail "no short name for $long"
case "$short" in *"Long Folder Name"*) fail "the short name $short is the long one" ;; esac
missing="$tree\\Nope\\Mixed Case File.Txt"

ROMINADO_EXE="$work/bin/Rominado.exe"
start_program commandline "$short" "$tree\\long folder name\\mixed case file.txt" "$tree\\表\\" "$missing" \
    "$short"
if driver wait-window "ロミナード" 3; then fail "a window was shown"; fi
wait_program_exit 60
[ "$program_exit" = 0 ] || fail "the program ended with code $program_exit"

driver clipboard >"$work/clipboard.bin" || fail "the clipboard holds no text"
# The folder 表 ends in the byte 0x5C in code page 932, which the clipboard holds.
printf '%s\r\n' "$long" "$long" "$tree\\表" "$missing" "$long" | iconv -f UTF-8 -t CP932 >"$work/expected.bin"
cmp -s "$work/clipboard.bin" "$work/expected.bin" || {
    echo "expected:" >&2
    od -c "$work/expected.bin" >&2
    echo "clipboard:" >&2
    od -c "$work/clipboard.bin" >&2
    fail "the clipboard does not hold the long forms"
}
[ ! -e "$work/bin/Data.INI" ] || fail "Data.INI was written"

# Files named like devices are files: each argument comes back whole, never cut to the device's name.
mkdir -p "$work/tree/dev"
printf 'one\r\n' >"$work/tree/dev/nul.txt"
printf 'one\r\n' >"$work/tree/dev/COM1.txt"
start_program commandline-devices "$tree\\dev\\nul.txt" "$tree\\dev\\COM1.txt"
wait_program_exit 60
[ "$program_exit" = 0 ] || fail "the run with device names ended with code $program_exit"
driver clipboard >"$work/clipboard.bin" || fail "the clipboard holds no text after the run with device names"
printf '%s\r\n' "$tree\\dev\\nul.txt" "$tree\\dev\\COM1.txt" >"$work/expected.bin"
cmp -s "$work/clipboard.bin" "$work/expected.bin" || {
    od -c "$work/clipboard.bin" >&2
    fail "the clipboard does not hold nul.txt and COM1.txt whole"
}
echo "nul.txt and COM1.txt came back whole"

# A Data.INI that exists stays as it is, to the byte and to its time stamp; its output options are used (here:
# quotes, tabs between the lines, no line end after the last, forward slashes, a mark after folders).
printf '[MainForm]\r\nLeft=1\r\n[Output]\r\nQuoting=1\r\nSeparator=1\r\nLastLineEnd=0\r\nSlashes=1\r\nFolderMark=1\r\n' \
    >"$work/bin/Data.INI"
touch -d '2001-02-03 04:05:06' "$work/bin/Data.INI"
cp -p "$work/bin/Data.INI" "$work/Data.INI.before"
start_program commandline-ini "$short" "$tree\\表\\"
wait_program_exit 60
[ "$program_exit" = 0 ] || fail "the second run ended with code $program_exit"
cmp -s "$work/bin/Data.INI" "$work/Data.INI.before" || fail "Data.INI was changed"
[ "$(stat -c %Y "$work/bin/Data.INI")" = "$(stat -c %Y "$work/Data.INI.before")" ] || fail "Data.INI was rewritten"
driver clipboard >"$work/clipboard.bin" || fail "the clipboard holds no text after the second run"
printf '"%s"\t"%s/表/"' "$(printf '%s' "$long" | tr '\\' /)" "$(printf '%s' "$tree" | tr '\\' /)" |
    iconv -f UTF-8 -t CP932 >"$work/expected.bin"
cmp -s "$work/clipboard.bin" "$work/expected.bin" || fail "the second run's clipboard does not hold its options' lines"
echo "five arguments, five lines on the clipboard, no window, no Data.INI; an existing Data.INI untouched, its options used"

# A clipboard that another program holds: the user is told in a box, the exit code says so, and the clipboard
# keeps what it held.
"$WINE_RUN" "$E2E_DRIVER" hold-clipboard >"$work/clipboard-holder.out" 2>&1 </dev/null &
clipboard_holder=$!
waited=0
until grep -q held "$work/clipboard-holder.out"; do
    [ "$waited" -lt 300 ] || fail "the clipboard holder did not start"
    sleep 0.1
    waited=$((waited + 1))
done
start_program commandline-busy "$missing"
driver wait-window "情報" 30 || fail "no box told that the clipboard could not be used"
driver text "情報" 65535 | grep -q "クリップボード" || fail "the box does not name the clipboard"
driver close "情報"
wait_program_exit 30
kill "$clipboard_holder" 2>/dev/null || true
wait "$clipboard_holder" 2>/dev/null || true
[ "$program_exit" != 0 ] || fail "a copy that failed ended with code 0"
driver clipboard >"$work/clipboard.bin" || fail "the clipboard lost its text"
cmp -s "$work/clipboard.bin" "$work/expected.bin" || fail "the clipboard's earlier text was replaced"
echo "a held clipboard is reported in a box and by the exit code, and keeps its text"
