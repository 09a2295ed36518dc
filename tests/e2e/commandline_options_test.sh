# Started with arguments, the program writes their long forms under the output options that Data.INI holds
# (here: quotes around spaces, tabs between them, no line end after the last, forward slashes, a mark after
# folders).
. "$(dirname "$0")/lib.sh"

ensure_display

work="$E2E_OUT/commandline-options"
rm -rf "$work"
mkdir -p "$work/bin" "$work/tree/表/能 sub"
cp "$ROMINADO_EXE" "$work/bin/Rominado.exe"
: >"$work/tree/表/ソ 1.txt"
tree=$(printf 'Z:%s' "$work/tree" | tr / '\\')

"$WINE_RUN" "$E2E_DRIVER" hold >/dev/null 2>&1 </dev/null &
holder_pid=$!
trap 'kill "$holder_pid" 2>/dev/null || true; cleanup' EXIT

printf '[Output]\r\nQuoting=2\r\nSeparator=1\r\nLastLineEnd=0\r\nSlashes=1\r\nFolderMark=1\r\n' >"$work/bin/Data.INI"
ROMINADO_EXE="$work/bin/Rominado.exe"
start_program commandline-options "$tree\\表\\ソ 1.txt" "$tree\\表\\能 sub"
wait_program_exit 60
[ "$program_exit" = 0 ] || fail "the program ended with code $program_exit"

driver clipboard >"$work/clipboard.bin" || fail "the clipboard holds no text"
slashed=$(printf '%s' "$tree" | tr '\\' /)
printf '"%s/表/ソ 1.txt"\t"%s/表/能 sub/"' "$slashed" "$slashed" | iconv -f UTF-8 -t CP932 >"$work/expected.bin"
cmp "$work/clipboard.bin" "$work/expected.bin" >&2 || fail "the clipboard does not hold the lines the options write"
echo "two arguments written under the options of Data.INI"
