# Dragging files onto the program from X, and waiting for the lines they bring. Sourced after lib.sh.

# Drags paths from a GTK window at the top-left corner onto a control: drag_onto_memo TITLE ID PATH...
# The target asks the source for the paths only after the button is released, so the source is kept until it
# has sent them and the drag is over. A drag whose paths were never asked for is tried again; one whose paths
# were sent is never repeated, so nothing is dropped twice.
drag_onto_memo() {
    target_title=$1 target_id=$2
    shift 2
    set -- "$(driver center "$target_title" $target_id | tr -d '\r')" "$@"
    attempt=1
    while :; do
        drag_once "$@" && return 0
        [ "$attempt" -lt 3 ] || fail "the drop target never asked for the dragged paths ($attempt tries)"
        attempt=$((attempt + 1))
    done
}

# One drag from the source to the point "X Y" in $1, the paths after it; fails when the paths were never asked for.
drag_once() {
    point=$1
    shift
    out="$E2E_OUT/dragsource.out"
    /usr/bin/python3 "$E2E_ROOT/tests/e2e/dragsource.py" 60 "$@" >"$out" 2>&1 &
    source_pid=$!
    waited=0
    until grep -q ready "$out" 2>/dev/null; do
        [ "$waited" -lt 300 ] || fail "the drag source did not start"
        sleep 0.1
        waited=$((waited + 1))
    done
    set -- $point
    xdotool mousemove 40 40 mousedown 1
    for step in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((40 + ($1 - 40) * $step / 10)) $((40 + ($2 - 40) * $step / 10))
        sleep 0.05
    done
    xdotool mouseup 1
    # Up to 20 s for the drag to end; once the paths were sent, 5 s more at most.
    waited=0 sent_at=""
    until grep -q drag-end "$out"; do
        [ -n "$sent_at" ] || ! grep -q data-sent "$out" || sent_at=$waited
        [ "$waited" -lt 200 ] && { [ -z "$sent_at" ] || [ $((waited - sent_at)) -lt 50 ]; } || break
        sleep 0.1
        waited=$((waited + 1))
    done
    kill "$source_pid" 2>/dev/null || true
    wait "$source_pid" 2>/dev/null || true
    grep -q data-sent "$out"
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

# drop_told_of_aliases PATH LINES: drops PATH onto the text area with names in their code page form, expects the
# box that tells of names given by their 8.3 aliases (its text left in notice) and waits for LINES lines.
drop_told_of_aliases() {
    drag_onto_memo "$TITLE" $MEMO "$1"
    notice=$(driver answer-box "$TITLE" 60) || fail "the user was not told of the names given by their aliases"
    printf '%s\n' "$notice" | grep -q "8.3" || fail "the notice does not tell of short names: $notice"
    wait_lines "$TITLE" $MEMO "$2"
}
