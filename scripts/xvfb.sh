# Sourced: start_xvfb FOLDER starts a virtual display (1024x768, 24 bits) in the background, exports DISPLAY
# and sets xvfb_pid, whose owner stops it. FOLDER holds the pipe by which Xvfb names its display.
start_xvfb() {
    fifo="$1/displayfd.$$"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r display_number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display_number"
}
