# A real drop of a folder whose names code page 932 cannot hold as they are stored: a WAVE DASH (what a Mac or
# a web form writes), a decomposed パ (as Mac archives unpack), Korean, an accented letter, an emoji, and a file
# over 300 characters deep. In full-path mode the clipboard's Unicode text (read through X, as UTF-8) names
# every entry exactly and no box is shown; its CF_TEXT is the code page 932 form of the same lines, "?" for
# each character the code page cannot hold. With the output option for older programs on in Data.INI the
# names come as before: each name the code page cannot hold by its short (8.3) alias, and the user is told.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/drag.sh"

ensure_display
tree="$E2E_OUT/unicode-tree"
rm -rf "$tree"
# The names as stored, each with its code page 932 form.
names="$E2E_OUT/unicodenames-names.txt"
/usr/bin/python3 - "$tree" "$names" <<'PY'
import os, sys
root, names = sys.argv[1], sys.argv[2]
forms = {
    "あ\u301cい.txt": "あ?い.txt",
    "\u30cf\u309aソコン.txt": "ハ?ソコン.txt",
    "한국어.txt": "???.txt",
    "café.txt": "caf?.txt",
    "😀.txt": "??.txt",
    "한국어": "???",
}
os.makedirs(os.path.join(root, "한국어"))
for name in forms:
    if name.endswith(".txt"):
        open(os.path.join(root, name), "w").close()
deep = os.path.join(root, "한국어")
while len("Z:" + deep) < 300:
    deep = os.path.join(deep, "d" * 60)
os.makedirs(deep)
open(os.path.join(deep, "f300.txt"), "w").close()
with open(names, "w", encoding="utf-8") as out:
    for name, form in forms.items():
        out.write(name + "\t" + form + "\n")
PY
expected="$E2E_OUT/unicodenames-expected.txt"
find "$tree" | while read -r p; do windows_path "$p"; echo; done | LC_ALL=C sort >"$expected"
entries=$(wc -l <"$expected")

# replace_names TABLE: the lines of standard input, each path component that is a name of the table's first
# column given as its second column instead.
replace_names() {
    /usr/bin/python3 -X utf8 -c '
import sys
table = dict(line.rstrip("\n").split("\t") for line in open(sys.argv[1], encoding="utf-8"))
for line in sys.stdin.read().splitlines():
    print("\\".join(table.get(part, part) for part in line.split("\\")))
' "$1"
}

start_for_drops unicodenames "$TITLE" $CHK_FALL
drag_onto_memo "$TITLE" $MEMO "$tree"
wait_lines "$TITLE" $MEMO "$entries"

unicode="$E2E_OUT/unicodenames-unicode.txt"
# The copy follows the last line, and X learns of it after Wine: read until it holds the drop or 10 s pass.
waited=0
until xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$unicode" &&
    LC_ALL=C sort "$unicode" >"$unicode.sorted" && cmp -s "$unicode.sorted" "$expected"; do
    [ "$waited" -lt 100 ] || {
        diff "$expected" "$unicode.sorted" >&2 || true
        fail "the clipboard's Unicode text does not name every entry as stored"
    }
    sleep 0.1
    waited=$((waited + 1))
done
if driver answer-box "$TITLE" 1 >/dev/null; then fail "a box was shown although every name is true"; fi
# The narrow form: the same lines in the same order, in code page 932 with CR LF.
narrow="$E2E_OUT/unicodenames-narrow"
replace_names "$names" <"$unicode" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$narrow.expected"
waited=0
until driver clipboard >"$narrow.bin" && cmp -s "$narrow.bin" "$narrow.expected"; do
    [ "$waited" -lt 100 ] || {
        od -c "$narrow.expected" >"$narrow.expected.od"
        od -c "$narrow.bin" | diff "$narrow.expected.od" - >&2 || true
        fail "CF_TEXT is not the code page 932 form of the lines (see $narrow.bin)"
    }
    sleep 0.1 && waited=$((waited + 1))
done
close_program

# The option for older programs: each name the code page cannot hold by its alias, found beside it.
aliases="$E2E_OUT/unicodenames-aliases.txt"
cut -f1 "$names" >"$aliases.stored"
while read -r name; do
    short=$(driver short-name "$(windows_path "$tree/$name")" | tr -d '\r') || fail "no short name for $name"
    printf '%s\t%s\n' "$name" "${short##*\\}"
done <"$aliases.stored" >"$aliases"
replace_names "$aliases" <"$expected" | LC_ALL=C sort >"$expected.aliases"
printf '[Output]\r\nCodePageNames=1\r\n' >"$(dirname "$ROMINADO_EXE")/Data.INI"
start_for_drops unicodenames-codepage "$TITLE" $CHK_FALL
drop_told_of_aliases "$tree" "$entries"
driver clipboard | iconv -f CP932 -t UTF-8 | tr -d '\r' | LC_ALL=C sort | cmp -s - "$expected.aliases" ||
    fail "with the option on, the names are not given by their aliases"
close_program
kill "$holder_pid" 2>/dev/null || true
rm -rf "$tree"
echo "$entries entries by their stored names in Unicode, in code page 932 form in CF_TEXT, by aliases with the option"
