# The help button of the real program: without a help page beside it, an information box names the missing
# page; with the page that the build put beside the program, the program hands the page to the program the
# system opens .html files with and goes on at once. No browser starts: the test registers a copier for .html.
built_page="$(dirname "$ROMINADO_EXE")/Rominado.html"
. "$(dirname "$0")/lib.sh"

TITLE="ロミナード"
BTN_HELP=109
CLASSES='HKLM\Software\Classes'
work="$E2E_OUT/help"
rm -rf "$work"
mkdir -p "$work"

[ -f "$built_page" ] || fail "the build put no help page beside the program: $built_page"

# Presses the help button without waiting for what it opens (a box stays open until it is answered).
press_help() {
    driver click "$TITLE" $BTN_HELP >/dev/null 2>&1 &
    click_pid=$!
}

# A Windows name for a file of this machine.
windows_name() {
    printf 'Z:%s' "$1" | tr / '\\'
}

# The .html association of the prefix, put back as it was when the test ends.
association_changed=""
html_saved=""
restore_association() {
    [ -n "$association_changed" ] || return 0
    "$WINE_RUN" reg delete "$CLASSES\\RominadoHelpCopier" /f >/dev/null 2>&1 || true
    "$WINE_RUN" reg delete "$CLASSES\\.html" /f >/dev/null 2>&1 || true
    if [ -n "$html_saved" ]; then "$WINE_RUN" reg import "$(windows_name "$html_saved")" >/dev/null 2>&1 || true; fi
}

# Waits until the pressing driver has returned, within a time limit.
wait_click() {
    wait_exit "$click_pid" "$1" "the press of the help button"
    [ "$exit_code" -eq 0 ] || fail "the help button could not be pressed"
}
trap 'restore_association; cleanup' EXIT

ensure_display
start_program help
driver wait-window "$TITLE" 60 || fail "the main window did not appear"

# 1. No page beside this copy of the program.
press_help
driver wait-window "情報" 30 || fail "no box told that the help page is missing"
text=$(driver text "情報" 65535)
case "$text" in
    "ヘルプファイル "*"\\Rominado.html が見つかりません。") ;;
    *) fail "the box says: $text" ;;
esac
screenshot help-missing
driver close "情報"
wait_click 30

# 2. The page beside the program, and a copier in place of the browser.
cp "$built_page" "$private_bin/"
if "$WINE_RUN" reg query "$CLASSES\\.html" >/dev/null 2>&1; then
    html_saved="$work/html-association.reg"
    "$WINE_RUN" reg export "$CLASSES\\.html" "$(windows_name "$html_saved")" /y >/dev/null 2>&1 ||
        fail "could not keep the prefix's .html association"
fi
association_changed=1
copy="$(windows_name "$work/opened.html")"
"$WINE_RUN" reg add "$CLASSES\\.html" /ve /d RominadoHelpCopier /f >/dev/null 2>&1 ||
    fail "could not register the copier"
"$WINE_RUN" reg add "$CLASSES\\RominadoHelpCopier\\shell\\open\\command" /ve \
    /d "C:\\windows\\system32\\cmd.exe /c copy /y \"%1\" \"$copy\"" /f >/dev/null 2>&1 ||
    fail "could not register the copier"

press_help
wait_click 30
waited=0
until cmp -s "$built_page" "$work/opened.html"; do
    [ "$waited" -lt 300 ] || fail "the program did not open its help page"
    sleep 0.1
    waited=$((waited + 1))
done
driver wait-gone "情報" 1 || fail "a box came up although the page was opened"

driver close "$TITLE" || fail "could not ask the main window to close"
wait_program_exit 30
[ "$program_exit" = 0 ] || fail "the program ended with code $program_exit"
echo "missing help page named in a box; the page beside the program handed to the .html program"
