# Pictures of the program's windows for the help page, taken from the real program on the display: the main
# window with the filter panel and the file-contents panel open and a few lines, the edit window, the settings
# window on its first page and the about box. Each picture is the window alone, as large as the window, and
# painted, and the help page shows it at its size. The release package runs this with its own program to put the pictures beside the help page.
#
#     helppictures_test.sh [FOLDER]      (default: help-pictures in the test's output folder)
. "$(dirname "$0")/lib.sh"

MEMO=100 BTN_EDIT=105 BTN_SET=107 BTN_VER=108 CHK_GET=110 CHK_FALL=111 RDO_SHOW=114 GROUP_CONTENTS=117 PNL_GET=121
GRID_CELL0=124
pictures="${1:-$E2E_OUT/help-pictures}"
rm -rf "$pictures"
mkdir -p "$pictures"

# Whether a main window's control is "shown" or "hidden", from the driver's dump.
control_shown() {
    driver dump "$TITLE" | tr -d '\r' | awk -v id="$1" '$1 == id { print $3 }'
}

# The window's rectangle as "left top width height", checked to lie wholly on the screen.
window_rect() {
    rect=$(driver window-rect "$1" | tr -d '\r')
    [ -n "$rect" ] || fail "no window $1 to take"
    set -- $rect $(xdotool getdisplaygeometry)
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ $(($1 + $3)) -le "$5" ] && [ $(($2 + $4)) -le "$6" ] ||
        fail "the window at $rect is not wholly on the $5x$6 screen"
    echo "$rect"
}

# take TITLE NAME: the part of the screen under window TITLE as NAME.png, once two takes in a row agree, so
# that the window has finished painting. No time or date in the file: the same window gives the same bytes.
take() {
    rect=$(window_rect "$1")
    set -- "$1" "$2" $rect
    shot="$pictures/$2.png"
    : >"$shot.previous"
    attempt=0
    while :; do
        import -display "$DISPLAY" -window root -crop "$5x$6+$3+$4" +repage -strip \
            -define png:exclude-chunks=date,time "$shot"
        cmp -s "$shot" "$shot.previous" && break
        [ "$attempt" -lt 50 ] || fail "the picture of $1 never settled"
        mv "$shot" "$shot.previous"
        attempt=$((attempt + 1))
        sleep 0.2
    done
    rm -f "$shot.previous"
    rect=$(window_rect "$1")
    [ "$rect" = "$3 $4 $5 $6" ] || fail "$1 moved while it was taken"
    [ "$(identify -format '%w %h' "$shot")" = "$5 $6" ] || fail "$2.png is not as large as $1"
    # A painted window shows text, frames and a caption bar; a blank one a colour or two.
    colours=$(identify -format '%k' "$shot")
    [ "$colours" -gt 16 ] || fail "$2.png holds only $colours colours: $1 was not painted"
}

ensure_display
start_program helppictures
driver wait-window "$TITLE" 60 || fail "the main window did not appear"
# At the screen's left edge, so that the edit window beside it fits on the screen too.
driver move "$TITLE" 0 0 || fail "could not move the main window"
for id in $CHK_FALL $RDO_SHOW; do driver click "$TITLE" $id || fail "could not press control $id"; done
# 絞込 clicked with the mouse: the focus leaves the text area, so that no blinking caret makes two takes of the
# same window differ. The pointer then moves off the window (no take shows it anyway).
xdotool mousemove $(driver center "$TITLE" $CHK_GET | tr -d '\r') click 1 mousemove 1000 700
driver set-text "$TITLE" $GRID_CELL0 txt || fail "could not type an extension"
driver set-text "$TITLE" $((GRID_CELL0 + 1)) csv || fail "could not type an extension"
lines=$(printf '%s\r\n' '        42行:C:\作業\報告.txt' '       120行:C:\作業\名簿.csv' \
    '         8行:C:\作業\メモ\買い物.txt' '       170行:Ｔｏｔａｌ')
driver set-text "$TITLE" $MEMO "$lines" || fail "could not put lines into the text area"
[ "$(control_shown $PNL_GET)" = shown ] || fail "the filter panel is not open"
[ "$(control_shown $GROUP_CONTENTS)" = shown ] || fail "the file-contents panel is not open"
take "$TITLE" main

driver click "$TITLE" $BTN_EDIT || fail "could not press 編集(&E)"
driver wait-window "編集" 30 || fail "the edit window did not appear"
take "編集" edit
driver close "編集" && driver wait-hidden "編集" 10 || fail "the edit window did not close"

driver click "$TITLE" $BTN_SET || fail "could not press 設定(&O)"
driver wait-window "設定画面" 30 || fail "the settings window did not appear"
take "設定画面" settings
driver close "設定画面" && driver wait-hidden "設定画面" 10 || fail "the settings window did not close"

driver click "$TITLE" $BTN_VER || fail "could not press 情報(&V)"
driver wait-window "ﾊﾞｰｼﾞｮﾝ情報" 30 || fail "the about box did not appear"
take "ﾊﾞｰｼﾞｮﾝ情報" about
driver close "ﾊﾞｰｼﾞｮﾝ情報" && driver wait-hidden "ﾊﾞｰｼﾞｮﾝ情報" 10 || fail "the about box did not close"

driver close "$TITLE" || fail "could not ask the main window to close"
wait_program_exit 30
[ "$program_exit" = 0 ] || fail "the program ended with code $program_exit"

# Four different windows give four different pictures.
[ "$(cd "$pictures" && md5sum about.png edit.png main.png settings.png | cut -d' ' -f1 | sort -u | wc -l)" = 4 ] ||
    fail "two pictures are the same"
# The help page shows each picture at its size, so that the page keeps its layout while the pictures load.
for name in main edit settings about; do
    size=$(identify -format 'width="%w" height="%h"' "$pictures/$name.png")
    grep -q "src=\"help/$name.png\" $size " "$E2E_ROOT/help/ロミナード.html" ||
        fail "the help page does not show help/$name.png at its size, $size"
done
echo "pictures of the four windows in $pictures: $(cd "$pictures" && identify -format '%f %wx%h; ' *.png)"
