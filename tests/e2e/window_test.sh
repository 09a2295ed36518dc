# The program starts, shows its main window, takes a text of millions of characters sent from another program,
# and ends when the window is closed.
. "$(dirname "$0")/lib.sh"

ensure_display
start_program window
driver wait-window "ロミナード" 60 || fail "the main window did not appear"
screenshot main-window
# Wine hands a message's text from another process to the window on the receiving thread's stack.
driver fill-text "ロミナード" $MEMO 4 || fail "the program did not survive a text of 4 million characters"
driver close "ロミナード" || fail "could not ask the main window to close"
wait_program_exit 30
[ "$program_exit" = 0 ] || fail "the program ended with code $program_exit"
echo "window shown, screenshot $E2E_OUT/main-window.png, closed cleanly"
