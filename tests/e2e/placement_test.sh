# Data.INI values that would make the program unusable: a place far off every screen comes onto the screen and
# a huge font size is brought into range; closing saves the values in use, not the ones read.
. "$(dirname "$0")/lib.sh"

ini_value() {
    tr -d '\r' <"$ini" | sed -n "s/^$1=//p"
}

ensure_display
dir="$E2E_OUT/placement"
fresh_folder "$dir"
cp "$ROMINADO_EXE" "$dir/Rominado.exe"
ROMINADO_EXE="$dir/Rominado.exe"
ini="$dir/Data.INI"
printf '[MainForm]\r\nFormTop=99999\r\nFormLeft=-50000\r\n[Show]\r\nFontSize=100000\r\n' >"$ini"

start_program placement
driver wait-window "$TITLE" 60 || fail "the main window did not appear"
set -- $(driver window-rect "$TITLE" | tr -d '\r')
screen_height=$(xdpyinfo 2>/dev/null | sed -n 's/.*dimensions: *[0-9]*x\([0-9]*\) pixels.*/\1/p')
[ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ $(($2 + $4)) -le "${screen_height:-768}" ] ||
    { screenshot placement-failed; fail "the window stands at $1, $2 (size $3 x $4), off the screen"; }
screenshot placement

close_program
[ "$(ini_value FormLeft)" = "$1" ] && [ "$(ini_value FormTop)" = "$2" ] ||
    fail "Data.INI keeps FormLeft=$(ini_value FormLeft) FormTop=$(ini_value FormTop), not the place in use $1, $2"
size=$(ini_value FontSize)
[ "$size" -ge 6 ] && [ "$size" -le 72 ] || fail "Data.INI keeps FontSize=$size"
echo "a place off the screen came to $1, $2; font size 100000 was used and saved as $size"
