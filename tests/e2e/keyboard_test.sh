# The main window from the keyboard, with real keys typed on the display: Tab moves on and never goes into the
# text, Shift+Tab goes back, an arrow moves within the mode group, Enter breaks the line, an access key presses
# a speed button without taking the focus, Esc leaves the window open, and the access keys of the settings
# window and the about box open them as windows of their own (not owned by the main window).
. "$(dirname "$0")/lib.sh"

key() {
    xdotool key --delay 50 "$@"
    sleep 0.3
}

focus_now() {
    driver focus "$TITLE" | tr -d '\r'
}

text_now() {  # the text area's bytes in hexadecimal
    driver text "$TITLE" $MEMO | od -An -tx1 | tr -d ' \n'
}

# settles READER VALUE STEP WHAT: waits up to 3 s for READER to print VALUE; else fails naming the step and
# saying what READER printed instead.
settles() {
    waited=0
    until [ "$($1)" = "$2" ]; do
        [ "$waited" -lt 30 ] || { screenshot keyboard-failed; fail "$3: $4 $($1)"; }
        sleep 0.1
        waited=$((waited + 1))
    done
}

expect_focus() {
    settles focus_now "$1" "$2" "the focus is on"
}

expect_text() {
    settles text_now "$1" "$2" "the text area holds"
}

ensure_display
start_program keyboard
driver wait-window "$TITLE" 60 || fail "the main window did not appear"
# A click in the text area gives the window the keyboard.
xdotool mousemove $(driver center "$TITLE" $MEMO | tr -d '\r') click 1
expect_focus $MEMO "a click in the text area"

xdotool type --delay 50 ab
key Tab
expect_focus $RDO_FULL "Tab from the text area"
expect_text 6162 "Tab"
key Right
expect_focus $RDO_NAME "the right arrow in the mode group"
key shift+Tab
expect_focus $MEMO "Shift+Tab"
key Return
expect_text 61620d0a "Enter"
key alt+d
expect_text "" "Alt+D"
expect_focus $MEMO "a speed button pressed by its access key"
key Escape
sleep 1
driver wait-window "$TITLE" 1 || fail "Esc in the text area closed the window"

key alt+o
driver wait-window "設定画面" 10 || fail "Alt+O did not open the settings window"
driver owned "設定画面" && fail "the settings window is owned by the main window"
driver close "設定画面"
xdotool mousemove $(driver center "$TITLE" $MEMO | tr -d '\r') click 1
key alt+v
driver wait-window "ﾊﾞｰｼﾞｮﾝ情報" 10 || fail "Alt+V did not open the about box"
driver owned "ﾊﾞｰｼﾞｮﾝ情報" && fail "the about box is owned by the main window"
screenshot keyboard

close_program
echo "Tab, Shift+Tab, an arrow, Enter, Alt+D, Esc, Alt+O and Alt+V worked as real keys"
