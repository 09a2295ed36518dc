# Dragging files onto the program from X, and waiting for the lines they bring. Sourced after lib.sh.

# Drags paths from a GTK window at the top-left corner onto a control: drag_onto_memo TITLE ID PATH...
drag_onto_memo() {
    target_title=$1 target_id=$2
    shift 2
    /usr/bin/python3 "$E2E_ROOT/tests/e2e/dragsource.py" 60 "$@" >"$E2E_OUT/dragsource.out" 2>&1 &
    source_pid=$!
    waited=0
    until grep -q ready "$E2E_OUT/dragsource.out" 2>/dev/null; do
        [ "$waited" -lt 300 ] || fail "the drag source did not start"
        sleep 0.1
        waited=$((waited + 1))
    done
    set -- $(driver center "$target_title" $target_id | tr -d '\r')
    xdotool mousemove 40 40 mousedown 1
    for step in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((40 + ($1 - 40) * $step / 10)) $((40 + ($2 - 40) * $step / 10))
        sleep 0.05
    done
    xdotool mouseup 1
    kill "$source_pid" 2>/dev/null || true
    wait "$source_pid" 2>/dev/null || true
}

# Waits until a control's text holds at least N lines: wait_lines TITLE ID N
wait_lines() {
    waited=0
    while [ "$(driver text "$1" "$2" | tr -cd '\n' | wc -c)" -lt "$3" ]; do
        [ "$waited" -lt 300 ] || { screenshot wait-lines-failed; fail "the text area did not get $3 lines"; }
        sleep 0.1
        waited=$((waited + 1))
    done
}

