# Steps shared by the basic page's cases: press its controls
# at their client coordinates (the window has no frame: its client area starts at its origin).
# shellcheck shell=bash
# List entries are this tall in Wine's list boxes with the window's text font.
list_item=${QUORVEL_LIST_ITEM:-14}

# Presses at a client point and lets the program draw.
press_at() {
    xdotool mousemove $((win_x + $1)) $((win_y + $2)) click 1
    sleep "${3:-0.3}"
}
# The middle of entry $2 of a list whose top edge is at client y $1, at client x $3.
entry_y() { echo $(($1 + $2 * list_item + list_item / 2)); }
# Opens key box $1 (0 to 5) and picks entry $2 of its list.
pick_key_function() {
    local box_top=$((199 + 23 * $1))
    press_at 350 $((box_top + 10))
    press_at 350 "$(entry_y $((box_top + 22)) "$2")"
}
# Opens a lighting box (its top edge $1, its list's top $2) and picks entry $3.
pick_lighting() {
    press_at 800 $(($1 + 7))
    press_at 800 "$(entry_y "$2" "$3")"
}
# One byte of the record in config.bin (the file starts with the first-run flag).
record_byte() { od -An -tu1 -j $(($1 + 1)) -N1 "$case_dir/config.bin" | tr -d ' '; }
