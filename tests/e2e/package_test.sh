# The release package as a user gets it: scripts/package.sh makes it, Info-ZIP's unzip unpacks it into a fresh
# folder, with the help page and the pictures of the windows it shows. The packaged program imports system DLLs
# only and has no time stamp; in command-line mode it leaves a file's long path on the clipboard; started without
# arguments and closed, it writes Data.INI beside itself and nothing else. Linking and packing again give the
# same bytes.
#
# With the argument "build" it only makes the package: the test run's set-up step, which gives the release
# build and the pictures taken from it their own time limit, so that the test packs from them in seconds.
. "$(dirname "$0")/lib.sh"

# The release build beside the Windows build that made the driver, as scripts/build.sh lays them out.
ROMINADO_BUILD_DIR="${ROMINADO_BUILD_DIR:-$(cd "$(dirname "$E2E_DRIVER")/.." && pwd)}"
export ROMINADO_BUILD_DIR
make_package() {
    "$E2E_ROOT/scripts/package.sh" "$1" 2>"$1.log" || { cat "$1.log" >&2; fail "scripts/package.sh failed"; }
}
if [ "${1:-}" = build ]; then
    make_package "$E2E_OUT/package-build" >/dev/null
    exit 0
fi

ensure_display
work="$E2E_OUT/package"
rm -rf "$work"
mkdir -p "$work"
prefix="${WINEPREFIX:-$E2E_ROOT/build/wineprefix}"

zip=$(make_package "$work/dist")
version=$(basename "$zip" .zip | sed 's/^Rominado-//')

mkdir "$work/unpacked"
LC_ALL=C.UTF-8 unzip -q "$zip" -d "$work/unpacked" || fail "unzip could not unpack $zip"
top=$(ls -A "$work/unpacked")
[ "$top" = Rominado ] || fail "the zip holds more than the folder Rominado: $top"
app="$work/unpacked/Rominado"
packaged=$(cd "$app" && ls -A | LC_ALL=C sort)
expected=$(printf '%s\n' LICENSE.txt README.txt Rominado.exe Rominado.html help | LC_ALL=C sort)
[ "$packaged" = "$expected" ] || [ "$packaged" = "$(echo "$expected" | grep -v 'html\|help')" ] ||
    fail "the package holds: $packaged"
# Every name ASCII, without the UTF-8 flag (bit 11) or a Unicode path field: every unpacker reads it alike.
python3 - "$zip" <<'PY' || fail "a name in the zip is not plain ASCII"
import sys, zipfile
for info in zipfile.ZipFile(sys.argv[1]).infolist():
    assert info.filename.isascii() and not info.flag_bits & 0x800 and info.extra == b"", info.filename
PY
# Beside the page, the pictures of the windows it shows: every picture it names is there, and is a PNG.
if [ -f "$app/Rominado.html" ]; then
    [ "$(ls -A "$app/help" | LC_ALL=C sort | tr '\n' ' ')" = "about.png edit.png main.png settings.png " ] ||
        fail "the help folder holds: $(ls -A "$app/help")"
    shown=$(grep -o 'src="[^"]*"' "$app/Rominado.html" | sed 's/^src="//; s/"$//')
    [ "$(echo "$shown" | wc -l)" = 4 ] || fail "the help page shows: $shown"
    for picture in $shown; do
        [ "$(head -c 8 "$app/$picture" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] ||
            fail "the help page shows $picture, which the package holds no PNG for"
    done
    echo "the help page's pictures beside it: $(echo "$shown" | tr '\n' ' ')"
fi

# The read-me: UTF-8 behind its byte order mark, which Notepad reads right whatever the system's code page.
[ "$(head -c 3 "$app/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the read-me has no UTF-8 mark"
tail -c +4 "$app/README.txt" >"$work/readme.utf8"
iconv -f UTF-8 -t UTF-8 "$work/readme.utf8" >/dev/null || fail "the read-me is not UTF-8"
grep -q "バージョン $version" "$work/readme.utf8" || fail "the read-me does not name version $version"
grep -q "「許可する」にチェック" "$work/readme.utf8" && grep -q "「詳細情報」を押し" "$work/readme.utf8" ||
    fail "the read-me does not tell how to unblock the zip and pass SmartScreen"
grep -q "スマート アプリ コントロール" "$work/readme.utf8" || fail "the read-me does not tell of Smart App Control"
echo "the zip holds: $(echo "$packaged" | tr '\n' ' ')"

# Imports: each one a DLL of the system folder that Windows (here Wine) provides, and one that Windows never
# looks for beside the program (packaging/imports.txt: a known DLL, or comctl32 through the manifest).
exe="$app/Rominado.exe"
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
echo "$imports" | grep -qx kernel32.dll || fail "no imports read from $exe"
allowed=$(grep -v '^#' "$E2E_ROOT/packaging/imports.txt")
for dll in $imports; do
    [ -f "$prefix/drive_c/windows/system32/$dll" ] || fail "the program imports $dll, which is no system DLL"
    echo "$allowed" | grep -qx "$dll" || fail "the program imports $dll, which Windows may load from its folder"
done
echo "imports, all system DLLs that Windows never looks for beside the program: $(echo "$imports" | tr '\n' ' ')"
x86_64-w64-mingw32-windres -i "$exe" -O rc | grep -q "VALUE \"ProductVersion\", \"$version\"" ||
    fail "the program's version resource does not say $version"
pe_header=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
[ "$(od -An -tu4 -j$((pe_header + 8)) -N4 "$exe" | tr -d ' ')" = 0 ] || fail "the program's header holds a time stamp"
x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug' && fail "the program is not stripped"

# The same commit gives the same zip: link the program again and pack it again.
rm -f "$ROMINADO_BUILD_DIR/release/Rominado.exe"
again=$(make_package "$work/dist-again")
cmp -s "$zip" "$again" || fail "a second package differs from the first"
echo "linked and packed again: the same $(wc -c <"$zip") bytes"

# Command-line mode, as Send To starts it. The clipboard lives as long as the Wine session: a holder keeps it.
"$WINE_RUN" "$E2E_DRIVER" hold >/dev/null 2>&1 </dev/null &
holder_pid=$!
mkdir -p "$work/files"
: >"$work/files/Send To 表.txt"
files=$(printf 'Z:%s' "$work/files" | tr / '\\')
ROMINADO_EXE="$exe"
start_program package-commandline "$files\\send to 表.TXT"
wait_program_exit 60
[ "$program_exit" = 0 ] || fail "the packaged program ended with code $program_exit in command-line mode"
driver clipboard >"$work/clipboard.bin" || fail "the clipboard holds no text"
printf '%s\r\n' "$files\\Send To 表.txt" | iconv -f UTF-8 -t CP932 >"$work/expected.bin"
cmp -s "$work/clipboard.bin" "$work/expected.bin" || fail "the clipboard holds $(od -c "$work/clipboard.bin")"
[ ! -e "$app/Data.INI" ] || fail "command-line mode wrote Data.INI"
echo "command-line mode: the long path on the clipboard, no Data.INI"

# Started without arguments and closed: Data.INI beside the program, and nothing else added to its folder.
start_program package-window
driver wait-window "ロミナード" 60 || fail "the packaged program showed no window"
driver close "ロミナード" || fail "could not ask the window to close"
wait_program_exit 30
[ -f "$app/Data.INI" ] || fail "no Data.INI beside the packaged program"
grep -q '^\[MainForm\]' "$app/Data.INI" || fail "Data.INI holds no settings"
[ "$(cd "$app" && ls -A | LC_ALL=C sort)" = "$(printf '%s\n' "$packaged" Data.INI | LC_ALL=C sort)" ] ||
    fail "the program's folder holds: $(ls -A "$app")"
echo "a window run and closed: Data.INI beside the program, nothing else added"
