# Every window of the program at 96 and at 144 DPI: a picture of each (main, edit, settings, about) in the e2e
# output, to be looked at, and each window's size following the DPI. The DPI is the prefix's LogPixels, which
# Wine reads when a program starts; it is put back as it was when the test ends.
. "$(dirname "$0")/lib.sh"

DESKTOP='HKCU\Control Panel\Desktop'

saved_dpi=$("$WINE_RUN" reg query "$DESKTOP" /v LogPixels 2>/dev/null | tr -d '\r' |
    sed -n 's/.*LogPixels *REG_DWORD *0x\([0-9a-fA-F]*\).*/\1/p')
restore_dpi() {
    if [ -n "$saved_dpi" ]; then
        "$WINE_RUN" reg add "$DESKTOP" /v LogPixels /t REG_DWORD /d "$((0x$saved_dpi))" /f >/dev/null 2>&1 || true
    else
        "$WINE_RUN" reg delete "$DESKTOP" /v LogPixels /f >/dev/null 2>&1 || true
    fi
}
trap 'restore_dpi; cleanup' EXIT

# "left top width height" of a window on the screen.
window_rect() {
    driver window-rect "$1" | tr -d '\r'
}

# A picture of the window alone, cut from the screen.
shoot() {
    set -- "$1" $(window_rect "$2")
    [ $# -eq 5 ] || fail "no place for the window $2"
    import -display "$DISPLAY" -window root -crop "${4}x${5}+${2}+${3}" +repage "$E2E_OUT/$1.png"
}

# Opens a window by its button on the main window, takes its picture and its size, and closes it again.
open_and_shoot() {
    driver click "$TITLE" "$1" || fail "could not press button $1"
    driver wait-window "$2" 30 || fail "the window $2 did not appear at $dpi DPI"
    shoot "$3-$dpi" "$2"
    eval "size_$3_$dpi=\"$(window_rect "$2" | cut -d' ' -f3,4)\""
    driver close "$2" || fail "could not close $2"
}

ensure_display
for dpi in 96 144; do
    "$WINE_RUN" reg add "$DESKTOP" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
        fail "could not set LogPixels"
    # Each DPI from the designed start: no settings kept from the run before.
    rm -f "$(dirname "$ROMINADO_EXE")/Data.INI"
    start_program "dpi-$dpi"
    driver wait-window "$TITLE" 60 || fail "the main window did not appear at $dpi DPI"
    driver move "$TITLE" 0 0 || fail "could not move the main window"
    shoot "main-$dpi" "$TITLE"
    eval "size_main_$dpi=\"$(window_rect "$TITLE" | cut -d' ' -f3,4)\""
    open_and_shoot $BTN_EDIT "編集" edit
    open_and_shoot $BTN_SET "設定画面" settings
    open_and_shoot $BTN_VER "ﾊﾞｰｼﾞｮﾝ情報" about
    # The panels that show only on demand: the contents options and the extension filter.
    driver click "$TITLE" $RDO_SHOW || fail "could not choose the contents mode"
    driver click "$TITLE" $CHK_GET || fail "could not turn the filter on"
    driver wait-window "$TITLE" 10 || fail "the main window went at $dpi DPI"
    shoot "main-panels-$dpi" "$TITLE"
    close_program
    [ "$program_exit" = 0 ] || fail "the program ended with code $program_exit at $dpi DPI"
done

# At 144 DPI each window is one and a half times as large as at 96, give or take its frame, which the system
# scales by its own rule.
for window in main edit settings about; do
    eval "set -- \$size_${window}_96 \$size_${window}_144"
    for pair in "$1 $3" "$2 $4"; do
        set -- $pair
        expected=$(($1 * 3 / 2))
        [ "$2" -ge $((expected - 12)) ] && [ "$2" -le $((expected + 12)) ] ||
            fail "the $window window measures $2 pixels at 144 DPI against $1 at 96 (expected about $expected)"
    done
done
echo "pictures of the main, edit, settings and about windows at 96 and 144 DPI in $E2E_OUT"
