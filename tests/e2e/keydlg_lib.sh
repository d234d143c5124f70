# Steps of the key-dialog cases: the sub-dialog a key box opens, its controls at their client
# coordinates, the key matrices Apply sends. Sourced after e2e_lib.sh and basic_lib.sh.
# shellcheck shell=bash

# A sub-dialog: a viewable window of the program, shorter than the main window, not a list.
dialog_window() {
    local main w
    main=$(main_window)
    program_windows | awk '!/Default IME/ {split($0, a, /[ +]+/); for (i in a) if (a[i] ~ /^[0-9]+x[0-9]+$/) {split(a[i], s, "x"); if (s[1] >= 300 && s[2] >= 250 && s[2] < 400) {print $1}}}' |
        while read -r w; do
            [ "$w" = "$main" ] && continue
            if viewable "$w"; then echo "$w"; break; fi
        done
}
dialog_up() { [ -n "$(dialog_window)" ]; }
dialog_gone() { [ -z "$(dialog_window)" ]; }
# Opens key box $1 (0 to 5) with function $2 and waits for its dialog; sets dlg_x, dlg_y to
# the dialog's client origin (inside its one-pixel border).
open_dialog() {
    pick_key_function "$1" "$2"
    wait_for 50 dialog_up || fail "function $2 of key box $1 opened no dialog"
    read -r dlg_x dlg_y <<<"$(origin "$(dialog_window)")"
    dlg_x=$((dlg_x + 1))
    dlg_y=$((dlg_y + 1))
    sleep 0.5
}
press_dialog() {
    xdotool mousemove $((dlg_x + $1)) $((dlg_y + $2)) click 1
    sleep "${3:-0.3}"
}
# Picks entry $2 of the dialog's open list whose top edge is at client y $1.
pick_dialog_entry() { press_dialog 80 "$(entry_y $(($1 + 1)) "$2")"; }
# Keys to the dialog. A key sent to a window only hands it the keyboard, so a Shift goes
# first: it types nothing, and a capture dialog shows the next key over it.
dialog_keys() {
    local w
    w=$(dialog_window)
    xdotool windowactivate --sync "$w" 2>/dev/null || true
    xdotool key --window "$w" shift
    xdotool key "$@"
    sleep 0.3
}
dialog_ok() {
    press_dialog 200 262
    wait_for 30 dialog_gone || fail "OK left the dialog open"
}
dialog_cancel() {
    press_dialog 320 262
    wait_for 30 dialog_gone || fail "Cancel left the dialog open"
}
